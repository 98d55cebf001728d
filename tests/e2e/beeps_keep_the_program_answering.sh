#!/usr/bin/env bash
# End to end under Wine: the final part's beep series of 30 beeps a second
# apart plays while the program goes on answering. A second start during the
# series shows the running copy and ends (no "Ostrevin уже запущен, но не
# отвечает"), and a close as at logoff, which an installer gives 5 seconds,
# ends the program during the series.
#
# The lesson: joined on a fake clock half a minute into lesson 1 (a Monday,
# 08:30), 31 minutes long with a final part of 30; the probe hands the timer
# window four ticks at once: the final part begins, and within two more ticks
# its minute count drops and a series of 29 or 30 beeps begins.
#
# Usage: beeps_keep_the_program_answering.sh <ostrevin.exe> <e2e_probe.exe> <running_copies.exe>
exe=$1
probe=$2
running_copies=$3
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-beeps

command -v faketime >/dev/null || fail "faketime is missing (scripts/setup.sh installs it)"
program_clock="+$(seconds_until '2026-12-14 08:30:33')s"
write_settings '[1]' '1=1' '[Times]' '1=8:30:00' \
  '[Common]' 'ShowCurrNo=0' 'bOfferExit=0' 'bWarnBeforeLesson=0' 'bShowOnStartLesson=1' \
  'LessLen=310' 'IntroTime=0' 'FinishTime=300' \
  '[Sounds]' 'StartStopSnd=0' 'IntroPartSnd=0' 'FinishPartSounds=2' 'CountDown=1' 'AllSndsOFF=0' \
  '[Bell]' 'JoinLesson=1'

start_program_hearing
find_tray
wait_for 20 timer_window >/dev/null || fail "the timer window did not show for the lesson joined"
# The ticks go in the background: a program deaf during the series would
# hold the probe's tick for its whole length.
(wine "$probe" ticks 4 </dev/null >>"$work/probe.log" 2>&1 || true) &
beeps() { sounds_played | grep -cx MailBeep || true; }
series_begun() { [ "$(beeps)" -ge 1 ]; }
wait_for 10 series_begun || fail "no beep series began: $(sounds_played | tr "\n" " ") probe: $(cat "$work/probe.log" 2>/dev/null)"

second_start_began=$SECONDS
(cd "$work" && exec wine ostrevin.exe </dev/null >>"$work/second.log" 2>&1) &
second=$!
second_ended() { ! kill -0 "$second" 2>/dev/null; }
if ! wait_for 15 second_ended; then
  shot 1-second-start
  kill "$second" 2>/dev/null || true
  fail "the second start did not end during the beep series (a box: $(message_box_text | tr '\n' ' '))"
fi
wait "$second" || fail "the second start ended with an error during the beep series"
[ $((SECONDS - second_start_began)) -lt 5 ] ||
  fail "the second start took $((SECONDS - second_start_began)) s during the beep series"
[ "$(beeps)" -lt 20 ] || fail "the series was nearly over before the second start was tried"

wine "$running_copies" --log-off </dev/null >/dev/null 2>&1 ||
  fail "the program did not end when closed as at logoff during the beep series"
wait_for 10 program_ended || fail "the program is still running after the logoff"
pid=
heard=$(beeps)
[ "$heard" -lt 25 ] || fail "$heard beeps were heard before the close: the series was over"
echo "PASS: during a beep series ($heard beeps heard) a second start and a close as at logoff were answered"
