#!/usr/bin/env bash
# The main job: builds everything, runs the stand-in host on the demo publication under
# Xvfb, prints what the plug-in registered and reports, and saves PNG screenshots.
# HUELOOM_DEMO_OUT chooses the screenshot folder (default: out/demo). A few of the
# screenshots are also copied, cropped, into docs/images under stable names, for the
# author's documentation.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
export BUILD_ROOT="${BUILD_ROOT:-$here/build}"
out="${HUELOOM_DEMO_OUT:-$here/out/demo}"

bash scripts/setup.sh
HUELOOM_TARGETS="${HUELOOM_TARGETS:-win32 win64 native}" bash scripts/build.sh
mkdir -p "$out"
# Old pictures go too, so that a screenshot the run no longer makes is noticed below.
rm -f "$out"/*.bmp "$out"/*.png

bash scripts/run-e2e.sh --arch 64 --shots "$out" demo/demo.hls

for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done

# The documentation's pictures: stable names, cropped to what each page talks about, and
# without time stamps so that an unchanged picture gives an unchanged file.
docs_images="$here/docs/images"
mkdir -p "$docs_images"
doc_image() {  # screenshot name, picture name, crop geometry
  local shot="$out/$1.png"
  if [ ! -f "$shot" ]; then
    echo "demo: screenshot $1 is missing, so docs/images/$2.png cannot be made" >&2
    return 1
  fi
  convert "$shot" -crop "$3" +repage -strip -define png:exclude-chunks=date,time "$docs_images/$2.png"
}
page=892x613+0+0          # the whole page: the controls, the host objects, the status bar
controls=590x440+0+0      # the standard controls only, down to the header and the marquee
host_objects=300x250+592+148
doc_image 02-dark dark-mode "$page"
doc_image 03-light light-mode "$page"
doc_image 04-custom-colors custom-colors "$page"
doc_image 07-overlays-dark overlays-dark "$host_objects"
doc_image 09-overlays-light overlays-light-old-colour "$host_objects"
doc_image skin-midnight skin-midnight "$controls"
doc_image skin-newsroom skin-newsroom "$controls"
doc_image skin-sandstone skin-sandstone "$controls"
doc_image skin-glacier skin-glacier "$controls"
# Light and Dark side by side, parted by a grey gap.
convert "$docs_images/light-mode.png" \( "$docs_images/dark-mode.png" -background "#808080" -splice 12x0 \) \
  +append -strip -define png:exclude-chunks=date,time "$docs_images/light-dark-pair.png"

echo
echo "demo: pictures for the documentation saved in $docs_images"
echo "demo: screenshots saved in $out:"
ls -1 "$out"/*.png 2>/dev/null | sed 's/^/  /'
