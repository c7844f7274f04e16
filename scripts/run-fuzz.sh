#!/usr/bin/env bash
# Builds the libFuzzer targets of the pure readers (clang-14, ASan + UBSan) and runs them.
#   --short        bounded runs for the test command (default)
#   --long SECONDS time-boxed run of each target, for hunting; new inputs are kept in
#                  a scratch corpus outside the repository (printed at the end)
# Findings go into tests/fuzz/regressions/<target>/ once fixed; they are replayed on every run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_ROOT:-$here/build}/fuzz"
mode="${1:---short}"
seconds="${2:-600}"
runs="${HUELOOM_FUZZ_RUNS:-400000}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUELOOM_FUZZ=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target fuzz_color fuzz_numbers fuzz_ini fuzz_class_rules > "$build/build.log" 2>&1 \
  || { tail -n 40 "$build/build.log"; exit 1; }

scratch="$(mktemp -d "${TMPDIR:-/tmp}/hueloom-fuzz.XXXXXX")"
status=0
for target in color numbers ini class_rules; do
  mkdir -p "$scratch/$target"
  dirs=("$scratch/$target" "$here/tests/fuzz/corpus/$target")
  [ -d "$here/tests/fuzz/regressions/$target" ] && dirs+=("$here/tests/fuzz/regressions/$target")
  if [ "$mode" = --long ]; then
    limit=(-max_total_time="$seconds")
  else
    limit=(-runs="$runs" -max_total_time=50)
  fi
  started=$SECONDS
  if "$build/tests/fuzz/fuzz_$target" "${limit[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$scratch/$target-" "${dirs[@]}" > "$scratch/$target.log" 2>&1; then
    echo "fuzz_$target: ok ($(grep -Eo 'Done [0-9]+ runs' "$scratch/$target.log" | tail -1), $((SECONDS - started)) s)"
  else
    status=1
    echo "fuzz_$target: FAILED"; tail -n 30 "$scratch/$target.log"
    ls "$scratch/$target-"* 2>/dev/null | sed 's/^/  finding: /'
  fi
done
if [ "$mode" = --long ]; then
  echo "new inputs kept in $scratch"
else
  rm -rf "$scratch"
fi
exit $status
