#!/usr/bin/env bash
# Builds the release zip (scripts/release.sh) into a scratch folder, unpacks it and checks:
# exactly the expected files, SHA256SUMS verifies and covers every other file, the Markdown
# pages and skins are those of the repository, the HTML page is self-contained (pictures as
# data: URIs, no outside or relative references, every in-page link has its target, every
# page and picture is in it), and the DLL is the 32-bit product with its eight exports.
# Then it spoils copies of the unpacked release in six ways and makes sure that each is
# caught by the check meant for it, so that the checks themselves are known to work.
# BUILD_ROOT chooses the build folder (default: build).
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here" || exit 1
export BUILD_ROOT="${BUILD_ROOT:-$here/build}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The authors' pages: every Markdown file in docs/ but the developers' ones.
author_pages=()
for f in docs/*.md; do [ "$f" = docs/architecture.md ] || author_pages+=("$f"); done

version="$(sed -n 's/^#define HUELOOM_VERSION_\(MAJOR\|MINOR\|PATCH\) \([0-9]*\).*/\2/p' src/common/version.h | paste -sd.)"
top="Hueloom-$version"

# ---- the checks, on an unpacked release in $1; each problem is printed, the count returned
problems=0
problem() { echo "check-release: FAILED: $*"; problems=$((problems + 1)); }
oneline() { tr '\n' ' ' <<< "$1"; }

