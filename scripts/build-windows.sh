#!/usr/bin/env bash
# Installs what the machine lacks and builds the Windows side (i686 mingw-w64,
# Release) in build/win32, or in OSTREVIN_BUILD_DIR when set.
# Usage: build-windows.sh [target...]   (no target: everything)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${OSTREVIN_BUILD_DIR:-build/win32}
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja --toolchain cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" "${targets[@]}"
