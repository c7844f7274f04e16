#!/usr/bin/env bash
# The main job: builds everything, runs the stand-in host on the demo publication under
# Xvfb, prints what the plug-in registered and reports, and saves PNG screenshots.
# HUELOOM_DEMO_OUT chooses the screenshot folder (default: out/demo).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
export BUILD_ROOT="${BUILD_ROOT:-$here/build}"
out="${HUELOOM_DEMO_OUT:-$here/out/demo}"

bash scripts/setup.sh
HUELOOM_TARGETS="${HUELOOM_TARGETS:-win32 win64 native}" bash scripts/build.sh
mkdir -p "$out"
rm -f "$out"/*.bmp

bash scripts/run-e2e.sh --arch 64 --shots "$out" demo/demo.hls

for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo
echo "demo: screenshots saved in $out:"
ls -1 "$out"/*.png 2>/dev/null | sed 's/^/  /'
