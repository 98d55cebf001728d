# Sourced by the installer tests. Each test script is called as
#   <script> <setup.exe> <ostrevin.exe it installs> <running_copies.exe> <version>
# and runs under the project's Wine prefix on the test display (scripts/test.sh
# gives both). This file names the places of an installation in the prefix,
# reads them, and starts and ends the installed program.
set -euo pipefail

setup=$1
built_exe=$2
running_copies=$3
version=$4

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/tests/support/shell_helpers.sh"

readonly uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ostrevin'
readonly run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ -z "${DISPLAY:-}" ]; then
  fail "no X display (run through scripts/test.sh, which starts one)"
fi

# The Windows value of an environment variable in the prefix.
windows_variable() {
  wine cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'
}

local_app_data=$(windows_variable LOCALAPPDATA)
app_data=$(windows_variable APPDATA)
readonly install_dir_win="$local_app_data\\Programs\\Ostrevin"
readonly installed_exe_win="$install_dir_win\\ostrevin.exe"
readonly shortcut_win="$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Ostrevin.lnk"
install_dir=$(winepath -u "$install_dir_win" 2>/dev/null)
install_dir=${install_dir%/}
shortcut=$(winepath -u "$shortcut_win" 2>/dev/null)
readonly install_dir shortcut
readonly installed_exe="$install_dir/ostrevin.exe"
readonly uninstaller="$install_dir/ostrevin-uninstall.exe"
readonly settings_file="$install_dir/ostrevin.INI"

# reg_value <key> <name>: the data of a registry value; fails when it is missing.
reg_value() {
  local listing
  listing=$(wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r') || return 1
  sed -n "s/^    $2    REG_[A-Z_]*    //p" <<<"$listing"
}

reg_key_exists() {
  wine reg query "$1" </dev/null >/dev/null 2>&1
}

set_run_value() {
  wine reg add "$run_key" /v Ostrevin /d "$1" /f </dev/null >/dev/null 2>&1
}

# The program files of the copies of Ostrevin that are up, one a line.
running_copies() {
  wine "$running_copies" </dev/null 2>/dev/null | tr -d '\r'
}

installed_copy_runs() {
  running_copies | grep -Fxq "$installed_exe_win"
}

# Ends every running copy the way Windows does at logoff.
log_off() {
  wine "$running_copies" --log-off </dev/null >/dev/null 2>&1
}

# Starts the installed program from its folder; its process id in $copy_pid.
start_installed_copy() {
  (cd "$install_dir" && exec wine "$installed_exe_win" </dev/null >/dev/null 2>&1) &
  copy_pid=$!
  wait_for 30 installed_copy_runs || fail "the installed program did not start"
}

copy_ended() {
  ! kill -0 "$copy_pid" 2>/dev/null
}

run_setup() {
  wine "$setup" "$@" </dev/null >/dev/null 2>&1
}

# No installation, no logon start and no running copy: where every test starts
# and what it leaves.
remove_installation() {
  log_off || true
  rm -rf "$install_dir" "$shortcut"
  wine reg delete "$uninstall_key" /f </dev/null >/dev/null 2>&1 || true
  wine reg delete "$run_key" /v Ostrevin /f </dev/null >/dev/null 2>&1 || true
}

copy_pid=
end_test() {
  remove_installation
  if [ -n "$copy_pid" ] && kill -0 "$copy_pid" 2>/dev/null; then kill "$copy_pid" 2>/dev/null || true; fi
}
trap end_test EXIT
remove_installation

# A settings file as a teacher's program left it: an edited timetable, and
# only some of the keys the program writes, so that a file the program saved
# again can be told from it.
write_edited_timetable() {
  printf '%s\r\n' \
    '[1]' '2=1' '[3]' '6=1' \
    '[Times]' '1=7:45:00' '6=13:10:00' \
    '[Common]' 'LessLen=400' 'ShowCurrNo=0' \
    >"$settings_file"
}

# ini_value <section> <key>: a value of the installed program's settings file.
ini_value() {
  ini_value_in "$settings_file" "$1" "$2"
}

# The edited timetable is there, in a file the program itself wrote at its
# end (it writes every key of [Common], ten of them).
expect_edited_timetable_saved() {
  [ -f "$settings_file" ] || fail "the settings file is gone"
  [ "$(ini_value 1 2)" = 1 ] || fail "Monday's lesson 2 was switched off"
  [ "$(ini_value 3 6)" = 1 ] || fail "Wednesday's lesson 6 was switched off"
  [[ "$(ini_value Times 1)" =~ (^|[^0-9])0?7:45:00 ]] || fail "start time 1 is \"$(ini_value Times 1)\""
  [[ "$(ini_value Times 6)" =~ (^|[^0-9])(13|0?1):10:00 ]] || fail "start time 6 is \"$(ini_value Times 6)\""
  [ "$(ini_value Common LessLen)" = 400 ] || fail "the lesson length is \"$(ini_value Common LessLen)\""
  local common_keys
  common_keys=$(awk '{ sub(/\r$/, "") } /^\[/ { inside = tolower($0) == "[common]"; next }
                     inside && /=/ { n++ } END { print n + 0 }' "$settings_file")
  [ "$common_keys" = 10 ] || fail "the program did not save its settings at its end ([Common] has $common_keys keys)"
}
