#!/usr/bin/env bash
# Runs the scale tests (scale_tests.exe) whole at 125, 150 and 200 % screen
# scaling, each in a Wine process of its own started after the scaling was
# set, on a Wine desktop of 2560 x 1600 that holds every window at its full
# scale; the test command runs them at 100 % with the other Wine tests. Then
# the settings dialog's tests on the small screens of school laptops, where
# the dialog must fit: 1024 x 768 at 125 % (it fits at that scale) and at
# 150 % (it does not: it is drawn at the largest scale that fits). The
# scaling the Wine prefix had is put back at the end.
#
# Usage: scale_at_every_dpi.sh <path of scale_tests.exe>
set -euo pipefail
exe=$1
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/tests/support/screen_scaling.sh"
log=$(mktemp)
trap 'restore_screen_scaling; rm -f "$log"' EXIT

# run_on_desktop <name> <size> [gtest arguments...]: the tests on a Wine
# desktop of that size, which tells no exit code: the output does.
run_on_desktop() {
  local name=$1 size=$2
  shift 2
  wine explorer "/desktop=ostrevin-scale-$name,$size" "$exe" --gtest_brief=1 "$@" </dev/null \
    >"$log" 2>&1 || true
  cat "$log"
  grep -q '^\[  PASSED  \]' "$log" && ! grep -q '^\[  FAILED  \]' "$log"
}

status=0
for dpi in 120 144 192; do
  set_screen_scaling "$dpi"
  echo "== $dpi DPI"
  if ! run_on_desktop large 2560x1600; then
    echo "FAIL: the scale tests at $dpi DPI" >&2
    status=1
  fi
done
for dpi in 120 144; do
  set_screen_scaling "$dpi"
  echo "== $dpi DPI on 1024 x 768"
  if ! run_on_desktop small 1024x768 --gtest_filter='ScaledDialogTest.*LargestScale*'; then
    echo "FAIL: the settings dialog on 1024 x 768 at $dpi DPI" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "PASS: the windows at 125, 150 and 200 %, and the dialog on a small screen"
exit "$status"
