#!/usr/bin/env bash
# Runs the skin checker (native build) on every skin of the gallery. Warnings are allowed,
# errors are not: a gallery skin must stay readable. Prints the checker's summary.
# BUILD_ROOT chooses the build folder (default: build), as for scripts/build.sh.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
checker="${BUILD_ROOT:-$here/build}/native/tools/skin_check/skin_check"
if [ ! -x "$checker" ]; then
  echo "check-skins: $checker is missing: build the native configuration first"
  exit 1
fi
skins=(skins/*.ini)
if [ ! -e "${skins[0]}" ]; then
  echo "check-skins: no skins/*.ini to check"
  exit 1
fi

report="$(mktemp)"
trap 'rm -f "$report"' EXIT
"$checker" "${skins[@]}" > "$report"
code=$?
sed -n '/^Summary:/,$p' "$report"
case "$code" in
  0|1) ;;
  2) echo "check-skins: a gallery skin has errors; its report:"
     awk '/^[^ ]/ { block = "" } { block = block $0 "\n" } /^  Result: .*error/ { printf "%s", block }' "$report"
     exit 1 ;;
  *) cat "$report"; echo "check-skins: the checker failed with exit code $code"; exit 1 ;;
esac

# The machine-readable form of the same run must be one well-formed JSON document.
if command -v python3 >/dev/null 2>&1; then
  if ! "$checker" --json "${skins[@]}" | python3 -c 'import json, sys; json.load(sys.stdin)'; then
    echo "check-skins: --json did not give well-formed JSON"
    exit 1
  fi
fi
echo "check-skins: ${#skins[@]} gallery skins checked, no errors"
