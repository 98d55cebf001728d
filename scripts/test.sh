#!/usr/bin/env bash
# Builds everything and runs every test: the portable code natively, the fuzz
# targets briefly, and the Windows program and its tests under Wine on a
# virtual display: the released 32-bit build under 32-bit Wine, or, where the
# machine runs no 32-bit program, a 64-bit build of the same sources under
# 64-bit Wine (scripts/windows-target.sh), where the tests that need a 32-bit
# program are skipped. Skipped tests are listed by name with their reason and
# counted apart. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
source scripts/wine-env.sh

log_dir=build/test-logs
mkdir -p "$log_dir"
passed=0
failed=0
skipped=0
skip_reasons=()
status=0

# skip_reasons_of <build dir> <names...>: "name: reason" for each skipped
# test, the reason being the line its script printed after "skipped: ".
skip_reasons_of() {
  local dir=$1
  shift
  local name reason
  for name in "$@"; do
    reason=$(awk -v name="$name" '
      /^[0-9]+\/[0-9]+ Testing: / { current = substr($0, index($0, "Testing: ") + 9) }
      current == name && /^skipped: / { print substr($0, 10); exit }' \
      "$dir/Testing/Temporary/LastTest.log")
    echo "$name: ${reason:-no reason printed}"
  done
}

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
  local f total names=()
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  # ctest counts a skipped test among those that did not fail.
  mapfile -t names < <(sed -nE 's/^[[:space:]]*[0-9]+ - (.*) \(Skipped\)$/\1/p' "$log")
  local reasons=()
  [ ${#names[@]} -eq 0 ] || mapfile -t reasons < <(skip_reasons_of "$dir" "${names[@]}")
  skip_reasons+=("${reasons[@]}")
  passed=$((passed + total - f - ${#names[@]}))
  failed=$((failed + f))
  skipped=$((skipped + ${#names[@]}))
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

echo "== windows build: $OSTREVIN_WINDOWS_WAY"
OSTREVIN_BUILD_DIR=$OSTREVIN_WINDOWS_BUILD bash scripts/build-windows.sh

start_wine_on_virtual_display
run_ctest wine "$OSTREVIN_WINDOWS_BUILD"
end_wine_on_virtual_display

if [ "$OSTREVIN_WINDOWS_ARCH" != i686 ]; then
  # What a school gets is still built here, though it cannot run here: a
  # fault that only the 32-bit build would meet stops the test command.
  echo "== release build (i686 mingw-w64; built, not run on this machine)"
  OSTREVIN_WINDOWS_ARCH=i686 OSTREVIN_BUILD_DIR=build/win32 \
    bash scripts/build-windows.sh ostrevin installer portable_zip
fi

if [ "$skipped" -gt 0 ]; then
  echo "skipped:"
  printf '  %s\n' "${skip_reasons[@]}"
fi
echo "ostrevin: $passed passed, $failed failed, $skipped skipped"
exit "$status"
