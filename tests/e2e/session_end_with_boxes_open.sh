#!/usr/bin/env bash
# End to end under Wine: the user's session ends (here as an installer or
# Windows asks at logoff) while the program has its settings dialog open with
# an edit not confirmed, and again while its tray menu is open. Each time the
# program saves and ends at once; the dialog's unconfirmed edit is not saved.
#
# Usage: session_end_with_boxes_open.sh <path of ostrevin.exe> <path of e2e_probe.exe>
#        <path of running_copies.exe>
exe=$1
running_copies=$3
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-session-end

# Ends every running copy as at logoff; fails when one had to be ended by force.
log_off() {
  wine "$running_copies" --log-off </dev/null >/dev/null 2>&1
}
common_keys() {
  awk '{ sub(/\r$/, "") } /^\[/ { inside = tolower($0) == "[common]"; next }
       inside && /=/ { n++ } END { print n + 0 }' "$ini"
}

write_settings '[Common]' 'LessLen=450' 'bOfferExit=0'
start_program
find_tray
open_settings_dialog
# From the first control, four Tabs reach the lesson length, its text selected.
keys Tab Tab Tab Tab 5 0 Tab
shot 1-dialog-edited
log_off || fail "with its settings dialog open the program did not end at the session's end"
# The process itself goes a moment after its windows answered the end.
wait_for 10 program_ended || fail "the program still runs"
pid=
[ "$(common_keys)" = 10 ] || fail "the program did not save its settings at the session's end"
expect_value Common LessLen 450

start_program
find_tray
open_tray_menu
shot 2-menu-open
log_off || fail "with its tray menu open the program did not end at the session's end"
pid=
[ "$(common_keys)" = 10 ] || fail "the settings file lost keys"

echo "PASS: with the settings dialog or the tray menu open, the session's end saved and ended the program"
