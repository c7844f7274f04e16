#!/usr/bin/env bash
# Runs the plug-in in a Wine prefix that reports Windows 10 (build 17763 or later), where
# Wine's uxtheme lacks the dark-mode exports but has an unrelated function under ordinal 104:
#   scripts/run-win10.sh [--arch 64|32]
# The prefix is a copy of the shared one, made once under $HUELOOM_CACHE and kept; the shared
# prefix itself is never switched, since others use it at the same time.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
arch=64
while [ $# -gt 0 ]; do
  case "$1" in
    --arch) arch="${2:?--arch needs 64 or 32}"; shift 2 ;;
    -h|--help) sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run-win10: unknown argument $1" >&2; exit 2 ;;
  esac
done

# shellcheck source=scripts/wine-env.sh
source "$here/scripts/wine-env.sh"
shared="$WINEPREFIX"
win10="$HUELOOM_CACHE/wineprefix64-win10"

if [ ! -f "$win10/.hueloom-win10" ]; then
  [ -f "$shared/system.reg" ] || { echo "run-win10: the shared prefix $shared does not exist yet; run scripts/setup.sh" >&2; exit 2; }
  echo "run-win10: making the Windows 10 prefix $win10 (once)"
  scratch="$win10.making.$$"
  rm -rf "$scratch"
  cp -a "$shared" "$scratch"
  # Wine's ntdll answers RtlGetVersion from the Version value under HKCU\Software\Wine
  # (what winecfg -v sets).
  WINEPREFIX="$scratch" "$WINE64" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win10 /f >/dev/null
  WINEPREFIX="$scratch" /usr/lib/wine/wineserver -w
  grep -q '"Version"="win10"' "$scratch/user.reg" || { echo "run-win10: the version did not stick" >&2; rm -rf "$scratch"; exit 1; }
  touch "$scratch/.hueloom-win10"
  rm -rf "$win10"
  mv "$scratch" "$win10"
fi

export HUELOOM_WINEPREFIX="$win10"
exec bash "$here/scripts/run-e2e.sh" --arch "$arch" "$here/tests/win10/dark_mode_absent.hls"
