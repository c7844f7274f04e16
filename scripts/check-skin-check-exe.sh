#!/usr/bin/env bash
# The Windows skin checker (64-bit twin of the shipped skin_check.exe) under Wine: with its
# output redirected, the GUI program prints exactly what the Linux console build prints,
# with the same exit codes, as text and as JSON; then its window's tests run in-process.
# BUILD_ROOT chooses the build folder (default: build).
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here" || exit 1
build_root="${BUILD_ROOT:-$here/build}"
linux="$build_root/native/tools/skin_check/skin_check"
windows="$build_root/win64/tools/skin_check/skin_check.exe"
window_tests="$build_root/win64/tools/skin_check/skin_check_window_tests.exe"
for f in "$linux" "$windows" "$window_tests"; do
  [ -f "$f" ] || { echo "check-skin-check-exe: $f is missing: build win64 and native first"; exit 1; }
done
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0
# Relative paths, so that both builds name the files alike in their reports.
compare() {  # description, arguments...
  local what="$1"; shift
  "$linux" "$@" > "$scratch/linux.out" 2> "$scratch/linux.err"
  local linux_code=$?
  "$WINE64" "$windows" "$@" > "$scratch/windows.out" 2> "$scratch/windows.err"
  local windows_code=$?
  if [ "$linux_code" != "$windows_code" ]; then
    echo "check-skin-check-exe: FAILED: $what: exit code $windows_code on Windows, $linux_code on Linux"
    failures=$((failures + 1))
  elif ! cmp -s "$scratch/linux.out" "$scratch/windows.out" || ! cmp -s "$scratch/linux.err" "$scratch/windows.err"; then
    echo "check-skin-check-exe: FAILED: $what: the output differs from the Linux build's:"
    diff "$scratch/linux.out" "$scratch/windows.out" | head -n 10
    diff "$scratch/linux.err" "$scratch/windows.err" | head -n 10
    failures=$((failures + 1))
  else
    echo "check-skin-check-exe: $what: same output, exit code $windows_code"
  fi
}
skins=(skins/*.ini)
compare "the gallery as text" "${skins[@]}"
compare "the gallery as JSON" --json "${skins[@]}"
printf '[Hueloom]\r\nMode=blue\r\nControlBak=#111111\r\n' > "$scratch/warned.ini"
(cd "$scratch" && compare "a skin with warnings and a missing file" warned.ini absent.ini)
# The usage differs by the Windows-only --window; the answer does not.
"$WINE64" "$windows" --colour > /dev/null 2> "$scratch/usage.err"
code=$?
if [ "$code" != 3 ] || ! grep -q '^skin_check: unknown option --colour' "$scratch/usage.err" ||
   ! grep -q -- '--window' "$scratch/usage.err"; then
  echo "check-skin-check-exe: FAILED: an unknown option gave exit code $code and: $(head -n 3 "$scratch/usage.err")"
  failures=$((failures + 1))
else
  echo "check-skin-check-exe: an unknown option: the usage with --window, exit code 3"
fi

xvfb-run -a -s "-screen 0 1280x1024x24" "$WINE64" "$window_tests" || failures=$((failures + 1))
[ "$failures" -eq 0 ] || { echo "check-skin-check-exe: $failures failure(s)"; exit 1; }
echo "check-skin-check-exe: ok"
