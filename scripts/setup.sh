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

apt_install() {
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# A half-synced mirror can leave the security suite's i386 index missing while its amd64
# packages are newer than the main archive's. wine32's i386 libraries must match the amd64
# ones exactly, so the install cannot be resolved. Pinning the security suite away for
# this one install takes every such library from the main archive on both architectures;
# wine64 and libwine are installed again under the same pin because resolving the first
# install may remove them.
install_without_security_suite() {
  local pref
  pref="$(mktemp "${TMPDIR:-/tmp}/hueloom-nosec.XXXXXX.pref")"
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: -1\n' > "$pref"
  chmod 644 "$pref"
  echo "setup: the install could not be resolved; retrying with the security suite pinned away (preferences: $pref)"
  local rc=0
  local i386_part=()
  if printf '%s\n' "$@" | grep -q ':i386$'; then
    i386_part=(libgstreamer-plugins-base1.0-0:i386)
  fi
  apt_install -o Dir::Etc::Preferences="$pref" "${i386_part[@]}" "$@" || rc=$?
  if [ "$rc" -eq 0 ]; then
    apt_install -o Dir::Etc::Preferences="$pref" wine64 libwine libgstreamer-plugins-base1.0-0 wine || rc=$?
  fi
  rm -f "$pref"
  if [ "$rc" -eq 0 ]; then
    echo "setup: installed from the main archive with the security suite pinned away"
  fi
  return "$rc"
}

if [ ${#need_pkgs[@]} -gt 0 ]; then
  echo "setup: installing ${need_pkgs[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  # A failed index download (a mirror in mid-sync) is not fatal: apt keeps the indexes it
  # has, and the install below says whether they were enough.
  if ! as_root apt-get update -qq; then
    echo "setup: apt-get update reported errors (a mirror in mid-sync?); going on with the package indexes that did download"
  fi
  if ! apt_install "${need_pkgs[@]}"; then
    install_without_security_suite "${need_pkgs[@]}" \
      || { echo "setup: could not install ${need_pkgs[*]}" >&2; exit 1; }
  fi
  still_missing=()
  for p in "${need_pkgs[@]}" wine64; do
    pkg_installed "$p" || still_missing+=("$p")
  done
  if [ ${#still_missing[@]} -gt 0 ]; then
    echo "setup: still missing after the install: ${still_missing[*]}" >&2
    exit 1
  fi
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
