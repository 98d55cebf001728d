#!/usr/bin/env bash
# An upgrade over an installed copy that does not answer (stopped, as a hung
# program is): the silent installer gives up with an error and changes
# nothing; the program file and the teacher's settings file stay as they were.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

run_setup /S || fail "the first installation failed"
printf 'an older build' >>"$installed_exe"
cp "$installed_exe" "$install_dir/older.exe"
write_edited_timetable
cp "$settings_file" "$install_dir/older.INI"
start_installed_copy

kill -STOP "$copy_pid"
resume_copy() { kill -CONT "$copy_pid" 2>/dev/null || true; }
trap 'resume_copy; end_test' EXIT
if run_setup /S; then
  fail "the installer reported success over a program that did not end"
fi
resume_copy

kill -0 "$copy_pid" 2>/dev/null || fail "the installer ended the copy by force"
cmp -s "$installed_exe" "$install_dir/older.exe" || fail "the program file was replaced while it ran"
cmp -s "$settings_file" "$install_dir/older.INI" || fail "the settings file was changed"

echo "PASS: an unanswering copy stops the installation, and nothing is changed"
