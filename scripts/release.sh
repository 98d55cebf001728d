#!/usr/bin/env bash
# Builds the Release ostrevin.exe and writes what a school gets into dist/:
#   ostrevin-<version>-setup.exe     the installer (per user, Russian and English)
#   ostrevin-<version>-portable.zip  the exe and a short text in Russian and English
# The version is the project version in the top CMakeLists.txt. The release
# is always the 32-bit exe, on any machine: building it runs nothing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

OSTREVIN_WINDOWS_ARCH=i686 OSTREVIN_BUILD_DIR=build/win32 bash scripts/build-windows.sh installer portable_zip

mkdir -p dist
while read -r file; do
  cp "$file" dist/
  echo "dist/$(basename "$file")  $(stat -c %s "$file") bytes  sha256 $(sha256sum "$file" | cut -d' ' -f1)"
done <build/win32/release-files.txt
