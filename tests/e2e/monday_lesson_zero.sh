#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe on a Monday that begins with a
# 30-minute lesson 0 ("Разговоры о важном") and rings its lesson 1 later than
# the main schedule does. The schedule is rung around the time the test runs:
# lesson 0 begins at the next minute, and today is mapped to Monday's
# schedule as Monday is. Before it the icon says the lessons have not begun;
# on its minute the lesson begins and the icon shows "0"; its ticks handed to
# the program at once, it ends after 60 (its 30 minutes). The settings file
# the program writes at its end still gives version 1.0 a timetable: Monday's
# lesson 0 in its first slot, taught on Monday.
#
# Usage: monday_lesson_zero.sh <path of ostrevin.exe> <path of e2e_probe.exe>
# Exits 77 (skipped) when lesson 1 would end past midnight: lesson 0 must
# begin by 22:34.
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-monday

lesson0=$(next_lesson_minute)
if [ "$lesson0" -gt 1354 ]; then
  echo "skipped: lesson 0 at $(clock_text "$lesson0") leaves no room for lesson 1 before midnight"
  exit 77
fi
today=$(LC_ALL=C date +%A)
write_unicode_settings \
  '[Common]' 'LessLen=450' 'bOfferExit=0' 'ShowCurrNo=1' 'bShowOnStartLesson=1' 'IsBlend=0' \
  '[Sounds]' 'AllSndsOFF=1' \
  '[Week]' 'Monday=Понедельник' 'MondayLessons=0,1' "$today=Понедельник" "${today}Lessons=0,1" \
  '[Schedule1]' 'Name=Основное' '1=08:30-09:15' '2=09:25-10:10' \
  '[Schedule2]' 'Name=Понедельник' \
  "0=$(clock_text "$lesson0")-$(clock_text $((lesson0 + 30)))" \
  "1=$(clock_text $((lesson0 + 40)))-$(clock_text $((lesson0 + 85)))"

start_program
find_tray
wait_for 20 number_icon_shows "$mask_of_dashes" ||
  fail "before lesson 0 the icon does not show dashes: $(number_icon_mask | tr '\n' ' ')"
no_timer_window || fail "the timer window showed before lesson 0"
wait_for_minute "$lesson0"
# A tick in the minute, rather than waiting up to 30 seconds for the timer's
# own; whichever comes first begins the lesson.
ticks 1
wait_for 75 timer_window >/dev/null || fail "lesson 0 did not begin at $(clock_text "$lesson0")"
wait_for 20 number_icon_shows "$mask_of_digit_0" ||
  fail "the icon does not show 0: $(number_icon_mask | tr '\n' ' ')"
shot 1-lesson-0

# The timer's own ticks may add one or two on the way: 28 minutes and more
# are still the final part, and 30 are the end.
ticks 56
[ "$(pie_colour)" = 255,0,0 ] || fail "28 minutes in, the pie is $(pie_colour), not red"
ticks 4
is_empty_pie() { [ "$(pie_colour)" = 255,255,255 ]; }
wait_for 10 is_empty_pie || fail "after 30 minutes the pie is $(pie_colour), not empty"
shot 2-over

exit_through_menu
expect_slot() {
  local got
  got=$(unicode_value_of "$1" "$2")
  [ "$got" = "$3" ] || fail "[$1] $2 is \"$got\", not \"$3\""
}
expect_slot 1 1 1
expect_slot 1 2 1
expect_slot 1 3 0
expect_slot Schedule2 0 "$(clock_text "$lesson0")-$(clock_text $((lesson0 + 30)))"
echo "PASS: Monday's lesson 0 began on its minute $(clock_text "$lesson0"), the icon showed 0," \
  "the lesson ran its 30 minutes, and version 1.0's keys hold Monday's schedule"
