# Sourced after e2e_lib.sh by the end-to-end scripts of the settings file:
# the probe (e2e_probe.exe, the caller's `probe`) that holds a file locked as
# a backup or antivirus program does and reads and answers the program's
# message boxes, and the settings dialog with its file dialogs.

holder=

# hold_file <file>: opens the file without sharing from another Wine process
# and returns once it is held; release_file lets it go.
hold_file() {
  local log="$work/holder.log"
  : >"$log"
  wine "$probe" hold "$(winepath -w "$1" 2>/dev/null)" </dev/null >"$log" 2>/dev/null &
  holder=$!
  held() { grep -q held "$log"; }
  wait_for 20 held || fail "could not hold $1"
}

release_file() {
  [ -n "$holder" ] || return 0
  kill "$holder" 2>/dev/null || true
  wait "$holder" 2>/dev/null || true
  holder=
}

# box_texts: the texts of the program's message box (titled "Ostrevin"), one
# a line; fails when none is shown.
box_texts() {
  wine "$probe" box Ostrevin </dev/null 2>/dev/null | tr -d '\r'
  [ "${PIPESTATUS[0]}" = 0 ]
}

box_shown() {
  box_texts >/dev/null
}

box_closed() {
  ! box_shown
}

# answer_box ok|yes|no: presses that button of the program's message box and
# waits for the box to go.
answer_box() {
  wine "$probe" answer Ostrevin "$1" </dev/null >/dev/null 2>&1 || fail "no message box to answer"
  wait_for 20 box_closed || fail "the message box stayed after \"$1\""
}

# The settings dialog, "Настройки", while it is shown.
settings_window() {
  xdotool search --onlyvisible --name '^Настройки$' 2>/dev/null | head -n 1
}

# open_settings_dialog: "Настройки" in the tray menu; sets dialog to the
# dialog's window and client_left, client_top to the screen place of its
# client area.
open_settings_dialog() {
  open_tray_menu
  # "Настройки" is the menu's third item, of four and a separator between
  # borders of three pixels.
  xdotool mousemove $((mx + mw / 3)) $((my + 3 + (mh - 15) * 5 / 8)) click 1
  wait_for 20 settings_window >/dev/null || fail "\"Настройки\" in the tray menu opened no dialog"
  dialog=$(settings_window)
  local x y w h
  read -r x y w h < <(geometry "$dialog")
  # The client area, 441 x 301, sits in the frame's bottom, with the same
  # border left, right and below.
  local border=$(((w - 441) / 2))
  client_left=$((x + border))
  client_top=$((y + h - border - 301))
}

# click_in_dialog <x> <y>: a click at that place of the dialog's client area.
click_in_dialog() {
  xdotool mousemove $((client_left + $1)) $((client_top + $2)) click 1
}

# choose_in_file_dialog <title> <file>: waits for the system's file dialog of
# that title and gives it the file's Windows name.
choose_in_file_dialog() {
  local title=$1 name
  name=$(winepath -w "$2" 2>/dev/null)
  file_dialog() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1; }
  wait_for 20 file_dialog >/dev/null || fail "no file dialog \"$title\""
  xdotool windowfocus "$(file_dialog)"
  sleep 0.5
  xdotool type --delay 20 "$name"
  xdotool key Return
  file_dialog_closed() { [ -z "$(file_dialog)" ]; }
  wait_for 20 file_dialog_closed || fail "the file dialog \"$title\" stayed open"
}
