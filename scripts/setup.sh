#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Ostrevin:
# the i386 architecture, the mingw-w64 cross compiler, Wine with wine32,
# Xvfb and the X tools the end-to-end tests use, clang's libFuzzer, GoogleTest,
# and NSIS and zip for the release.
# Quick and silent when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev libgmock-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 wine64
  xvfb xauth x11-utils xdotool imagemagick x11-apps x11-xserver-utils xcompmgr
  clang-14 libclang-rt-14-dev
  nsis zip unzip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
