#!/usr/bin/env bash
# Installs what building and testing Hueloom needs, registers 32-bit emulation when the
# kernel refuses i386 programs, and creates (or reuses) the Wine prefixes.
# Idempotent: when everything is in place it only checks and returns within seconds.
set -euo pipefail

HUELOOM_CACHE="${HUELOOM_CACHE:-$HOME/.cache/hueloom}"
export HUELOOM_CACHE
mkdir -p "$HUELOOM_CACHE"

need_pkgs=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

for p in g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth imagemagick \
         doctest-dev cmake make qemu-user-static binutils-mingw-w64-i686 \
         clang-14 libclang-rt-14-dev pandoc zip unzip; do
  pkg_installed "$p" || need_pkgs+=("$p")
done
if ! pkg_installed wine32:i386; then need_pkgs+=("wine32:i386"); fi

if [ ${#need_pkgs[@]} -gt 0 ]; then
  echo "setup: installing ${need_pkgs[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${need_pkgs[@]}" >/dev/null
fi

# The mingw compilers default to the win32 thread model on Debian; keep it that way.

# 32-bit programs: some kernels have i386 emulation switched off. Register qemu-i386.
can_run_i386() {
  local probe=/usr/lib/wine/wine
  [ -x "$probe" ] || return 1
  "$probe" --version >/dev/null 2>&1
}
if ! can_run_i386; then
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || true
  fi
  if [ -e /proc/sys/fs/binfmt_misc/register ] && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      | as_root tee /proc/sys/fs/binfmt_misc/register >/dev/null || true
  fi
fi
