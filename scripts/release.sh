#!/usr/bin/env bash
# Makes the release: out/release/Hueloom-VERSION.zip with the plug-in as the authoring tool
# installs it (Hueloom.nbp: the 32-bit Hueloom.dll renamed, without debug information), the
# skin checker for authors (skin_check.exe, 32-bit, likewise stripped), the skin gallery,
# the author's documentation as Markdown (with its pictures) and as one self-contained HTML
# page, the change log, an install note and SHA256SUMS.
#
# The version is the one the plug-in reports in [Skin.Version], read from
# src/common/version.h; the change log must have an entry for it, whose date stamps every
# file in the zip and the two binaries' headers (so the same sources give the same zip).
# The stripped binaries stay in <build>/win32/release beside their unstripped twins in
# <build>/win32, which keep the debug information for crash analysis.
# BUILD_ROOT chooses the build folder (default: build); HUELOOM_RELEASE_OUT the output
# folder (default: out/release). Prints the zip's path last.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
export BUILD_ROOT="${BUILD_ROOT:-$here/build}"
out="${HUELOOM_RELEASE_OUT:-$here/out/release}"

fail() { echo "release: $*" >&2; exit 1; }

version="$(bash scripts/version.sh)" || fail "no version"
release_date="$(sed -n "s/^## ${version//./\\.} (\([0-9-]*\))\$/\1/p" CHANGELOG.md | head -n 1)"
[ -n "$release_date" ] || fail "CHANGELOG.md has no entry '## $version (YYYY-MM-DD)'"
first_entry="$(sed -n 's/^## \([0-9][^ ]*\) .*/\1/p' CHANGELOG.md | head -n 1)"
[ "$first_entry" = "$version" ] ||
  fail "the newest CHANGELOG.md entry is $first_entry, but the plug-in reports $version"

command -v pandoc >/dev/null 2>&1 || fail "pandoc is missing; run scripts/setup.sh"
command -v zip >/dev/null 2>&1 || fail "zip is missing; run scripts/setup.sh"

# The product DLL and the skin checker, brought up to date (only these two are built when
# the build folder exists).
dll="$BUILD_ROOT/win32/Hueloom.dll"
checker="$BUILD_ROOT/win32/tools/skin_check/skin_check.exe"
if [ -f "$BUILD_ROOT/win32/CMakeCache.txt" ]; then
  cmake --build "$BUILD_ROOT/win32" --target Hueloom skin_check -j "$(nproc 2>/dev/null || echo 2)" >/dev/null ||
    fail "building $dll and $checker failed"
else
  HUELOOM_TARGETS=win32 bash scripts/build.sh || fail "building $dll and $checker failed"
fi
[ -f "$dll" ] || fail "$dll was not built"
[ -f "$checker" ] || fail "$checker was not built"

# Stripped copies for the zip. The linker and strip stamp the PE header with the time;
# SOURCE_DATE_EPOCH makes strip write the release date instead.
stripped="$BUILD_ROOT/win32/release"
mkdir -p "$stripped"
release_epoch="$(date -u -d "${release_date}T00:00:00Z" +%s)"
SOURCE_DATE_EPOCH="$release_epoch" i686-w64-mingw32-strip -o "$stripped/Hueloom.nbp" "$dll" ||
  fail "cannot strip $dll"
SOURCE_DATE_EPOCH="$release_epoch" i686-w64-mingw32-strip -o "$stripped/skin_check.exe" "$checker" ||
  fail "cannot strip $checker"
size_of() { stat -c %s "$1"; }
echo "release: Hueloom.nbp $(size_of "$stripped/Hueloom.nbp") bytes (Hueloom.dll with debug information: $(size_of "$dll") bytes)"
echo "release: skin_check.exe $(size_of "$stripped/skin_check.exe") bytes (with debug information: $(size_of "$checker") bytes)"

