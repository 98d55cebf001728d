#!/usr/bin/env bash
# A silent installation (/S) as a school administrator deploys it: refused
# into Program Files; otherwise the program, its uninstaller, its Start-menu
# shortcut, its entry in the list of installed apps and its logon start, the
# latter exactly as the program's own settings would write it. The program
# then starts from the shortcut and writes its settings file beside itself.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

# /D= takes the rest of the command line, spaces included, unquoted.
if run_setup /S /D=C:\\Program Files\\Ostrevin; then
  fail "the installer went into Program Files"
fi
[ ! -e "$(winepath -u 'C:\Program Files\Ostrevin' 2>/dev/null)" ] || fail "a folder was made in Program Files"
! reg_key_exists "$uninstall_key" || fail "a refused installation left an entry in the list of installed apps"

[ "$(basename "$setup")" = "ostrevin-$version-setup.exe" ] || fail "the installer is named $(basename "$setup")"
run_setup /S || fail "the silent installation failed"

cmp -s "$installed_exe" "$built_exe" || fail "the installed program is not the one just built"
[ -f "$uninstaller" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no shortcut in the Start menu"
[ ! -e "$settings_file" ] || fail "the installer wrote a settings file"

expected_entry=(
  "DisplayName=Ostrevin"
  "DisplayVersion=$version"
  "Publisher=The Ostrevin team"
  "DisplayIcon=$installed_exe_win,0"
  "InstallLocation=$install_dir_win"
  "UninstallString=\"$install_dir_win\\ostrevin-uninstall.exe\""
  "QuietUninstallString=\"$install_dir_win\\ostrevin-uninstall.exe\" /S"
  "NoModify=0x1"
  "NoRepair=0x1"
)
for pair in "${expected_entry[@]}"; do
  name=${pair%%=*}
  want=${pair#*=}
  got=$(reg_value "$uninstall_key" "$name") || fail "the list entry has no $name"
  [ "$got" = "$want" ] || fail "the list entry's $name is \"$got\", not \"$want\""
done
size_kb=$(($(reg_value "$uninstall_key" EstimatedSize)))
files_kb=$((($(stat -c %s "$installed_exe") + $(stat -c %s "$uninstaller")) / 1024))
[ "$size_kb" -ge "$files_kb" ] && [ "$size_kb" -le $((files_kb + 8)) ] ||
  fail "the list entry's size is $size_kb KB, the files take $files_kb KB"

run_value=$(reg_value "$run_key" Ostrevin) || fail "no logon start"
[ "$run_value" = "\"$installed_exe_win\"" ] || fail "the logon start is $run_value"

wine start "$shortcut_win" </dev/null >/dev/null 2>&1 || fail "the shortcut does not start"
wait_for 30 installed_copy_runs || fail "the shortcut did not start the installed program"
# The program's settings check their autostart box when the value is its own
# path, as the system reports it, in quotation marks, letter case included.
[ "$run_value" = "\"$(running_copies | head -n 1)\"" ] ||
  fail "the logon start $run_value is not the running program's path"

log_off || fail "the installed program did not end at logoff"
[ -f "$settings_file" ] || fail "the program wrote no settings file beside itself"
[ -n "$(ini_value Common LessLen)" ] || fail "the settings file has no lesson length"

echo "PASS: installed silently with shortcut, list entry and logon start; the program runs from there and saves beside itself"
