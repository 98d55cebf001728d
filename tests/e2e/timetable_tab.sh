#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe's settings dialog, opened from
# the tray menu on a settings file of bell schedules, worked with the keyboard
# on its timetable tab: Monday's schedule shown first, another schedule
# chosen, a name another schedule has refused, the question before deleting
# a schedule in use answered No, Saturday's own lessons, bells pasted from the
# clipboard, the question before a page of a column per class group is
# added, cancelled, OK refused for a lesson too short for its parts and for a lesson
# that ends before it starts, Saturday mapped to no lessons. Escape then puts
# every edit back, and the program's end saves the timetable as it was: the
# file holds the school's bells, the week and its Cyrillic names. With
# OSTREVIN_SCREENSHOTS=1 it keeps a screenshot of every state on the way.
#
# Usage: timetable_tab.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-timetable

repeat() {
  local count=$1 key=$2
  for ((i = 0; i < count; i++)); do keys "$key"; done
}
# answer_message <shot> <key>: waits for the program's message box, keeps a
# screenshot of it, and answers it with a key.
answer_message() {
  wait_for 10 message_box_shown || fail "no message box for $1"
  sleep 0.3
  shot "$1"
  keys "$2"
  wait_for 10 no_message_box || fail "the message box of $1 stayed"
}

paste_choice_window() {
  xdotool search --onlyvisible --name '^Вставить из буфера$' 2>/dev/null | head -n 1
}
paste_choice_shown() {
  [ -n "$(paste_choice_window)" ]
}
paste_choice_gone() {
  [ -z "$(paste_choice_window)" ]
}

write_unicode_settings \
  '[Common]' 'bOfferExit=0' '[Sounds]' 'AllSndsOFF=1' \
  '[Week]' 'Monday=Понедельник' 'MondayLessons=0,2,3' \
  'Tuesday=Основное' 'TuesdayLessons=1,2,5' 'Wednesday=Основное' 'Thursday=Основное' \
  'Friday=Основное' 'Saturday=Суббота' 'SaturdayLessons=3,4' 'Sunday=' \
  '[Schedule1]' 'Name=Основное' '1=08:30-09:15' '2=09:25-10:10' '3=10:30-11:15' \
  '4=11:35-12:20' '5=12:30-13:15' '6=13:25-14:10' \
  '[Schedule2]' 'Name=Понедельник' '0=08:30-09:00' '1=09:10-09:50' '2=10:00-10:40' \
  '3=11:00-11:40' \
  '[Schedule3]' 'Name=Суббота' '1=08:30-09:10' '2=09:20-10:00' '3=10:10-10:50' \
  '4=11:00-11:40' '5=11:50-12:30' '6=12:40-13:20' \
  '[Schedule4]' 'Name=Extra' '1=15:00-15:40'
start_program
find_tray

open_settings_dialog

# From the first control of "Общие" back to the tabs, to the timetable, and
# on to its first control, the list of schedules.
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Left
shot 1-monday
repeat 5 Tab
keys Up
shot 2-main-schedule

keys Tab E x t r a Tab
answer_message 3-name-taken Return

keys Tab Tab space
answer_message 4-delete-question Return
[ "$(settings_window)" ] || fail "No to the question closed the dialog"

# Past the week's seven days, the main schedule's seven rows, the numbering
# and the paste button: the days' list, Monday selected.
repeat 24 Tab
repeat 5 Down
shot 5-saturday

wine "$probe" clip $'Расписание звонков\r\n0. 08:00 - 08:30\r\n1. 08:40 - 09:25\r\n2. 09:35 - 09:45\r\n3. 10:05 - 10:50\r\n' \
  </dev/null >/dev/null 2>>"$work/wine.log" || fail "the clipboard could not be set"
keys shift+Tab space
answer_message 6-paste-question Return
sleep 0.3
shot 7-pasted

# A page of a column per class group: a question of its own, cancelled.
wine "$probe" clip $'Урок\t1 классы\t5-11 классы\r\n1\t8.30-9.05\t8.30-9.15\r\nПеремена\t9.05-9.15\t9.15-9.25\r\n2\t9.15-9.50\t9.25-10.10\r\n' \
  </dev/null >/dev/null 2>>"$work/wine.log" || fail "the clipboard could not be set"
keys space
wait_for 10 paste_choice_shown || fail "no question before the schedules of a page"
sleep 0.3
shot 7a-paste-schedules
keys Escape
wait_for 10 paste_choice_gone || fail "Escape did not cancel the question"

# Enter on the numbering box is OK: lesson 2 is ten minutes long.
keys shift+Tab Return
answer_message 8-shortest-lesson Return

# Back past the five rows to Saturday's day in the week: no lessons.
repeat 12 shift+Tab
keys Home
# On to the first row's start: a start after its end.
keys Tab Tab 1 0 1 5 Return
answer_message 9-end-before-start Return
keys Home shift+End 0 8 0 0
shot 10-fixed

# Out of the edited field first: Escape in it would take back only its edit.
keys Tab Escape
wait_for 20 dialog_closed || fail "Escape did not close the dialog"
exit_through_menu

expect_unicode() {
  local got
  got=$(unicode_value_of "$1" "$2")
  [ "$got" = "$3" ] || fail "[$1] $2 is \"$got\", not \"$3\""
}
expect_unicode Week Monday 'Понедельник'
expect_unicode Week Saturday 'Суббота'
expect_unicode Week TuesdayLessons '1,2,5'
expect_unicode Schedule1 Name 'Основное'
expect_unicode Schedule1 1 '08:30-09:15'
expect_unicode Schedule1 6 '13:25-14:10'
expect_unicode Schedule1 0 ''
expect_unicode Schedule3 Name 'Суббота'
expect_unicode Schedule4 Name 'Extra'
# Version 1.0 reads Monday's lesson 0 as its first slot, taught on Monday.
expect_unicode 1 1 '1'
expect_unicode 1 2 '0'

echo "PASS: timetable tab worked with the keyboard; Escape put its edits back and the" \
  "timetable, the week and the Cyrillic names were saved as they were"
