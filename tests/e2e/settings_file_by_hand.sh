#!/usr/bin/env bash
# End to end under Wine: an administrator's settings file written by hand with
# only the school's timetable ([Week], [Schedule1]), saved by Notepad as UTF-8
# without a mark (its default on Windows 10 and 11) and as "Unicode big
# endian". ostrevin.exe takes it as it is: no message, the old backup beside
# it left unused, the Cyrillic schedule name found for Monday, so that
# "Выход" writes Monday's lesson 2 into the first version's keys, and the file
# comes back as UTF-16 with the schedule's name intact.
#
# Usage: settings_file_by_hand.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/settings_file_lib.sh"
shot_prefix=e2e-by-hand

administrators_file() {
  printf '%s\r\n' '[Week]' 'Monday=Основное' 'MondayLessons=2' \
    '[Schedule1]' 'Name=Основное' '1=08:30-09:15' '2=09:25-10:10'
}

for encoding in UTF-8 UTF-16BE; do
  case $encoding in
    UTF-8) administrators_file >"$ini" ;;
    UTF-16BE) { printf '\xFE\xFF'; administrators_file | iconv -f UTF-8 -t UTF-16BE; } >"$ini" ;;
  esac
  cp "$ini" "$work/original.INI"
  printf '%s\r\n' '[Common]' 'LessLen=300' >"$ini.bak"

  start_program
  find_tray
  if wait_for 3 box_shown; then
    fail "$encoding: a message at start: $(box_texts | tr '\n' ' ')"
  fi
  exit_through_menu

  [ "$(head -c 2 "$ini" | od -An -tx1 | tr -d ' ')" = fffe ] ||
    fail "$encoding: the file was not written as UTF-16 with its mark"
  [ "$(unicode_value_of Schedule1 Name)" = Основное ] ||
    fail "$encoding: the schedule's name is \"$(unicode_value_of Schedule1 Name)\""
  [ "$(unicode_value_of Week Monday)" = Основное ] ||
    fail "$encoding: Monday's schedule is \"$(unicode_value_of Week Monday)\""
  [ "$(unicode_value_of 1 2)" = 1 ] ||
    fail "$encoding: Monday's lesson 2 is not the teacher's for version 1.0 ([1] 2=$(unicode_value_of 1 2))"
  [ "$(unicode_value_of Common LessLen)" != 300 ] || fail "$encoding: the old backup was put back"
  cmp -s "$ini.bak" "$work/original.INI" ||
    fail "$encoding: the backup is not the administrator's file as it was found"
  rm -f "$ini" "$ini.bak"
done

echo "PASS: an administrator's timetable in UTF-8 and in UTF-16 big endian was read as written"
