#!/usr/bin/env bash
# Runs the stand-in host with the plug-in under Wine and Xvfb:
#   scripts/run-e2e.sh [--arch 64|32] [--reader sdk|copy|address|cdecl[,...]] [--shots DIR]
#                      [--plugin FILE] SCRIPT...
# Screenshots (BMP) go to DIR, by default <build>/win64/e2e-shots (or win32). The plug-in
# is <build>/win64/Hueloom.dll (or win32) unless --plugin names another file.
# The scripts run in order in one host process; with several readers, the whole list runs
# once per reader (the default, sdk, is the host maker's SDK's). Exits with the host's exit code
# (0 passed, 1 assertion failed, 2 script or usage error, 3 plug-in not loadable,
# 4 crashed).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_root="${BUILD_ROOT:-$here/build}"

arch=64
reader=sdk
shots=""
plugin=""
scripts=()
while [ $# -gt 0 ]; do
  case "$1" in
    --arch) arch="${2:?--arch needs 64 or 32}"; shift 2 ;;
    --reader) reader="${2:?--reader needs sdk, copy, address or cdecl}"; shift 2 ;;
    --shots) shots="${2:?--shots needs a folder}"; shift 2 ;;
    --plugin) plugin="${2:?--plugin needs a file}"; shift 2 ;;
    -h|--help) sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "run-e2e: unknown option $1" >&2; exit 2 ;;
    *) scripts+=("$1"); shift ;;
  esac
done
case "$arch" in 64|32) ;; *) echo "run-e2e: --arch takes 64 or 32" >&2; exit 2 ;; esac
[ ${#scripts[@]} -gt 0 ] || { echo "run-e2e: no script given" >&2; exit 2; }

build="$build_root/win$arch"
host="$build/host/standin_host.exe"
[ -n "$plugin" ] || plugin="$build/Hueloom.dll"
for f in "$host" "$plugin"; do
  [ -f "$f" ] || { echo "run-e2e: $f is missing; build with scripts/build.sh first" >&2; exit 2; }
done

# Wine sees the Unix root as drive Z:.
to_windows() { local p; p="$(realpath -m "$1")"; printf 'Z:%s' "${p//\//\\}"; }

# Screenshots go to the build folder unless asked otherwise, never into the source tree.
[ -n "$shots" ] || shots="$build/e2e-shots"
mkdir -p "$shots"
args=(--plugin "$(to_windows "$plugin")" --reader "$reader" --shots "$(to_windows "$shots")")
for s in "${scripts[@]}"; do
  [ -f "$s" ] || { echo "run-e2e: script $s not found" >&2; exit 2; }
  args+=("$(to_windows "$s")")
done

# shellcheck source=scripts/wine-env.sh
source "$here/scripts/wine-env.sh"
if [ "$arch" = 32 ]; then wine="$WINE32"; else wine="$WINE64"; fi

set +e
xvfb-run -a -s "-screen 0 1280x1024x24" "$wine" "$host" "${args[@]}"
status=$?
set -e
exit "$status"
