#!/usr/bin/env bash
# Builds the program, its resource benchmark and the floor programs, and runs
# the benchmark under Wine on a virtual display (not part of scripts/test.sh):
#   1. 100 000 ticks: about 35 days of lessons on a clock that moves half a
#      minute a tick, the lesson number icon on, GDI and USER objects before
#      and after;
#   2. 10 000 times shown from the tray and hidden, without fading;
#   3. 100 000 changes of the lesson number icon's text in the real
#      notification area, each picture drawn once and kept;
#   4. the real program's loop left idle for 65 seconds: what wakes it;
#   5. the settings dialog opened, taken through its five tabs and closed
#      1 000 times, GDI and USER objects before and after;
#   6. the size of ostrevin.exe and the DLLs it imports;
#   7. ratios to plain Win32 programs of the same kind (the floors: an empty
#      window program, a window with the first settings dialog's controls,
#      and ours, a window with the controls the dialog holds today),
#      built here with the program's toolchain and flags and measured side by
#      side, alternating, the median of several rounds: a tick with the
#      number icon on against a tick with it off, the opening of the settings
#      dialog, the peak memory at idle, the memory kept after the dialog, the
#      size of the program file. Ratios, not times: these machines are noisy;
#   8. three rounds of a week of ticks on the first version's week of seven
#      lessons and a week on the largest school timetable (7 days of 16
#      lessons from 4 bell schedules): the tick cost's ratio, each kind of
#      tick's cost compared, objects before and after.
# OSTREVIN_BUILD_DIR names the build folder (build/win32 by default, build/win64
# where the machine runs no 32-bit program: scripts/windows-target.sh);
# OSTREVIN_FLOORS_DIR the floors' folder (by default shared/floors beside the
# repository or beside the folder of its work trees); OSTREVIN_BENCH_ROUNDS
# the rounds of each ratio (5 by default); OSTREVIN_BENCH_RATIOS_ONLY=1 runs
# only parts 7 and 8.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

rounds=${OSTREVIN_BENCH_ROUNDS:-5}

floors=${OSTREVIN_FLOORS_DIR:-}
if [ -z "$floors" ]; then
  for candidate in ../shared/floors ../../shared/floors; do
    if [ -f "$candidate/floor.cpp" ]; then
      floors=$(cd "$candidate" && pwd)
      break
    fi
  done
fi
[ -n "$floors" ] && [ -f "$floors/floor_dialog.cpp" ] ||
  { echo "bench: the floor programs are not found; set OSTREVIN_FLOORS_DIR" >&2; exit 1; }

bash scripts/build-windows.sh ostrevin ostrevin_bench >/dev/null
# After the build's setup: the 32-bit loader is installed by then.
source scripts/windows-target.sh
echo "bench: $OSTREVIN_WINDOWS_WAY"
build=${OSTREVIN_BUILD_DIR:-$OSTREVIN_WINDOWS_BUILD}
cmake -S . -B "$build" -DOSTREVIN_FLOORS_DIR="$floors" >/dev/null
bash scripts/build-windows.sh floor floor_dialog floor_settings_dialog >/dev/null

source scripts/wine-env.sh
start_wine_on_virtual_display

bench=$build/bench/ostrevin_bench.exe
exe=$build/src/app/ostrevin.exe
floor=$build/bench/floors/floor.exe
floor_dialog=$build/bench/floors/floor_dialog.exe
floor_settings_dialog=$build/bench/floors/floor_settings_dialog.exe

if [ "${OSTREVIN_BENCH_RATIOS_ONLY:-0}" != 1 ]; then
  echo "== 1. ticks"
  wine "$bench" ticks 100000 </dev/null
  echo "== 2. show and hide"
  wine "$bench" showhide 10000 </dev/null
  echo "== 3. lesson number pictures"
  wine "$bench" rebuilds 100000 </dev/null
  echo "== 4. idle"
  wine "$bench" idle 65 </dev/null
  echo "== 5. settings dialog"
  wine "$bench" dialog 1000 </dev/null
  echo "== 6. the program file"
  echo "ostrevin.exe: $(stat -c %s "$exe") bytes"
  "$OSTREVIN_MINGW-objdump" -p "$exe" | grep "DLL Name"
