#!/usr/bin/env bash
# The program's time server client under Wine against a real NTP server from
# Debian's packages: chronyd, its time shifted by faketime, on 127.0.0.1 at a
# high port, never touching this machine's clock, started and ended by this
# test. A server ahead of the computer, one behind it, and one an hour and
# 12 seconds ahead (a computer under the wrong zone rules: the client tells
# the whole difference, the timer window's rule takes the part below the
# hour); then the same port once the server is gone, as a server that stops
# answering mid-day: no answer, and the client says so.
#
# Usage: time_server_on_loopback.sh <path of time_server_probe.exe>
set -euo pipefail
probe=$1
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/tests/support/shell_helpers.sh"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

work=$(mktemp -d)
cleanup() {
  stop_time_server || true
  rm -rf "$work"
}
trap cleanup EXIT

# ask_server <shift> <expected ms>: a server shifted so; the client's answer
# within a second of the expected difference.
ask_server() {
  start_time_server "$1" "$work" || fail "chronyd did not start: $(cat "$work/chronyd.log" 2>/dev/null)"
  port=$time_server_port
  local answer difference
  answer=$(wine "$probe" "127.0.0.1:$port" </dev/null 2>/dev/null | tr -d '\r') || true
  difference=${answer#difference_ms=}
  [[ "$answer" == difference_ms=* ]] || fail "the server shifted $1 was not heard: \"$answer\""
  [ "$difference" -ge $(($2 - 1000)) ] && [ "$difference" -le $(($2 + 1000)) ] ||
    fail "the server is shifted $1, the client says $difference ms"
  heard="$heard $1:${difference}ms"
}

heard=
ask_server "-240s" -240000
stop_time_server || fail "chronyd did not end"
ask_server "+3612s" 3612000
stop_time_server || fail "chronyd did not end"
ask_server "+37s" 37000

stop_time_server || fail "chronyd did not end"

silence=$(wine "$probe" "127.0.0.1:$port" </dev/null 2>/dev/null | tr -d '\r') && rc=0 || rc=$?
[ "$silence" = "no answer" ] && [ "$rc" = 1 ] ||
  fail "a port without a server gave \"$silence\" (exit $rc)"

echo "PASS: chronyd on 127.0.0.1 gave$heard; once gone, no answer"
