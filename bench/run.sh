#!/usr/bin/env bash
# Builds the program and its resource benchmark and runs the benchmark under
# Wine on a virtual display (not part of scripts/test.sh):
#   1. 100 000 ticks: about 35 days of lessons on a clock that moves half a
#      minute a tick, the lesson number icon on, GDI and USER objects before
#      and after;
#   2. 10 000 times shown from the tray and hidden, without fading;
#   3. 100 000 pictures of the lesson number icon with changing texts in the
#      real notification area, each made and freed with its image list and
#      icons;
#   4. the real program's loop left idle for 65 seconds: what wakes it;
#   5. the settings dialog opened, taken through its four tabs and closed
#      1 000 times, GDI and USER objects before and after;
#   6. the size of ostrevin.exe and the DLLs it imports;
#   7. three rounds of a week of ticks on the first version's week of seven
#      lessons and a week on the largest school timetable (7 days of 16
#      lessons from 4 bell schedules): the tick cost's ratio, each kind of
#      tick's cost compared, objects before and after.
# OSTREVIN_BUILD_DIR names the build folder (build/win32 by default).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${OSTREVIN_BUILD_DIR:-build/win32}
bash scripts/build-windows.sh ostrevin ostrevin_bench

source scripts/wine-env.sh
start_wine_on_virtual_display

bench=$build/bench/ostrevin_bench.exe
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
echo "== 7. weeks of the largest timetable"
wine "$bench" weeks 3 </dev/null
end_wine_on_virtual_display

echo "== 6. the program file"
exe=$build/src/app/ostrevin.exe
echo "ostrevin.exe: $(stat -c %s "$exe") bytes"
i686-w64-mingw32-objdump -p "$exe" | grep "DLL Name"
