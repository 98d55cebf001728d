#!/usr/bin/env bash
# End to end under Wine: the settings dialog of the real ostrevin.exe changes
# nothing the teacher did not ask for.
# - An autostart value of another type under the Run key: the failed check is
#   reported, the box shows unchecked, and OK leaves the value as it is.
# - With "отключить все звуки" checked, a file imported with all sounds on
#   shows, and OK saves, exactly the file's sound settings.
# - One digit of a start time taken away, then Enter: the incomplete time is
#   reported over the dialog, which stays open; Escape in the field brings the
#   time back, and Enter then closes the dialog with no further report.
#
# Usage: settings_dialog_unasked.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-unasked

keep_run_value
wine reg add "$run_key" /v Ostrevin /t REG_DWORD /d 1 /f >/dev/null 2>&1

write_settings '[Common]' 'bOfferExit=0' \
  '[Sounds]' 'StartStopSnd=0' 'IntroPartSnd=0' 'FinishPartSounds=0' 'CountDown=0' 'AllSndsOFF=1'
imported="$work/sounds.INI"
printf '%s\r\n' '[Common]' 'bOfferExit=0' \
  '[Sounds]' 'StartStopSnd=0' 'IntroPartSnd=1' 'FinishPartSounds=1' 'CountDown=1' 'AllSndsOFF=0' \
  >"$imported"
start_program
find_tray

open_tray_menu
choose_menu_item 2
wait_for 20 message_box_shown || fail "the failed autostart check was not reported"
[[ "$(message_box_text)" == *"Invalid data type for 'Ostrevin'"* ]] ||
  fail "the report says \"$(message_box_text)\""
shot autostart-report
keys Return
wait_for 20 settings_window >/dev/null || fail "the dialog did not open after the report"
dialog=$(settings_window)
xdotool windowfocus "$dialog"
sleep 0.5
expect_checked 'запускать вместе с Windows' 0
choose_tab 2
expect_checked 'отключить все звуки' 1

import_settings "$imported"
shot imported
expect_checked 'отключить все звуки' 0
expect_checked 'в начале и конце урока' 0
expect_checked 'после вступительной части' 1
expect_checked 'Только в начале закл. части' 1
expect_checked 'в обратном порядке' 1

# The timetable's tab.
choose_tab 0
click_control Настройки Edit 08:30
keys End BackSpace
[ -n "$(control_line Настройки Edit 08:3_)" ] || fail "Backspace did not take the last digit"
keys Return
wait_for 20 message_box_shown || fail "Enter with an incomplete time gave no report"
[[ "$(message_box_text)" == *"Invalid input value"* ]] || fail "the report says \"$(message_box_text)\""
[ -n "$(settings_window)" ] || fail "the dialog closed before the incomplete time was reported"
shot incomplete-time
keys Return
wait_for 20 no_message_box || fail "the report stayed"
keys Escape
[ -n "$(control_line Настройки Edit 08:30)" ] || fail "Escape did not bring the start time back"
keys Return
wait_for 20 dialog_closed || fail "Enter did not close the dialog"
! wait_for 3 message_box_shown || fail "a report came after the dialog closed"
exit_through_menu

expect_value Sounds AllSndsOFF 0
expect_value Sounds StartStopSnd 0
expect_value Sounds IntroPartSnd 1
expect_value Sounds FinishPartSounds 1
expect_value Sounds CountDown 1
run_value=$(wine reg query "$run_key" /v Ostrevin 2>/dev/null | tr -d '\r' | grep -F REG_ || true)
[[ "$run_value" == *REG_DWORD* ]] || fail "OK changed the autostart value to \"$run_value\""

echo "PASS: the settings dialog shows and stores the file's values and changes nothing unasked"