fi

# median <numbers...>
median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# ratio <a> <b>: a / b with two decimals.
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# The milliseconds an opening that a dialog run prints: "(12.3 ms an opening)".
ms_an_opening() {
  sed -n 's/.*(\([0-9.]*\) ms an opening).*/\1/p'
}

# peak_kib <folder> <program> <args...>: starts the program in the folder,
# lets it settle at idle, and prints its peak resident memory in KiB (VmHWM:
# what the system counts as its peak working set under Wine), then ends it.
peak_kib() {
  local folder=$1 program=$2 pid peak
  shift 2
  (cd "$folder" && exec wine "$program" "$@" </dev/null >/dev/null 2>&1) &
  pid=$!
  sleep 8
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$peak"
}

echo "== 7. ratios to the floors ($floors), $rounds rounds each"

wine "$bench" tickcost 5760 </dev/null

openings=40
ours=()
plain=()
alike=()
first=()
for ((round = 0; round < rounds; ++round)); do
  plain+=("$(wine "$floor_dialog" "$openings" </dev/null | ms_an_opening)")
  ours+=("$(wine "$bench" dialog "$openings" </dev/null | ms_an_opening)")
  alike+=("$(wine "$floor_settings_dialog" "$openings" </dev/null | ms_an_opening)")
  first+=("$(wine "$bench" firstpage "$openings" </dev/null | ms_an_opening)")
done
dialog_ours=$(median "${ours[@]}")
dialog_floor=$(median "${plain[@]}")
dialog_alike=$(median "${alike[@]}")
first_page=$(median "${first[@]}")
echo "dialog opening: ostrevin $dialog_ours ms, floor_dialog $dialog_floor ms" \
  "(medians of $openings openings a round): ratio $(ratio "$dialog_ours" "$dialog_floor")" \
  "(goal 1.2 at most)"
echo "dialog opening against the same controls as the dialog's today:" \
  "floor_settings_dialog $dialog_alike ms: ratio $(ratio "$dialog_ours" "$dialog_alike")" \
  "(goal 1.0 at most)"
# The dialog makes a page when its tab is first shown: what the teacher waits
# for is its first page, against the whole opening of the first dialog.
echo "dialog's first page: ostrevin $first_page ms from the opening until its first page is" \
  "painted, floor_dialog's opening $dialog_floor ms: ratio $(ratio "$first_page" "$dialog_floor")" \
  "(goal 1.0 at most)"

work=$(mktemp -d)
trap 'rm -rf "$work"; end_wine_on_virtual_display' EXIT
mkdir -p "$work/program" "$work/floor"
cp "$exe" "$work/program/ostrevin.exe"
cp "$floor" "$work/floor/floor.exe"
ours=()
plain=()
for ((round = 0; round < rounds; ++round)); do
  printf '[Common]\r\nbOfferExit=0\r\n' >"$work/program/ostrevin.INI"
  plain+=("$(peak_kib "$work/floor" floor.exe 60)")
  ours+=("$(peak_kib "$work/program" ostrevin.exe)")
done
idle_ours=$(median "${ours[@]}")
idle_floor=$(median "${plain[@]}")
echo "peak memory at idle: ostrevin.exe $idle_ours KiB, floor.exe $idle_floor KiB:" \
  "ratio $(ratio "$idle_ours" "$idle_floor") (goal 1.2 at most)"

wine "$bench" dialogmemory 20 </dev/null
# What a plain program with the same controls keeps after its first dialog.
wine "$floor_settings_dialog" 1 </dev/null | grep kept

size_ours=$(stat -c %s "$exe")
size_floor=$(stat -c %s "$floor")
echo "program file: ostrevin.exe $((size_ours / 1024)) KiB (goal 512 KiB at most)," \
  "floor.exe $((size_floor / 1024)) KiB: ratio $(ratio "$size_ours" "$size_floor")"

echo "== 8. weeks of the largest timetable"
wine "$bench" weeks 3 </dev/null
