#!/usr/bin/env bash
# End to end under Wine, on a fake clock: the computer's clock is 4 minutes
# fast. The real ostrevin.exe starts at 08:33:50 by it, a Monday (08:29:50
# at school), and joins lesson 1 (08:30) as going on. The school's time
# server, chronyd on loopback with its clock 4 minutes behind the computer's,
# answers -240 s: it is 08:29:50 at school, the lesson has not begun. It is
# not lost: at 08:30 by the school's time it begins with its start sound, and
# the lesson number icon goes from "--" to the lesson's number.
#
# Usage: lesson_kept_through_a_correction.sh <path of ostrevin.exe> <e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-kept

command -v faketime >/dev/null || fail "faketime is missing (scripts/setup.sh installs it)"
shift_seconds=$(seconds_until '2026-12-14 08:33:50')
start_time_server "+$((shift_seconds - 240))s" "$work" || fail "chronyd did not start"
program_clock="+${shift_seconds}s"
write_settings '[1]' '1=1' '[Times]' '1=8:30:00' \
  '[Common]' 'ShowCurrNo=1' 'bOfferExit=0' 'bWarnBeforeLesson=0' 'bShowOnStartLesson=1' \
  '[Sounds]' 'StartStopSnd=1' 'IntroPartSnd=1' 'AllSndsOFF=0' \
  '[Bell]' 'JoinLesson=1' "TimeServer=127.0.0.1:$time_server_port"
started=$SECONDS

start_program_hearing
find_tray
# Joined at first, by the computer's clock: the window shows for it.
wait_for 20 timer_window >/dev/null || fail "the timer window did not show for the lesson joined"
read_timer_window_place
# The server's answer puts the school before the lesson: the pie empties, the
# number icon shows that the lessons have not begun.
wait_for 10 number_icon_shows "$mask_of_dashes" ||
  fail "after the server's answer the number icon shows: $(number_icon_mask | tr '\n' ' ')"
shot 1-before-the-bell
sounds_played | grep -qx SystemStart && fail "a start sound before the bell"

# 08:30:00 at school comes ten seconds after the start; a tick then begins
# the lesson (the probe hands the timer window its tick at once).
at_the_bell() { [ $((SECONDS - started)) -ge 12 ]; }
wait_for 30 at_the_bell
ticks 1
begun() { sounds_played | grep -qx SystemStart; }
wait_for 10 begun || fail "lesson 1 was not begun at its bell after the correction: $(sounds_played | tr '\n' ' ')"
wait_for 10 number_icon_shows "$mask_of_digit_1" ||
  fail "the number icon shows $(number_icon_mask | tr '\n' ' ') during lesson 1"
shot 2-begun-at-the-bell

exit_through_menu
echo "PASS: joined 4 minutes early by a fast clock, ended by the server's answer, begun again at its bell"
