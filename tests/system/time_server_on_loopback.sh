#!/usr/bin/env bash
# The program's time server client under Wine against a real NTP server from
# Debian's packages: chronyd, its time shifted 37 s ahead by faketime, on
# 127.0.0.1 at a high port, never touching this machine's clock (-x), started
# and ended by this test. Then the same port once the server is gone: no
# answer, and the client says so.
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

command -v chronyd >/dev/null && command -v faketime >/dev/null ||
  fail "chrony and faketime are missing (scripts/setup.sh installs them)"

work=$(mktemp -d)
# faketime runs chronyd as its child: the server is ended by the pid in its
# pidfile, and faketime with it.
stop_server() {
  local pid
  pid=$(cat "$work/chronyd.pid" 2>/dev/null || true)
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  if [ -n "${faketime_pid:-}" ]; then wait "$faketime_pid" 2>/dev/null || true; fi
  faketime_pid=
}
cleanup() {
  stop_server
  rm -rf "$work"
}
trap cleanup EXIT

# A high port that nothing listens on now.
port_in_use() { grep -qi ":$(printf '%04X' "$1") " /proc/net/udp /proc/net/udp6 2>/dev/null; }
port=$((20000 + RANDOM % 20000))
while port_in_use "$port"; do port=$((port + 1)); done

cat >"$work/chrony.conf" <<CONF
port $port
cmdport 0
bindaddress 127.0.0.1
allow 127.0.0.1
local stratum 8
driftfile $work/drift
pidfile $work/chronyd.pid
CONF

faketime -f "+37s" chronyd -x -d -u root -f "$work/chrony.conf" >"$work/chronyd.log" 2>&1 &
faketime_pid=$!
serving() { [ -s "$work/chronyd.pid" ] && port_in_use "$port"; }
wait_for 20 serving || fail "chronyd did not start: $(cat "$work/chronyd.log")"

answer=$(wine "$probe" "127.0.0.1:$port" </dev/null 2>/dev/null | tr -d '\r') || true
difference=${answer#difference_ms=}
[[ "$answer" == difference_ms=* ]] || fail "the server 37 s ahead was not heard: \"$answer\""
[ "$difference" -ge 36000 ] && [ "$difference" -le 38000 ] ||
  fail "the server is 37 s ahead, the client says $difference ms"

stop_server
port_free() { ! port_in_use "$port"; }
wait_for 20 port_free || fail "chronyd did not end"

silence=$(wine "$probe" "127.0.0.1:$port" </dev/null 2>/dev/null | tr -d '\r') && rc=0 || rc=$?
[ "$silence" = "no answer" ] && [ "$rc" = 1 ] ||
  fail "a port without a server gave \"$silence\" (exit $rc)"

echo "PASS: chronyd 37 s ahead on 127.0.0.1:$port gave $difference ms; without it, no answer"
