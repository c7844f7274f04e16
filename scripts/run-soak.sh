#!/usr/bin/env bash
# Generates a seeded soak and runs it through the stand-in host:
#   scripts/run-soak.sh [--seed N] [--actions N] [--arch 64|32] [--with-e2e] [--keep]
#                       [--plugin DLL] [--reader sdk|copy|address|cdecl] [--inject PER_MILLE]
# Without --seed a random seed is drawn; either way it is printed first, and the same seed
# and action count replay the same soak. The script and its skin files go to a scratch
# folder under the build folder (kept with --keep, else removed when the soak passes).
# --with-e2e runs every end-to-end script and the soak in one host process (for the slow
# 32-bit start): smoke32 first on the 32-bit build, then the others, the soak, and last the
# scripts that free the plug-in.
# --inject runs the soak in one process with the plug-in's code linked in (fault_soak.exe,
# 64-bit), the host reaching it through its eight entry points, while that many calls in
# 1000 of those that need resources fail at random (seeded by the soak's seed).
# Exits with the host's exit code (0 passed, 1 assertion failed, 2 script error,
# 4 crashed, 5 hung).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_root="${BUILD_ROOT:-$here/build}"

seed=""
actions=10000
arch=64
keep=0
with_e2e=0
inject=""
plugin_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seed) seed="${2:?--seed needs a number}"; shift 2 ;;
    --actions) actions="${2:?--actions needs a number}"; shift 2 ;;
    --arch) arch="${2:?--arch needs 64 or 32}"; shift 2 ;;
    --keep) keep=1; shift ;;
    --with-e2e) with_e2e=1; shift ;;
    --plugin) plugin_args+=(--plugin "${2:?--plugin needs a DLL}"); shift 2 ;;
    --reader) plugin_args+=(--reader "${2:?--reader needs sdk, copy, address or cdecl}"); shift 2 ;;
    --inject) inject="${2:?--inject needs a number of calls in 1000}"; shift 2 ;;
    -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run-soak: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ -n "$seed" ] || seed=$(( (RANDOM << 15 | RANDOM) ))
case "$seed$actions$inject" in *[!0-9]*) echo "run-soak: --seed, --actions and --inject take whole numbers" >&2; exit 2 ;; esac
if [ -n "$inject" ] && { [ "$arch" != 64 ] || [ "$with_e2e" = 1 ] || [ ${#plugin_args[@]} -gt 0 ]; }; then
  echo "run-soak: --inject runs the 64-bit plug-in linked into fault_soak.exe, without other scripts" >&2; exit 2
fi

generator="$build_root/native/tools/soak/soak_gen"
[ -x "$generator" ] || { echo "run-soak: $generator is missing; build with scripts/build.sh first" >&2; exit 2; }

if [ -n "$inject" ]; then
  echo "run-soak: seed $seed, $actions actions, $inject in 1000 calls failing (replay: scripts/run-soak.sh --seed $seed --actions $actions --inject $inject)"
else
  echo "run-soak: seed $seed, $actions actions, $arch-bit (replay: scripts/run-soak.sh --seed $seed --actions $actions --arch $arch)"
fi
out="$build_root/soak/seed-$seed"
rm -rf "$out"
mkdir -p "$out"
"$generator" --seed "$seed" --actions "$actions" --out "$out" --gallery "$here/skins"

scripts=("$out/soak_$seed.hls")
if [ "$with_e2e" = 1 ]; then
  first=()
  middle=()
  last=()
  for f in "$here"/tests/e2e/*.hls; do
    case "$f" in
      *smoke32*) [ "$arch" = 32 ] && first+=("$f") ;;
      *load_as_nbp*) ;;  # needs the plug-in under the name Hueloom.nbp
      *) if grep -qi '^[[:space:]]*FreePlugin' "$f"; then last+=("$f"); else middle+=("$f"); fi ;;
    esac
  done
  scripts=("${first[@]}" "${middle[@]}" "$out/soak_$seed.hls" "${last[@]}")
  echo "run-soak: ${#scripts[@]} scripts in one host process"
fi

started=$SECONDS
set +e
if [ -n "$inject" ]; then
  driver="$build_root/win64/tests/fault_soak/fault_soak.exe"
  [ -f "$driver" ] || { echo "run-soak: $driver is missing; build with scripts/build.sh first" >&2; exit 2; }
  # shellcheck source=wine-env.sh
  source "$here/scripts/wine-env.sh"
  script="$(realpath -m "$out/soak_$seed.hls")"
  xvfb-run -a -s "-screen 0 1280x1024x24" "$WINE64" "$driver" --seed "$seed" --per-mille "$inject" \
    "Z:${script//\//\\}" > "$out/host.log" 2>&1
else
  bash "$here/scripts/run-e2e.sh" --arch "$arch" "${plugin_args[@]}" "${scripts[@]}" > "$out/host.log" 2>&1
fi
status=$?
set -e
# The assertions pass by the thousand: show what matters. The progress lines (one per 500
# actions) would push a long run's closing figures out of the listing: only the last shows.
grep -E '^(soak:|host:|fault-soak:|.*FAILED|.*error|.*fault|    (actual|expected|not expected|to contain):)' "$out/host.log" |
  grep -v '^host: screenshot' | grep -Ev '^soak: [0-9]+ actions[[:space:]]*$' | head -n 80
grep -E '^soak: [0-9]+ actions[[:space:]]*$' "$out/host.log" | tail -n 1 || true
echo "run-soak: seed $seed finished in $((SECONDS - started)) s with exit code $status"
if [ "$status" -eq 0 ] && [ "$keep" = 0 ]; then
  rm -rf "$out"
else
  echo "run-soak: script, skins and full log kept in $out"
fi
exit "$status"
