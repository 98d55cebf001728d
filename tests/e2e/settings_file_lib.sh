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

