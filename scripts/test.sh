#!/usr/bin/env bash
# Builds everything and runs every test: the portable code natively, the fuzz
# targets briefly, and the Windows program and its tests under Wine on a
# virtual display. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
source scripts/wine-env.sh

log_dir=build/test-logs
mkdir -p "$log_dir"
passed=0
failed=0
status=0

# run_ctest <label> <build dir> [ctest args...]: runs ctest, adds its counts.
run_ctest() {
  local label=$1 dir=$2
  shift 2
  echo "== $label"
  local log="$log_dir/$label.log"
  set +e
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  set -e
  [ "$rc" -eq 0 ] || status=1
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$line" ]; then
    echo "$label: ctest printed no summary" >&2
    status=1
    return
  fi
  local f total
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - f))
  failed=$((failed + f))
  [ "$f" -eq 0 ] || status=1
}

echo "== native build"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native
run_ctest native build/native -j "$(nproc)"

echo "== fuzz build (clang, libFuzzer)"
cmake -S . -B build/fuzz -G Ninja -DOSTREVIN_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz
run_ctest fuzz build/fuzz

echo "== windows build (i686 mingw-w64)"
OSTREVIN_BUILD_DIR=build/win32 bash scripts/build-windows.sh

start_wine_on_virtual_display
run_ctest wine build/win32
end_wine_on_virtual_display

echo "ostrevin: $passed passed, $failed failed"
exit "$status"
