# Sourced by the scripts: one cached Wine prefix (64-bit, also runs 32-bit programs),
# an X display, and quiet Wine.
HUELOOM_CACHE="${HUELOOM_CACHE:-$HOME/.cache/hueloom}"
export WINEPREFIX="${HUELOOM_WINEPREFIX:-$HUELOOM_CACHE/wineprefix64}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
