#!/usr/bin/env bash
# Walks the installer's and the uninstaller's wizards under Wine on a virtual
# display, in Russian and in English, with the keyboard as a teacher would,
# and saves a screenshot of every page and question into
# build/screenshots/installer/. A tool for looking at the pages, not a test:
# it waits for each page by time.
#
# Usage: wizard_screenshots.sh   (after a build of build/win32, on a machine
# that runs 32-bit programs: the installer is one)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

setup=$(head -n 1 build/win32/release-files.txt)
running_copies=build/win32/tests/installer/running_copies.exe
shots=build/screenshots/installer
mkdir -p "$shots"

source scripts/wine-env.sh
start_wine_on_virtual_display

local_app_data=$(wine cmd /c echo %LOCALAPPDATA% </dev/null 2>/dev/null | tr -d '\r')
install_dir_win="$local_app_data\\Programs\\Ostrevin"
install_dir=$(winepath -u "$install_dir_win" 2>/dev/null)

shot() {
  sleep 1.5
  import -window root "$shots/$1.png"
  echo "$shots/$1.png"
}
key() {
  xdotool key "$@"
}
log_off() {
  wine "$running_copies" --log-off </dev/null >/dev/null 2>&1 || true
}
wait_until_up() {
  until wine "$running_copies" </dev/null 2>/dev/null | grep -q .; do sleep 0.2; done
}
start_installed_copy() {
  (cd "$install_dir" && exec wine "$install_dir_win\\ostrevin.exe" </dev/null >/dev/null 2>&1) &
  copy_pid=$!
  wait_until_up
}

# walk <language> <keys that choose it in the language dialog>
walk() {
  local language=$1 choose=$2
  log_off
  rm -rf "$install_dir"
  wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ostrevin' /f </dev/null >/dev/null 2>&1 || true

  # A folder Windows protects, given on the command line: refused on the
  # folder page.
  wine "$setup" /D=C:\\Program Files\\Ostrevin </dev/null >/dev/null 2>&1 &
  local setup_pid=$!
  sleep 1
  [ -z "$choose" ] || key $choose
  shot "$language-01-language"
  key Return
  shot "$language-02-welcome"
  key Return
  shot "$language-03-components"
  key Return
  shot "$language-04-folder"
  key Return
  shot "$language-05-protected-folder"
  key Return
  key Escape
  shot "$language-06-cancel-question"
  key Return
  wait "$setup_pid" || true

  # A new installation in the default folder.
  wine "$setup" </dev/null >/dev/null 2>&1 &
  setup_pid=$!
  sleep 1
  [ -z "$choose" ] || key $choose
  key Return
  sleep 1
  key Return Return Return
  shot "$language-07-finish"
  # Leaves "start now" checked: the program starts.
  key Return
  wait "$setup_pid" || true

  # An upgrade over a copy that does not answer, then answers again.
  wait_until_up
  log_off
  start_installed_copy
  kill -STOP "$copy_pid"
  wine "$setup" </dev/null >/dev/null 2>&1 &
  setup_pid=$!
  sleep 1
  key Return Return Return
  sleep 1
  key Return
  sleep 8
  shot "$language-08-still-running"
  kill -CONT "$copy_pid"
  key Return
  shot "$language-09-upgraded-finish"
  key Return
  wait "$setup_pid" || true
  wait_until_up
  log_off

  # The uninstaller, from the list entry, over a running copy with its
  # settings file.
  start_installed_copy
  wine "$install_dir/ostrevin-uninstall.exe" </dev/null >/dev/null 2>&1 &
  sleep 1
  shot "$language-10-uninstall-confirm"
  key Return
  shot "$language-11-uninstall-settings-question"
  key Return
  shot "$language-12-uninstall-finish"
  key Return
  sleep 1
}

walk ru "Down"
walk en ""
ls "$install_dir"
