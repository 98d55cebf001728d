#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe opens its settings dialog from
# the tray menu's "Настройки" on the "Общие" tab; the autostart box checked
# and the lesson length changed with the keyboard, OK saves the new length in
# the settings file and registers the quoted path of the exe in the user's
# Run key. With OSTREVIN_SCREENSHOTS=1 it keeps a screenshot of each tab.
#
# Usage: settings_dialog.sh <path of ostrevin.exe>
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-settings

keep_run_value

write_settings '[Common]' 'LessLen=450' 'bOfferExit=0'
start_program
find_tray

open_settings_dialog
read -r _ _ dw dh < <(geometry "$dialog")
[ "$dw" -ge 556 ] && [ "$dh" -ge 509 ] || fail "the dialog is $dw x $dh, smaller than its client area"
shot 2-general

if [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ]; then
  # From the first control back to the tabs, through each tab and back to
  # "Общие", then on round to the first control again.
  keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Left
  shot 1-timetable
  keys Right Right
  shot 3-sounds
  keys Right
  shot 4-bells
  keys Right
  shot 4-about
  keys Left Left Left Tab Tab Tab Tab Tab
fi

# The focus starts on "запускать вместе с Windows"; four Tabs on it is the
# lesson length, its text selected.
keys space Tab Tab Tab Tab 5 0
shot 5-edited
keys Return
wait_for 20 dialog_closed || fail "OK did not close the dialog"
shot 6-closed

exit_through_menu

expect_value Common LessLen 500
exe_path=$(winepath -w "$work/ostrevin.exe" 2>/dev/null | tr -d '\r')
run_value=$(wine reg query "$run_key" /v Ostrevin 2>/dev/null | tr -d '\r' | grep -F REG_SZ || true)
[[ "$run_value" == *"\"$exe_path\"" ]] ||
  fail "the Run value is \"$run_value\", not the quoted path \"$exe_path\""

echo "PASS: settings dialog from the tray menu, new length saved, autostart registered"
