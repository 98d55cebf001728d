#!/usr/bin/env bash
# End to end under Wine: a start while a copy holds the one-copy lock but
# does not answer (stopped, as a hung program is) tells the teacher so in a
# message box instead of ending without a word; the stopped copy is left
# alone. When it runs again, a start shows its window as usual.
#
# Usage: unanswering_copy.sh <path of ostrevin.exe>
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-unanswering-copy

write_settings '[Common]' 'ShowCurrNo=0' 'bOfferExit=0'
start_program
find_tray
wait_for 10 no_timer_window || fail "the timer window showed at start-up"

kill -STOP "$pid"
resume_copy() { kill -CONT "$pid" 2>/dev/null || true; }
second=
end_second() { [ -n "$second" ] && kill "$second" 2>/dev/null || true; }
trap 'end_second; resume_copy; cleanup' EXIT

(cd "$work" && exec wine ostrevin.exe </dev/null >>"$work/wine.log" 2>&1) &
second=$!
second_ended() { ! kill -0 "$second" 2>/dev/null; }
# The box: a window named as the program that is not the timer window.
message_box() {
  local window _x _y w h
  for window in $(xdotool search --onlyvisible --name '^Ostrevin$' 2>/dev/null); do
    read -r _x _y w h < <(geometry "$window")
    if [ "$w" -ge 100 ] && [ "$h" -ge 50 ] && ! { [ "$w" = 225 ] && [ "$h" = 299 ]; }; then
      echo "$window"
      return 0
    fi
  done
  return 1
}
box_or_end() { second_ended || message_box >/dev/null; }
wait_for 30 box_or_end || fail "the second start neither ended nor said anything"
second_ended && fail "the second start ended without a word while the copy did not answer"
box=$(message_box)
shot 1-message
read -r bx by bw bh < <(geometry "$box")
# The box's one button, OK, sits in the middle of its bottom row.
xdotool mousemove $((bx + bw / 2)) $((by + bh - 20)) click 1
wait_for 20 second_ended || fail "OK did not close the message and end the second start"
second=
program_ended && fail "the stopped copy was ended"

resume_copy
(cd "$work" && exec wine ostrevin.exe </dev/null >>"$work/wine.log" 2>&1) &
second=$!
wait_for 20 second_ended || fail "a start while the copy runs again did not end"
second=
wait_for 20 timer_window >/dev/null || fail "the running copy did not show its timer window"

exit_through_menu
echo "PASS: a copy that did not answer was reported in a message box and left alone"
