#!/usr/bin/env bash
# End to end under Wine: cancelling the settings dialog of the real
# ostrevin.exe puts the settings back as they were when it opened, and
# nothing of it is saved. A file imported in the dialog, then the dialog
# closed with Alt+F4 (the close box): the tray menu's lesson number switch,
# which saves at once, saves the timetable of before. The lesson length and
# the opacity typed in, then Escape: "Выход" saves neither.
#
# Usage: settings_dialog_cancel.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-cancel

write_settings '[Common]' 'LessLen=450' 'IsBlend=1' 'BlendVal=127' 'bOfferExit=0' 'ShowCurrNo=1'
other="$work/other.INI"
printf '%s\r\n' '[Common]' 'LessLen=600' 'bOfferExit=0' >"$other"
start_program
find_tray

open_settings_dialog
import_settings "$other"
[ -n "$(control_line Настройки Edit 60)" ] || fail "the imported length 60 is not shown"
keys alt+F4
wait_for 20 dialog_closed || fail "Alt+F4 did not close the dialog"
open_tray_menu
choose_menu_item 1
wait_for 20 bash -c "grep -qi '^ShowCurrNo=0' '$ini'" || fail "the lesson number switch saved nothing"
expect_value Common LessLen 450

open_settings_dialog
click_control Настройки Edit 45
keys End shift+Home 5 0
click_control Настройки Edit 49
keys End shift+Home 9 0
shot edited
[ -n "$(control_line Настройки Edit 90)" ] || fail "the opacity field does not show 90"
keys Escape
wait_for 20 dialog_closed || fail "Escape did not close the dialog"
exit_through_menu

expect_value Common LessLen 450
expect_value Common BlendVal 127
expect_value Common ShowCurrNo 0

echo "PASS: the settings dialog cancelled puts the settings back and saves nothing of it"
