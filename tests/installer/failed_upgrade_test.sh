#!/usr/bin/env bash
# An upgrade that closes the running copy and then cannot replace the program
# file (here made unchangeable, as a file held by another program is) fails,
# changes nothing, and starts the copy it closed again.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

run_setup /S || fail "the first installation failed"
printf 'an older build' >>"$installed_exe"
cp "$installed_exe" "$install_dir/older.exe"
write_edited_timetable
start_installed_copy

chattr +i "$installed_exe"
trap 'chattr -i "$installed_exe" 2>/dev/null || true; end_test' EXIT
if run_setup /S; then
  fail "the installer reported success although the program file was not replaced"
fi
wait_for 10 copy_ended || fail "the running copy was not closed"
expect_edited_timetable_saved
cmp -s "$installed_exe" "$install_dir/older.exe" || fail "the program file changed"
wait_for 30 installed_copy_runs || fail "the copy closed for the failed upgrade was not started again"
chattr -i "$installed_exe"
log_off || fail "the copy started again did not end at logoff"

echo "PASS: a failed upgrade started the copy it had closed again"
