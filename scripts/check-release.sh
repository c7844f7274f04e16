#!/usr/bin/env bash
# Builds the release zip (scripts/release.sh) into a scratch folder, unpacks it and checks:
# exactly the expected files, SHA256SUMS verifies and covers every other file, the Markdown
# pages and skins are those of the repository, the HTML page is self-contained (pictures as
# data: URIs, no outside or relative references, every in-page link has its target, every
# page and picture is in it), Hueloom.nbp is the 32-bit product with its eight exports and
# the module name Hueloom.dll, without debug information, with a version resource of the
# reported version and an icon, and is exactly the build's Hueloom.dll stripped, and
# skin_check.exe is a 32-bit GUI program, likewise stripped and versioned. A second run of
# the release script must give the same zip, byte for byte.
# Then it spoils copies of the unpacked release in several ways and makes sure that each is
# caught by the check meant for it, so that the checks themselves are known to work.
# BUILD_ROOT chooses the build folder (default: build).
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here" || exit 1
export BUILD_ROOT="$(realpath -m "${BUILD_ROOT:-$here/build}")"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The authors' pages: every Markdown file in docs/ but the developers' ones.
author_pages=()
for f in docs/*.md; do [ "$f" = docs/architecture.md ] || author_pages+=("$f"); done

version="$(bash scripts/version.sh)" || { echo "check-release: FAILED: no version"; exit 1; }
top="Hueloom-$version"

# ---- the checks, on an unpacked release in $1; each problem is printed, the count returned
problems=0
problem() { echo "check-release: FAILED: $*"; problems=$((problems + 1)); }
oneline() { tr '\n' ' ' <<< "$1"; }

check_files() {
  local root="$1" expected actual
  expected="$scratch/expected.txt"; actual="$scratch/actual.txt"
  {
    printf '%s\n' "$top/Hueloom.nbp" "$top/skin_check.exe" "$top/INSTALL.txt" "$top/CHANGELOG.md" \
      "$top/SHA256SUMS" "$top/$top.html"
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

check_binaries() {
  local plugin="$1/$top/Hueloom.nbp" checker="$1/$top/skin_check.exe" output
  if [ ! -f "$plugin" ]; then
    problem "Hueloom.nbp is missing"
  else
    if ! output="$("$BUILD_ROOT/native/export_table_check" "$plugin" 2>&1)"; then
      problem "Hueloom.nbp is not the 32-bit product with its eight exports: $(echo "$output" | grep -i fail | head -n 5 | tr '\n' ' ')"
    fi
    if ! output="$("$BUILD_ROOT/native/release_binary_check" plugin "$plugin" "$version" 2>&1)"; then
      problem "Hueloom.nbp: $(echo "$output" | grep -i fail | head -n 5 | tr '\n' ' ')"
    fi
    # The unstripped twin in the build folder serves crash analysis only if it is the same build.
    SOURCE_DATE_EPOCH="$release_epoch" i686-w64-mingw32-strip -o "$scratch/twin.nbp" "$BUILD_ROOT/win32/Hueloom.dll" &&
      cmp -s "$plugin" "$scratch/twin.nbp" ||
      problem "Hueloom.nbp is not $BUILD_ROOT/win32/Hueloom.dll stripped"
  fi
  if [ ! -f "$checker" ]; then
    problem "skin_check.exe is missing"
  elif ! output="$("$BUILD_ROOT/native/release_binary_check" checker "$checker" "$version" 2>&1)"; then
    problem "skin_check.exe: $(echo "$output" | grep -i fail | head -n 5 | tr '\n' ' ')"
  fi
}

check_release() {
  problems=0
  check_files "$1"; check_sums "$1"; check_html "$1"; check_binaries "$1"
  return "$problems"
}

# ---- build and check the real zip
release_date="$(sed -n "s/^## ${version//./\\.} (\([0-9-]*\))\$/\1/p" CHANGELOG.md | head -n 1)"
release_epoch="$(date -u -d "${release_date:-1970-01-01}T00:00:00Z" +%s)"
{ [ -x "$BUILD_ROOT/native/export_table_check" ] && [ -x "$BUILD_ROOT/native/release_binary_check" ]; } ||
  HUELOOM_TARGETS=native bash scripts/build.sh ||
  { echo "check-release: FAILED: cannot build export_table_check and release_binary_check"; exit 1; }
if ! zip_path="$(HUELOOM_RELEASE_OUT="$scratch/out" bash scripts/release.sh | tail -n 1)"; then
  echo "check-release: FAILED: scripts/release.sh failed"; exit 1
fi
# The same sources give the same zip.
if ! again="$(HUELOOM_RELEASE_OUT="$scratch/again" bash scripts/release.sh | tail -n 1)" || ! cmp -s "$zip_path" "$again"; then
  echo "check-release: FAILED: a second run of scripts/release.sh gave a different zip"; exit 1
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
# Writes bytes (printf escapes) at an offset counted from the PE header ("pe+4").
patch_bytes() {
  local file="$1" where="$2" bytes="$3" pe
  pe="$(od -An -tu4 -j 60 -N 4 "$file" | tr -d ' ')"
  printf "$bytes" | dd of="$file" bs=1 seek=$((pe + ${where#pe+})) conv=notrunc status=none
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
spoil "a damaged plug-in" "not the 32-bit product" resum sh -c 'head -c 4096 Hueloom.nbp > cut && mv cut Hueloom.nbp'
spoil "the plug-in as Hueloom.dll" "files missing from the zip: $top/Hueloom.nbp" resum mv Hueloom.nbp Hueloom.dll
spoil "a plug-in with debug information" "no debug sections" resum cp "$BUILD_ROOT/win32/Hueloom.dll" Hueloom.nbp
spoil "a plug-in for 64-bit Windows" "machine is i386" resum patch_bytes Hueloom.nbp pe+4 '\x64\x86'
spoil "another module name in the export directory" "module name is Hueloom.dll" resum \
  perl -0777 -pi -e 's/Hueloom\.dll\x00/Hueloom.nbp\x00/' Hueloom.nbp
spoil "another file version" "file version 1\.[0-9.]*\.1, expected" resum \
  perl -0777 -pi -e 's/(\xBD\x04\xEF\xFE.{8})\x00\x00/${1}\x01\x00/s' Hueloom.nbp
spoil "a plug-in without a 32 x 32 icon" "a 32 x 32 image" resum \
  perl -0777 -pi -e 's/\x00\x00\x01\x00\x02\x00\x20\x20/\x00\x00\x01\x00\x02\x00\x30\x30/' Hueloom.nbp
spoil "a console skin checker" "opens no console" resum patch_bytes skin_check.exe pe+92 '\x03'
spoil "no skin checker" "skin_check.exe is missing" resum rm skin_check.exe
echo "check-release: ok"
