#!/usr/bin/env bash
# End to end under Wine: nothing the teacher typed into ostrevin.exe is lost
# to the settings file.
# - OK in the settings dialog while another program holds the file: the
#   failure is told in Russian, naming the file; the dialog opened again
#   shows the edit, and its OK saves it once the file is free.
# - The file deleted while the program runs: the dialog opened and closed,
#   then "Выход", writes the teacher's settings again, not the defaults.
#
# Usage: settings_file_kept_in_memory.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/settings_file_lib.sh"
shot_prefix=e2e-kept
trap 'release_file; cleanup' EXIT

shows_on_start='показывать окно, когда начинается урок'
write_settings '[1]' '2=1' '[Common]' 'LessLen=400' 'ShowCurrNo=0' 'bOfferExit=0' \
  'bShowOnStartLesson=1'
start_program
find_tray

open_settings_dialog
expect_checked "$shows_on_start" 1
click_control Настройки Button "$shows_on_start"
hold_file "$ini"
keys Return
wait_for 20 box_shown || fail "the failed save was not reported"
message=$(box_texts)
shot not-saved
answer_box ok
release_file
[[ "$message" == *"Настройки не сохранены"* ]] || fail "the report is not in Russian: $message"
[[ "$message" == *"$(basename "$ini")"* ]] || fail "the report does not name the file: $message"
expect_value Common bShowOnStartLesson 1

open_settings_dialog
expect_checked "$shows_on_start" 0
keys Return
wait_for 20 dialog_closed || fail "OK did not close the dialog"
expect_value Common bShowOnStartLesson 0

rm "$ini"
open_settings_dialog
keys Escape
wait_for 20 dialog_closed || fail "Escape did not close the dialog"
exit_through_menu
[ -f "$ini" ] || fail "the file deleted meanwhile was not written again"
expect_value Common LessLen 400
expect_value 1 2 1

echo "PASS: an edit whose save failed was kept and saved later; a deleted file was written again from memory"
