#!/usr/bin/env bash
# Sets the first theming pass over the demo page (tests/bench/first_pass.hls) of this build
# against a baseline build, in alternating runs of the stand-in host, 64-bit:
#   scripts/bench-first-pass.sh [--runs N] [--baseline COMMIT | --baseline-dll FILE]
# The baseline is built from COMMIT (default: the merge base with main) into
# <build>/baseline-COMMIT, once. Prints each run's median, the medians of all passes and
# the median of the per-run ratios.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
build_root="${BUILD_ROOT:-$here/build}"

runs=4
baseline=""
baseline_dll=""
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="${2:?--runs needs a number}"; shift 2 ;;
    --baseline) baseline="${2:?--baseline needs a commit}"; shift 2 ;;
    --baseline-dll) baseline_dll="${2:?--baseline-dll needs a file}"; shift 2 ;;
    *) echo "bench-first-pass: unknown argument $1" >&2; exit 2 ;;
  esac
done

if [ -z "$baseline_dll" ]; then
  [ -n "$baseline" ] || baseline="$(git merge-base HEAD main)"
  baseline="$(git rev-parse --short "$baseline")"
  dir="$build_root/baseline-$baseline"
  baseline_dll="$dir/build/Hueloom.dll"
  if [ ! -f "$baseline_dll" ]; then
    rm -rf "$dir" && mkdir -p "$dir/src"
    git archive "$baseline" | tar -x -C "$dir/src"
    cmake -S "$dir/src" -B "$dir/build" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$dir/src/cmake/mingw-x86_64.cmake" >/dev/null
    cmake --build "$dir/build" --target Hueloom -j "$(nproc 2>/dev/null || echo 2)" >"$dir/build.log" 2>&1 \
      || { tail -n 30 "$dir/build.log" >&2; exit 1; }
  fi
fi
current_dll="$build_root/win64/Hueloom.dll"

times_of() {  # plug-in file: one pass time per line
  bash scripts/run-e2e.sh --arch 64 --plugin "$1" tests/bench/first_pass.hls | sed -n 's/^first pass us: //p'
}
median() { sort -n | awk '{ a[NR] = $1 } END { if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

all_base=() all_new=() ratios=()
for run in $(seq 1 "$runs"); do
  base="$(times_of "$baseline_dll")"
  new="$(times_of "$current_dll")"
  mb="$(printf '%s\n' $base | median)"
  mn="$(printf '%s\n' $new | median)"
  all_base+=($base)
  all_new+=($new)
  ratios+=("$(awk -v n="$mn" -v b="$mb" 'BEGIN { printf "%.3f", n / b }')")
  echo "run $run: baseline median ${mb} us, this build median ${mn} us"
done
mb="$(printf '%s\n' "${all_base[@]}" | median)"
mn="$(printf '%s\n' "${all_new[@]}" | median)"
mr="$(printf '%s\n' "${ratios[@]}" | median)"
echo "first pass over the demo page: baseline ${mb} us, this build ${mn} us (${#all_new[@]} passes each); median of the run ratios ${mr}x"
