#!/usr/bin/env bash
# End to end under Wine: a second start of ostrevin.exe while it runs (as when
# autostart at logon is followed by a double-click) shows the running copy's
# timer window and ends at once, leaving one copy with its one tray icon.
#
# Usage: second_start.sh <path of ostrevin.exe>
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-second-start

write_settings '[Common]' 'ShowCurrNo=0' 'bOfferExit=0'
start_program
find_tray
wait_for 10 no_timer_window || fail "the timer window showed at start-up"

(cd "$work" && exec wine ostrevin.exe </dev/null >>"$work/wine.log" 2>&1) &
second=$!
second_ended() { ! kill -0 "$second" 2>/dev/null; }
wait_for 20 second_ended || fail "the second start did not end"
set +e
wait "$second"
second_status=$?
set -e
[ "$second_status" = 0 ] || fail "the second start ended with status $second_status"
wait_for 20 timer_window >/dev/null || fail "the running copy did not show its timer window"
shot 1-shown
program_ended && fail "the running copy ended"

exit_through_menu
[ -f "$ini" ] || fail "no settings file after the end"
echo "PASS: a second start showed the running copy's window and ended"
