#!/usr/bin/env bash
# Builds the 32-bit product, its 64-bit twin and the native unit tests.
# BUILD_ROOT chooses the build folder (default: build); HUELOOM_TARGETS limits the
# configurations ("win32 win64 native").
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_root="${BUILD_ROOT:-$here/build}"
targets="${HUELOOM_TARGETS:-win32 win64 native}"
jobs="$(nproc 2>/dev/null || echo 2)"

configure_and_build() {
  local name="$1"; shift
  local dir="$build_root/$name"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  fi
  if ! cmake --build "$dir" -j "$jobs" > "$dir/build.log" 2>&1; then
    grep -v -E '^\[ *[0-9]+%\]' "$dir/build.log" | tail -n 60 >&2
    echo "build: $name failed (full log: $dir/build.log)" >&2
    return 1
  fi
  # The compilers stop at a warning (-Werror); this catches the linker's and windres's.
  if grep -q -E 'warning:' "$dir/build.log"; then
    grep -E 'warning:' "$dir/build.log" | sort -u | head -n 20 >&2
    echo "build: $name has warnings (full log: $dir/build.log)" >&2
    return 1
  fi
}

for t in $targets; do
  case "$t" in
    win32) configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" ;;
    win64) configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-x86_64.cmake" ;;
    native) configure_and_build native ;;
    *) echo "build: unknown target $t" >&2; exit 2 ;;
  esac
done
