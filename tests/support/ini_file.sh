# Sourced by the shell tests: reading a settings file as the program writes it
# (CRLF lines, sections and keys matched without regard to case).

# ini_value_in <file> <section> <key>: the key's value ("" when absent).
ini_value_in() {
  awk -v want="[$2]" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower(want); next }
    inside && index(tolower($0), tolower(key) "=") == 1 { print substr($0, length(key) + 2); exit }' "$1"
}
