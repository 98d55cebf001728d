# Sourced by the shell tests: waiting for a condition, and reading a settings
# file as the program writes it (CRLF lines, sections and keys matched without
# regard to case).

# wait_for <seconds> <command...>: polls the command until it succeeds or the
# time is up.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# ini_value_in <file> <section> <key>: the key's value ("" when absent).
ini_value_in() {
  awk -v want="[$2]" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower(want); next }
    inside && index(tolower($0), tolower(key) "=") == 1 { print substr($0, length(key) + 2); exit }' "$1"
}

# A real NTP server for the tests: chronyd from Debian's packages on
# 127.0.0.1 at a free high port, its time shifted by faketime, never touching
# this machine's clock (-x).
# start_time_server <shift> <folder>: shift as faketime takes it ("+37s",
# "+2d"); sets time_server_port once the server answers. stop_time_server ends
# it by the pid in its pidfile (faketime runs chronyd as its child).
udp_port_in_use() {
  grep -qi ":$(printf '%04X' "$1") " /proc/net/udp /proc/net/udp6 2>/dev/null
}

start_time_server() {
  time_server_folder=$2
  command -v chronyd >/dev/null && command -v faketime >/dev/null || {
    echo "chrony and faketime are missing (scripts/setup.sh installs them)" >&2
    return 1
  }
  time_server_port=$((20000 + RANDOM % 20000))
  while udp_port_in_use "$time_server_port"; do time_server_port=$((time_server_port + 1)); done
  cat >"$time_server_folder/chrony.conf" <<CONF
port $time_server_port
cmdport 0
bindaddress 127.0.0.1
allow 127.0.0.1
local stratum 8
driftfile $time_server_folder/drift
pidfile $time_server_folder/chronyd.pid
CONF
  faketime -f "$1" chronyd -x -d -u root -f "$time_server_folder/chrony.conf" \
    >"$time_server_folder/chronyd.log" 2>&1 &
  time_server_faketime=$!
  time_server_serving() {
    [ -s "$time_server_folder/chronyd.pid" ] && udp_port_in_use "$time_server_port"
  }
  wait_for 20 time_server_serving
}

stop_time_server() {
  [ -n "${time_server_folder:-}" ] || return 0
  local pid
  pid=$(cat "$time_server_folder/chronyd.pid" 2>/dev/null || true)
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  if [ -n "${time_server_faketime:-}" ]; then wait "$time_server_faketime" 2>/dev/null || true; fi
  time_server_faketime=
  time_server_not_serving() { ! udp_port_in_use "$time_server_port"; }
  wait_for 20 time_server_not_serving
}