check_files() {
  local root="$1" expected actual
  expected="$scratch/expected.txt"; actual="$scratch/actual.txt"
  {
    printf '%s\n' "$top/Hueloom.dll" "$top/INSTALL.txt" "$top/CHANGELOG.md" "$top/SHA256SUMS" \
      "$top/$top.html"
    for f in skins/*.ini "${author_pages[@]}"; do echo "$top/$f"; done
    grep -oh 'images/[A-Za-z0-9._-]*\.png' "${author_pages[@]}" | sort -u | sed "s|^|$top/docs/|"
  } | LC_ALL=C sort > "$expected"
  (cd "$root" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort) > "$actual"
  local missing unexpected
  missing="$(LC_ALL=C comm -23 "$expected" "$actual")"
  unexpected="$(LC_ALL=C comm -13 "$expected" "$actual")"
  [ -z "$missing" ] || problem "files missing from the zip: $(oneline "$missing")"
  [ -z "$unexpected" ] || problem "unexpected files in the zip: $(oneline "$unexpected")"
  for f in skins/*.ini "${author_pages[@]}" docs/images/*.png CHANGELOG.md; do
    [ -f "$root/$top/$f" ] || continue
    cmp -s "$f" "$root/$top/$f" || problem "$top/$f differs from $f in the repository"
  done
  grep -q "^## $version (" "$root/$top/CHANGELOG.md" 2>/dev/null ||
    problem "the change log in the zip has no entry for $version"
}

check_sums() {
  local release="$1/$top"
  [ -f "$release/SHA256SUMS" ] || { problem "SHA256SUMS is missing"; return; }
  local output
  if ! output="$(cd "$release" && sha256sum -c --strict SHA256SUMS 2>&1)"; then
    problem "sha256sum -c SHA256SUMS does not verify: $(echo "$output" | grep -v ': OK$' | head -n 5 | tr '\n' ' ')"
  fi
  local listed present
  listed="$(sed 's/^[0-9a-f]\{64\}  //' "$release/SHA256SUMS" | LC_ALL=C sort)"
  present="$(cd "$release" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort)"
  [ "$listed" = "$present" ] ||
    problem "SHA256SUMS does not list exactly the other files: $(diff <(echo "$listed") <(echo "$present") | grep '^[<>]' | tr '\n' ' ')"
}

check_html() {
  local html="$1/$top/$top.html"
  [ -f "$html" ] || { problem "the HTML page $top.html is missing"; return; }
  local bad
  bad="$(grep -o 'src="[^"]*' "$html" | grep -v '^src="data:' | cut -c1-60 | sort -u)"
  [ -z "$bad" ] || problem "the HTML page loads something from outside itself: $(oneline "$bad")"
  bad="$(grep -o '<link[^>]*href=[^>]*>' "$html" | sort -u)"
  [ -z "$bad" ] || problem "the HTML page links a style sheet or other file: $(oneline "$bad")"
  bad="$(grep -o 'url([^)]*)' "$html" | grep -v '^url(data:' | grep -v "^url(['\"]data:" | sort -u)"
  [ -z "$bad" ] || problem "the HTML page's style refers to files: $(oneline "$bad")"
  bad="$(grep -o 'href="[^"#][^"]*"' "$html" | grep -v '^href="https\?://' | sort -u)"
  [ -z "$bad" ] || problem "the HTML page has links to files: $(oneline "$bad")"
  local target missing_targets=""
  for target in $(grep -o 'href="#[^"]*"' "$html" | sed 's/^href="#//; s/"$//' | sort -u); do
    grep -q "id=\"$target\"" "$html" || missing_targets+=" #$target"
  done
  [ -z "$missing_targets" ] || problem "in-page links without a target:$missing_targets"
  local page
  for page in "${author_pages[@]}"; do
    page="$(basename "$page" .md)"
    grep -q "id=\"page-$page\"" "$html" || problem "the HTML page lacks the page $page"
  done
  local images embedded
  images="$(grep -o '](images/[^)]*)' "${author_pages[@]}" | wc -l)"
  embedded="$(grep -o '<img [^>]*src="data:image/png;base64,' "$html" | wc -l)"
  [ "$images" -eq "$embedded" ] ||
    problem "the pages show $images pictures, the HTML page embeds $embedded"
}

check_dll() {
  local dll="$1/$top/Hueloom.dll"
  [ -f "$dll" ] || { problem "Hueloom.dll is missing"; return; }
  local output
  if ! output="$("$BUILD_ROOT/native/export_table_check" "$dll" 2>&1)"; then
    problem "Hueloom.dll is not the 32-bit product with its eight exports: $(echo "$output" | grep -i fail | head -n 5 | tr '\n' ' ')"
  fi
  cmp -s "$dll" "$BUILD_ROOT/win32/Hueloom.dll" || problem "Hueloom.dll differs from $BUILD_ROOT/win32/Hueloom.dll"
}

check_release() {
  problems=0
  check_files "$1"; check_sums "$1"; check_html "$1"; check_dll "$1"
  return "$problems"
}

# ---- build and check the real zip
[ -x "$BUILD_ROOT/native/export_table_check" ] || HUELOOM_TARGETS=native bash scripts/build.sh ||
  { echo "check-release: FAILED: cannot build export_table_check"; exit 1; }
if ! zip_path="$(HUELOOM_RELEASE_OUT="$scratch/out" bash scripts/release.sh | tail -n 1)"; then
  echo "check-release: FAILED: scripts/release.sh failed"; exit 1
fi
[ "$(basename "$zip_path")" = "$top.zip" ] ||
  { echo "check-release: FAILED: the zip is $(basename "$zip_path"), expected $top.zip (the version in the source)"; exit 1; }
mkdir -p "$scratch/unpacked"
unzip -q "$zip_path" -d "$scratch/unpacked" || { echo "check-release: FAILED: cannot unpack $zip_path"; exit 1; }

check_release "$scratch/unpacked"
found=$?
if [ "$found" -ne 0 ]; then
  echo "check-release: $found problem(s) in $top.zip"
  exit 1
fi
echo "check-release: $top.zip: $(find "$scratch/unpacked" -type f | wc -l) files, all checks passed"

# ---- the checks must catch a spoiled release, each by the check meant for it: the copy's
# SHA256SUMS is made afresh after spoiling (as whoever spoiled it could), except where the
# sums themselves are under test.
resum() {
  find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs -d '\n' sha256sum > SHA256SUMS
}
spoil() {  # description, expected message, "resum" or "keep", command run inside the copy
  local what="$1" expected="$2" sums="$3"; shift 3
  rm -rf "$scratch/spoiled"
  cp -a "$scratch/unpacked" "$scratch/spoiled"
  (cd "$scratch/spoiled/$top" && "$@" && if [ "$sums" = resum ]; then resum; fi) ||
    { echo "check-release: FAILED: could not spoil the copy ($what)"; exit 1; }
  if check_release "$scratch/spoiled" > "$scratch/spoiled.log"; then
    echo "check-release: FAILED: a release with $what passed the checks"; exit 1
  fi
  grep -q "$expected" "$scratch/spoiled.log" ||
    { echo "check-release: FAILED: $what was not reported as '$expected':"; cat "$scratch/spoiled.log"; exit 1; }
  echo "check-release: caught $what"
}
spoil "a file changed after the sums were made" "does not verify" keep sh -c 'echo more >> INSTALL.txt'
spoil "an unexpected file" "unexpected files in the zip: $top/notes.txt" resum sh -c 'echo note > notes.txt'
spoil "a skin that is not the repository's" "differs from skins/midnight.ini" resum sh -c 'echo ";" >> skins/midnight.ini'
spoil "a picture by relative path" "loads something from outside itself" resum \
  sed -i '0,/src="data:/s//src="docs\/images\/x.png" data-was="data:/' "$top.html"
spoil "a link without its target" "in-page links without a target: #actions--hueloom_setmode" resum \
  sed -i 's/id="actions--hueloom_setmode"/id="elsewhere"/' "$top.html"
spoil "a damaged DLL" "not the 32-bit product" resum sh -c 'head -c 4096 Hueloom.dll > cut.dll && mv cut.dll Hueloom.dll'
echo "check-release: ok"
