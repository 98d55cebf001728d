#!/usr/bin/env bash
# End to end under Wine: the settings file, held without sharing by another
# program (a backup or antivirus program at logon) while ostrevin.exe starts,
# cannot be read. The program says so, runs on, and after the file is free
# again "Выход" leaves it exactly as it was: the defaults it ran on never go
# over the teacher's timetable.
#
# Usage: settings_file_locked.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/settings_file_lib.sh"
shot_prefix=e2e-locked
trap 'release_file; cleanup' EXIT

write_settings \
  '[1]' '1=1' '3=1' \
  '[Times]' '1=8:05:00' \
  '[4]' '7=1' \
  '[Common]' 'LessLen=400' 'ShowCurrNo=0' 'bOfferExit=0' \
  '[Journal]' 'Class=7B'
cp "$ini" "$work/original.INI"

hold_file "$ini"
start_program
find_tray
told=no
if wait_for 20 box_shown; then
  told=yes
  shot 1-told
  message=$(box_texts)
  answer_box ok
fi
release_file

exit_through_menu
cmp -s "$ini" "$work/original.INI" ||
  fail "the settings file changed: [1] 1 is \"$(value_of 1 1)\", LessLen \"$(value_of Common LessLen)\""
[ "$told" = yes ] || fail "no message said that the settings file could not be read"
[[ "$message" == *"$(basename "$ini")"* ]] || fail "the message does not name the file: $message"

echo "PASS: an unreadable settings file was reported and left as it was"
