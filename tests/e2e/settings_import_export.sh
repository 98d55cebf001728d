#!/usr/bin/env bash
# End to end under Wine: the settings dialog's import ("Открыть
# настройки...") refuses, with a message, a name that does not exist and a
# file that holds no settings (a Word document), and changes nothing; its
# export ("Сохранить настройки как...") onto a file of another program asks
# first: "Нет" leaves the file alone, "Да" replaces it with a whole settings
# file. OK then saves the settings as they were before the refused imports.
#
# Usage: settings_import_export.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/settings_file_lib.sh"
shot_prefix=e2e-import-export

write_settings '[1]' '1=1' '[Common]' 'LessLen=400' 'ShowCurrNo=0' 'bOfferExit=0'
# The start of a Word document, as the system's compound file begins.
printf '\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1\0\0\0\0>\0\3\0\376\377\tcontents of a report' >"$work/report.doc"
cp "$work/report.doc" "$work/report.original"
printf '%s\r\n' '[Other]' 'key=value' >"$work/other.ini"

start_program
find_tray
open_settings_dialog
shot 1-dialog

# The dialog's buttons.
export_button() { click_control Настройки Button 'Сохранить\nнастройки как...'; }
import_button() { click_control Настройки Button 'Открыть\nнастройки...'; }
ok_button() { click_control Настройки Button OK; }

# answered <button>: when a message box comes, keeps its text in $work/box
# and presses the button; false when none came.
answered() {
  wait_for 10 box_shown || return 1
  box_texts >"$work/box"
  shot "box-$(date +%s%N)"
  answer_box "$1"
}

refused=
import_button
choose_in_file_dialog "Открыть настройки" "$work/missing.INI"
answered ok && grep -q missing.INI "$work/box" && refused+=" missing"
import_button
choose_in_file_dialog "Открыть настройки" "$work/report.doc"
answered ok && grep -q report.doc "$work/box" && refused+=" binary"

asked=
export_button
choose_in_file_dialog "Сохранить настройки как" "$work/report.doc"
answered no && asked+=" no"
export_button
choose_in_file_dialog "Сохранить настройки как" "$work/other.ini"
answered yes && asked+=" yes"

ok_button
wait_for 20 dialog_closed || fail "OK did not close the dialog"
exit_through_menu

expect_value 1 1 1
expect_value Common LessLen 400
cmp -s "$work/report.doc" "$work/report.original" || fail "the Word document was changed"
[ -z "$(ini_value_in "$work/other.ini" Other key)" ] ||
  fail "the export kept the other program's section and only added its own"
[ "$(ini_value_in "$work/other.ini" Common LessLen)" = 400 ] || fail "the export holds no settings"
[ "$(ini_value_in "$work/other.ini" 1 1)" = 1 ] || fail "the export holds no timetable"
[ "$refused" = " missing binary" ] || fail "imports refused with a message naming the file:$refused"
[ "$asked" = " no yes" ] || fail "exports onto another program's file that asked first:$asked"

echo "PASS: imports of a missing and a foreign file refused, export onto a foreign file asked first"