# The pages of the documentation in reading order; every Markdown file in docs/ must be
# listed, so that a new page cannot be left out of the HTML by mistake. The developers'
# pages stay out of the release.
pages=(README getting-started skin-files skin-checker host-objects actions variables windows-versions troubleshooting glossary)
developer_pages=(architecture)
for f in docs/*.md; do
  name="$(basename "$f" .md)"
  printf '%s\n' "${developer_pages[@]}" | grep -qx "$name" && continue
  printf '%s\n' "${pages[@]}" | grep -qx "$name" || fail "docs/$name.md is not in the page list of scripts/release.sh"
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
top="Hueloom-$version"
stage="$work/stage/$top"
mkdir -p "$stage/skins" "$stage/docs/images"

cp "$stripped/Hueloom.nbp" "$stripped/skin_check.exe" "$stage/"
cp skins/*.ini "$stage/skins/"
cp CHANGELOG.md "$stage/"
for page in "${pages[@]}"; do cp "docs/$page.md" "$stage/docs/"; done
# Only the pictures that a page shows.
grep -oh 'images/[A-Za-z0-9._-]*\.png' docs/*.md | sort -u | while read -r picture; do
  [ -f "docs/$picture" ] || fail "docs/$picture is shown by a page but missing (run scripts/demo.sh)"
  cp "docs/$picture" "$stage/docs/images/"
done

# One HTML page. Each Markdown file is read on its own and wrapped in a section named after
# it; the filter then makes every heading's id unique across the pages, turns links between
# the Markdown files into links inside the page, and unwraps the section again.
mkdir -p "$work/html"
for page in "${pages[@]}"; do
  { printf '::: {#page-%s .page}\n\n' "$page"; cat "docs/$page.md"; printf '\n\n:::\n'; } > "$work/html/$page.md"
done
{ printf '::: {#page-CHANGELOG .page}\n\n'; cat CHANGELOG.md; printf '\n\n:::\n'; } > "$work/html/CHANGELOG.md"
cat > "$work/links.lua" <<'LUA'
-- Inside the section of page P: heading ids become P--id, "#id" becomes "#P--id",
-- "Q.md" becomes "#page-Q" and "Q.md#id" becomes "#Q--id".
local function retarget(page, target)
  local other, anchor = target:match('^([%w_-]+)%.md#(.+)$')
  if other then return '#' .. other .. '--' .. anchor end
  other = target:match('^([%w_-]+)%.md$')
  if other then return '#page-' .. other end
  anchor = target:match('^#(.+)$')
  if anchor then return '#' .. page .. '--' .. anchor end
  return target
end

function Div(div)
  local page = div.identifier:match('^page%-(.+)$')
  if not page then return nil end
  local walked = pandoc.walk_block(div, {
    Header = function(h)
      if h.identifier ~= '' then h.identifier = page .. '--' .. h.identifier end
      return h
    end,
    Link = function(link)
      link.target = retarget(page, link.target)
      return link
    end,
  })
  -- The section itself goes, so that the table of contents sees its headings; an empty
  -- block keeps its name as the target of links to the page.
  local blocks = { pandoc.Div({}, pandoc.Attr(div.identifier)) }
  for _, block in ipairs(walked.content) do table.insert(blocks, block) end
  return blocks
end
LUA
html="$stage/Hueloom-$version.html"
# Pandoc's Markdown read the way GitHub reads it: straight quotes stay straight (the
# answers are quoted verbatim), lists may follow a line of text, and headings get
# GitHub's ids, so the links between the pages work in both.
markdown="markdown-smart+lists_without_preceding_blankline+gfm_auto_identifiers"
(cd "$work/html" && pandoc --file-scope --from "$markdown" --to html5 --standalone --self-contained \
  --resource-path="$here/docs" --lua-filter="$work/links.lua" \
  --toc --toc-depth=2 --metadata title="Hueloom $version" \
  --metadata pagetitle="Hueloom $version documentation" \
  -o "$html" "${pages[@]/%/.md}" CHANGELOG.md) || fail "pandoc could not make the HTML page"

skin_count="$(find skins -maxdepth 1 -name '*.ini' | wc -l)"
{
  printf '%s\r\n' \
    "Hueloom $version - colour themes for VisualNEO Win applications" \
    "" \
    "Installing" \
    "1. Copy Hueloom.nbp (a 32-bit plug-in) into the Plugins folder of VisualNEO Win," \
    "   or any folder you like." \
    "2. In VisualNEO Win open Setup > Plug-Ins, choose Add and pick Hueloom.nbp." \
    "3. The sixteen Hueloom_ actions now appear in the action list of the script editor," \
    "   with the Hueloom icon beside them." \
    "" \
    "Ship the skins your application uses beside it, for example in a Skins folder, and" \
    "apply one with:  Hueloom_Apply \"[PubDir]Skins\\midnight.ini\" \"\"" \
    "" \
    "Checking a skin" \
    "Drop one or more skin files (.ini) on skin_check.exe, or copy skin_check.exe into the" \
    "folder of your skins (or the one that holds their Skins folder) and double-click it." \
    "The report opens in a window; \"Save report\" writes NAME.report.txt beside each skin." \
    "" \
    "What is in this folder"
  printf '  %-22s %s\r\n' \
    "Hueloom.nbp" "the plug-in" \
    "skin_check.exe" "the skin checker" \
    "skins\\" "$skin_count skins to start from" \
    "Hueloom-$version.html" "the whole documentation in one page (open it in a browser)" \
    "docs\\" "the same documentation as Markdown pages; start with docs\\README.md" \
    "CHANGELOG.md" "what changed in each version" \
    "SHA256SUMS" "checksums of every other file (sha256sum -c SHA256SUMS)"
} > "$stage/INSTALL.txt"

(cd "$stage" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort |
  xargs -d '\n' sha256sum > SHA256SUMS)

mkdir -p "$out"
zip_path="$out/$top.zip"
rm -f "$zip_path"
find "$work/stage" -exec touch -h -d "${release_date}T00:00:00Z" {} +
(cd "$work/stage" && find "$top" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$zip_path") ||
  fail "zip could not write $zip_path"
echo "release: $(unzip -Z1 "$zip_path" | wc -l) files in $zip_path"
echo "$zip_path"
