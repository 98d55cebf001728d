#!/usr/bin/env bash
# A silent upgrade over a running installed copy whose timetable was edited:
# the copy is asked to end as at logoff and saves its settings, the new program
# file replaces the old one, the timetable is intact, the logon start the
# teacher had turned off stays off, and the new program is started again.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

run_setup /S /AUTOSTART=0 || fail "the first installation failed"
! reg_value "$run_key" Ostrevin >/dev/null || fail "/AUTOSTART=0 wrote a logon start"
# An older build: the same program with a few bytes after its image.
printf 'an older build' >>"$installed_exe"
write_edited_timetable
start_installed_copy

run_setup /S || fail "the upgrade failed"

wait_for 10 copy_ended || fail "the running copy was not ended"
cmp -s "$installed_exe" "$built_exe" || fail "the program file was not replaced"
expect_edited_timetable_saved
! reg_value "$run_key" Ostrevin >/dev/null || fail "the upgrade turned the logon start on"

wait_for 30 installed_copy_runs || fail "the upgraded program was not started again"
log_off || fail "the upgraded program did not end at logoff"
expect_edited_timetable_saved

echo "PASS: the running copy saved and ended, the program file was replaced, the timetable is intact"
