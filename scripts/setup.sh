#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Ostrevin:
# the i386 architecture, the mingw-w64 cross compilers (i686 for the release
# and for machines that run 32-bit programs, x86-64 for those that run none),
# Wine with wine32 and wine64,
# Xvfb and the X tools the end-to-end tests use, clang's libFuzzer, GoogleTest,
# NSIS and zip for the release, and chrony and faketime, whose NTP server the
# time server test starts on loopback (the package's own service is never
# started: it would set this machine's clock).
# Quick and silent when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev libgmock-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xauth x11-utils xdotool imagemagick x11-apps x11-xserver-utils xcompmgr
  clang-14 libclang-rt-14-dev
  nsis zip unzip
  chrony faketime
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
# No package may start a service while it is installed (chrony's would steer
# the system clock): a policy that refuses every start, for the install only,
# where the machine has none of its own.
policy=/usr/sbin/policy-rc.d
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | "${sudo_cmd[@]}" tee "$policy" >/dev/null
  "${sudo_cmd[@]}" chmod 755 "$policy"
  trap '"${sudo_cmd[@]}" rm -f "$policy"' EXIT
fi
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
# Nor at the next boot: only the tests run chronyd, with -x.
if [[ " ${missing[*]} " == *" chrony "* ]] && command -v systemctl >/dev/null; then
  "${sudo_cmd[@]}" systemctl disable --quiet chrony.service 2>/dev/null || true
fi
