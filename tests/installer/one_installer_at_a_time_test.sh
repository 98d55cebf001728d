#!/usr/bin/env bash
# One installer at a time: while a first one runs (its wizard open), a second
# wizard says so and, told Cancel, ends without a change; a silent one waits
# and installs once the first has ended.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

windows_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
has_window_named() {
  [ -n "$(windows_named "$1")" ]
}

wine "$setup" </dev/null >/dev/null 2>&1 &
first=$!
second=
end_setups() {
  local setup_pid
  for setup_pid in $first $second; do kill "$setup_pid" 2>/dev/null || true; done
}
trap 'end_setups; end_test' EXIT
# The first wizard asks for its language in a window named as the program.
wait_for 60 has_window_named Ostrevin || fail "the first installer showed no wizard"

wine "$setup" </dev/null >/dev/null 2>&1 &
second=$!
second_ended() { ! kill -0 "$second" 2>/dev/null; }
wait_for 60 has_window_named 'Ostrevin Setup' || fail "the second wizard did not say that one already runs"
[ "$(xdotool search --onlyvisible --name '^Ostrevin$' 2>/dev/null | wc -l)" = 1 ] ||
  fail "the second wizard went on beside the first"
box=$(windows_named 'Ostrevin Setup')
xdotool windowfocus "$box"
xdotool key --clearmodifiers Escape
wait_for 20 second_ended || fail "Cancel did not end the second installer"
second=

run_setup /S &
second=$!
wait_for 20 has_window_named Ostrevin || fail "the first wizard is gone"
[ ! -e "$installed_exe" ] || fail "the silent installer installed beside the running wizard"
kill "$first"
wait "$first" 2>/dev/null || true
first=
wait "$second" || fail "the silent installer failed after the first ended"
second=
cmp -s "$installed_exe" "$built_exe" || fail "the silent installer did not install once the first had ended"

echo "PASS: a second installer refused beside the first, and a silent one waited for it"
