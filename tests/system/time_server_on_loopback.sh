#!/usr/bin/env bash
# The program's time server client under Wine against a real NTP server from
# Debian's packages: chronyd, its time shifted 37 s ahead by faketime, on
# 127.0.0.1 at a high port, never touching this machine's clock, started and
# ended by this test. Then the same port once the server is gone: no answer,
# and the client says so.
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

start_time_server "+37s" "$work" || fail "chronyd did not start: $(cat "$work/chronyd.log" 2>/dev/null)"
port=$time_server_port

answer=$(wine "$probe" "127.0.0.1:$port" </dev/null 2>/dev/null | tr -d '\r') || true
difference=${answer#difference_ms=}
[[ "$answer" == difference_ms=* ]] || fail "the server 37 s ahead was not heard: \"$answer\""
[ "$difference" -ge 36000 ] && [ "$difference" -le 38000 ] ||
  fail "the server is 37 s ahead, the client says $difference ms"

stop_time_server || fail "chronyd did not end"

silence=$(wine "$probe" "127.0.0.1:$port" </dev/null 2>/dev/null | tr -d '\r') && rc=0 || rc=$?
[ "$silence" = "no answer" ] && [ "$rc" = 1 ] ||
  fail "a port without a server gave \"$silence\" (exit $rc)"

echo "PASS: chronyd 37 s ahead on 127.0.0.1:$port gave $difference ms; without it, no answer"
