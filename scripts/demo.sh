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
doc_image skin-paper skin-paper "$controls"
doc_image skin-high-contrast skin-high-contrast "$controls"
doc_image skin-deep-lagoon skin-deep-lagoon "$controls"

# Pictures set side by side, scaled to fit a page: Light beside Dark, and Auto as Windows
# asks for dark and then for light.
side_by_side() {  # picture name, then the screenshots from left to right
  local name="$1"; shift
  local shots=()
  for shot in "$@"; do
    if [ ! -f "$out/$shot.png" ]; then
      echo "demo: screenshot $shot is missing, so docs/images/$name.png cannot be made" >&2
      return 1
    fi
    shots+=("(" "$out/$shot.png" -crop "$page" +repage ")")
  done
  convert "${shots[@]}" -background white -splice 12x0 +append -chop 12x0 -resize 60% \
    -strip -define png:exclude-chunks=date,time "$docs_images/$name.png"
}
side_by_side light-dark-pair 03-light 02-dark
side_by_side auto-mode 10-auto-windows-dark 11-auto-windows-light

echo
echo "demo: pictures for the documentation saved in $docs_images"
echo "demo: screenshots saved in $out:"
ls -1 "$out"/*.png 2>/dev/null | sed 's/^/  /'
