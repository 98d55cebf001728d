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
