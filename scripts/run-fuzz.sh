#!/usr/bin/env bash
# Builds the libFuzzer targets of the pure readers (clang-14, ASan + UBSan) and runs them.
#   --short        bounded runs for the test command (default)
#   --long SECONDS time-boxed run of each target, for hunting; new inputs are kept in
#                  a scratch corpus outside the repository (printed at the end)
#   --runs N       each target until it has run N inputs, however long that takes (the
#                  recorded long runs); new inputs are kept as with --long
# Targets run one after the other. HUELOOM_FUZZ_SEED fixes libFuzzer's seed (else it draws
# one and prints it); each target's seed and figures are printed.
# Findings go into tests/fuzz/regressions/<target>/ once fixed; they are replayed on every run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_ROOT:-$here/build}/fuzz"
mode="${1:---short}"
seconds="${2:-600}"
runs="${HUELOOM_FUZZ_RUNS:-400000}"
case "$mode" in
  --short|--long) ;;
  --runs) runs="${2:?--runs needs a number of inputs}" ;;
  *) echo "run-fuzz: unknown mode $mode (--short, --long SECONDS or --runs N)" >&2; exit 2 ;;
esac
seed_args=()
[ -n "${HUELOOM_FUZZ_SEED:-}" ] && seed_args=(-seed="$HUELOOM_FUZZ_SEED")

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
  elif [ "$mode" = --runs ]; then
    limit=(-runs="$runs")
  else
    limit=(-runs="$runs" -max_total_time=50)
  fi
  started=$SECONDS
  if "$build/tests/fuzz/fuzz_$target" "${limit[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$scratch/$target-" "${seed_args[@]}" "${dirs[@]}" > "$scratch/$target.log" 2>&1; then
    echo "fuzz_$target: ok ($(grep -Eo 'Done [0-9]+ runs' "$scratch/$target.log" | tail -1), $((SECONDS - started)) s," \
         "$(grep -Eo 'Seed: [0-9]+' "$scratch/$target.log" | head -1 | tr 'S' 's'), $(grep -Eo 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' "$scratch/$target.log" | tail -1))"
  else
    status=1
    echo "fuzz_$target: FAILED"; tail -n 30 "$scratch/$target.log"
    ls "$scratch/$target-"* 2>/dev/null | sed 's/^/  finding: /'
  fi
done
if [ "$mode" != --short ]; then
  echo "new inputs kept in $scratch"
else
  rm -rf "$scratch"
fi
exit $status
