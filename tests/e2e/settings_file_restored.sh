#!/usr/bin/env bash
# End to end under Wine: ostrevin.exe never loses the teacher's file.
# - A save interrupted on a FAT or exFAT stick left only ostrevin.INI.tmp and
#   an older backup: the program starts on the whole .tmp, says so, and
#   writes it back in the file's place.
# - A file with none of the program's sections is moved aside as
#   ostrevin.INI.unreadable-<date>, never written over; the program says
#   where it is and starts on the backup.
# - Two OKs in the settings dialog in one run: the backup stays the file as
#   it was found at start, not the file between them.
#
# Usage: settings_file_restored.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/settings_file_lib.sh"
shot_prefix=e2e-restored

teachers_file() {
  printf '%s\r\n' '[1]' '2=1' '[Common]' "LessLen=$1" 'ShowCurrNo=0' 'bOfferExit=0' \
    '[Sounds]' 'AllSndsOFF=0'
}

# start_and_hear: starts the program and keeps the text of the message box
# it shows at start in `message`, answered.
start_and_hear() {
  start_program
  find_tray
  wait_for 20 box_shown || fail "$1: no message at start"
  message=$(box_texts)
  shot "$1"
  answer_box ok
}

teachers_file 400 >"$ini.tmp"
teachers_file 300 >"$ini.bak"
start_and_hear interrupted-save
[[ "$message" == *"$(basename "$ini").tmp"* ]] || fail "the message does not name the .tmp: $message"
[ -f "$ini" ] || fail "the file was not put back from the .tmp"
[ ! -e "$ini.tmp" ] || fail "the .tmp stayed beside the file put back"
exit_through_menu
expect_value Common LessLen 400

teachers_file 400 >"$work/teachers.INI"
cp "$work/teachers.INI" "$ini.bak"
printf '%s\r\n' '; the journal, saved here by mistake' '[Journal]' 'Class=7B' >"$ini"
cp "$ini" "$work/journal.INI"
start_and_hear set-aside
aside=$(ls "$work" | grep -i '^ostrevin\.INI\.unreadable-' || true)
[ -n "$aside" ] || fail "the file not understood was not moved aside: $(ls "$work")"
cmp -s "$work/$aside" "$work/journal.INI" || fail "the file moved aside is not as it was"
[[ "$message" == *"$aside"* ]] || fail "the message does not say where the file went: $message"
exit_through_menu
expect_value Common LessLen 400

cp "$ini" "$work/found-at-start.INI"
start_program
find_tray
for ok in 1 2; do
  open_settings_dialog
  click_control Настройки Button 'показывать окно, когда начинается урок'
  keys Return
  wait_for 20 dialog_closed || fail "OK $ok did not close the dialog"
done
exit_through_menu
cmp -s "$ini.bak" "$work/found-at-start.INI" ||
  fail "the backup is not the file as found at start: bShowOnStartLesson=$(ini_value_in "$ini.bak" Common bShowOnStartLesson)"

echo "PASS: the file put back from the .tmp, a file not understood moved aside, the backup kept as found"
