#!/usr/bin/env bash
# End to end under Wine: version 1.0 still reads and writes the settings file
# of ostrevin.exe. A lesson the teacher ticked there, and a start time moved
# there, after ostrevin.exe wrote the file, are in the school's timetable at
# its next start, and written back into [Week] and [Schedule1].
#
# Usage: first_version_edits.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-first-version

write_settings '[Common]' 'ShowCurrNo=0' 'bOfferExit=0' \
  '[Week]' 'Monday=Main' 'MondayLessons=1' \
  '[Schedule1]' 'Name=Main' '1=08:30-09:15' '2=09:25-10:10' '3=10:30-11:15'
start_program
find_tray
exit_through_menu
expect_value 1 1 1
expect_value 1 3 0

# What version 1.0 does with the file: its own keys changed in place.
sed -i -e '/^\[1\]/,/^\[/ s/^3=0/3=1/' -e '/^\[Times\]/,/^\[/ s/^2=9:25:00/2=9:30:00/' "$ini"
# The time in the regional format: "9:30:00", "9:30:00 AM".
[ "$(value_of 1 3)" = 1 ] && [[ "$(value_of Times 2)" == 9:30:00* ]] ||
  fail "the test could not edit the file as version 1.0 does: [1] 3=$(value_of 1 3), [Times] 2=$(value_of Times 2)"

start_program
find_tray
exit_through_menu
expect_value Week MondayLessons 1,3
expect_value Schedule1 2 09:30-10:15
expect_value Schedule1 3 10:30-11:15

echo "PASS: version 1.0's ticked lesson and moved start were taken into the school's timetable"
