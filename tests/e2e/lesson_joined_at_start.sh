#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe started three minutes into an
# enabled lesson joins it. The timer window shows at once with the pie at three
# minutes (3 of the pie's 60 minutes: a green wedge of 5 % of the disc, which
# with the disc's green outline of about 2 % reads as about 7 %, against 2 %
# at the start and 8.5 % at four minutes), and no start sound is played late;
# the sounds are heard (stopping the lesson plays its end cue). The minute
# label's black text cannot be read here: it shows only where its see-through
# background lets Wine's black desktop through. The Wine test of the timer
# window (WorkFormBellTest) reads it, "3 мин.", from the label itself.
#
# Usage: lesson_joined_at_start.sh <path of ostrevin.exe>
# Needs DISPLAY (scripts/test.sh sets it). OSTREVIN_SCREENSHOTS=1 keeps
# screenshots in build/screenshots/.
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-joined

prepare_school_day
# The lesson began three minutes before a start early in the minute, so that
# the first tick, half a minute later, still shows three minutes.
wait_away_from_midnight 5
wait_for_second_of_minute 2 15
start=$(date -d '-3 min' +%H:%M:00)
write_settings "[$school_weekday]" '1=1' '[Times]' "1=$start" \
  '[Common]' 'ShowCurrNo=1' 'bOfferExit=0' 'bWarnBeforeLesson=0' 'bShowOnStartLesson=1' \
  '[Sounds]' 'StartStopSnd=1' 'IntroPartSnd=1' 'AllSndsOFF=0' \
  '[Bell]' 'JoinLesson=1' ${school_server_line:+"$school_server_line"}

start_program_hearing
find_tray
wait_for 20 timer_window >/dev/null || fail "the timer window did not show for the lesson going on"
read_timer_window_place
pie_shows_three_minutes() {
  local share
  share=$(pie_green_per_mille)
  [ "$share" -ge 58 ] && [ "$share" -le 78 ]
}
wait_for 10 pie_shows_three_minutes || fail "the pie is $(pie_green_per_mille)‰ green, not about 68‰"
shot 1-joined

# The toolbar's stop button ends the lesson with its end cue: the sounds are
# heard, and the start cue is not among them.
xdotool mousemove $((wx + 61)) $((wy + 12)) click 1
ended() { sounds_played | grep -qx SystemExit; }
wait_for 10 ended || fail "the lesson's end was not heard: $(sounds_played | tr '\n' ' ')"
! sounds_played | grep -qx SystemStart || fail "the start sound was played late"

exit_through_menu
echo "PASS: joined three minutes in: the window shown with the pie at three minutes, no start sound"
