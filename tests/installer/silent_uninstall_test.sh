#!/usr/bin/env bash
# A silent uninstallation by the list entry's QuietUninstallString: the
# program (ended first, as at logoff, when it runs), its uninstaller, its
# shortcut and its list entry go; the settings file stays; the logon start goes
# only when it starts this copy.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

uninstall_finished() {
  [ ! -e "$uninstaller" ] && ! reg_key_exists "$uninstall_key"
}

# uninstall_round <running|stopped> <logon start before> <logon start after, or "">
uninstall_round() {
  local state=$1 run_before=$2 run_after=$3
  remove_installation
  run_setup /S || fail "the installation failed"
  write_edited_timetable
  [ "$state" = running ] && start_installed_copy
  set_run_value "$run_before"

  local quiet
  quiet=$(reg_value "$uninstall_key" QuietUninstallString) || fail "no QuietUninstallString"
  [[ "$quiet" =~ ^\"([^\"]+)\"\ (.+)$ ]] || fail "QuietUninstallString is $quiet"
  wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} </dev/null >/dev/null 2>&1 ||
    fail "the uninstaller failed"
  # The uninstaller goes on from a copy in the temporary folder.
  wait_for 60 uninstall_finished || fail "the uninstaller did not finish"

  if [ "$state" = running ]; then
    wait_for 10 copy_ended || fail "the running copy was not ended"
    expect_edited_timetable_saved
  fi
  [ -f "$settings_file" ] || fail "the silent uninstaller removed the settings file"
  [ ! -e "$installed_exe" ] || fail "the program is still there"
  [ ! -e "$shortcut" ] || fail "the shortcut is still there"
  # The settings file stays, and with it the backup the program keeps of it
  # once a save has changed it.
  local kept=ostrevin.INI
  [ "$state" = running ] && kept=$'ostrevin.INI\nostrevin.INI.bak'
  [ "$(ls -A "$install_dir")" = "$kept" ] || fail "left behind: $(ls -A "$install_dir" | tr '\n' ' ')"
  local run_value
  if [ -z "$run_after" ]; then
    ! reg_value "$run_key" Ostrevin >/dev/null || fail "the logon start of this copy stayed"
  else
    run_value=$(reg_value "$run_key" Ostrevin) || fail "the logon start of another copy was removed"
    [ "$run_value" = "$run_after" ] || fail "the logon start of another copy is now $run_value"
  fi
}

other_copy='"C:\Portable\Ostrevin\ostrevin.exe"'
# Written by hand: no quotation marks, another letter case; still this copy.
this_copy_by_hand=$(tr '[:lower:]' '[:upper:]' <<<"$installed_exe_win")

uninstall_round running "$this_copy_by_hand" ""
uninstall_round stopped "$other_copy" "$other_copy"

echo "PASS: uninstalled silently; the settings file and another copy's logon start stayed"
