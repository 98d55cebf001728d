#!/usr/bin/env bash
# Runs the scale tests (scale_tests.exe) whole at 125, 150 and 200 % screen
# scaling, each in a Wine process of its own started after the scaling was
# set; the test command runs them at 100 % with the other Wine tests. The
# scaling the Wine prefix had is put back at the end.
#
# Usage: scale_at_every_dpi.sh <path of scale_tests.exe>
set -euo pipefail
exe=$1
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/tests/support/screen_scaling.sh"
trap restore_screen_scaling EXIT

status=0
for dpi in 120 144 192; do
  set_screen_scaling "$dpi"
  echo "== $dpi DPI"
  if ! wine "$exe" --gtest_brief=1 </dev/null; then
    echo "FAIL: the scale tests at $dpi DPI" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "PASS: the windows at 125, 150 and 200 %"
exit "$status"
