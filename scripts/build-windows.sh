#!/usr/bin/env bash
# Installs what the machine lacks and builds the Windows side (mingw-w64,
# Release): for i686 in build/win32, or, where the machine runs no 32-bit
# program, for x86-64 in build/win64 (scripts/windows-target.sh); in
# OSTREVIN_BUILD_DIR when set.
# Usage: build-windows.sh [target...]   (no target: everything)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
source scripts/windows-target.sh
build=${OSTREVIN_BUILD_DIR:-$OSTREVIN_WINDOWS_BUILD}
cmake -S . -B "$build" -G Ninja --toolchain "$OSTREVIN_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" "${targets[@]}"
