# Sourced by the shell tests that run the program at other screen scalings:
# Wine's scaling is the LogPixels value of the user's desktop and of the
# current configuration's fonts; Wine processes started afterwards take it.
# The values found at the first change are put back by restore_screen_scaling
# (call it from the EXIT trap).

scaling_keys=('HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts')
saved_scaling=()

# The LogPixels DWORD under a key, in decimal; empty when it is not there.
log_pixels_of() {
  local hex
  hex=$(wine reg query "$1" /v LogPixels 2>/dev/null | tr -d '\r' |
    awk '$1 == "LogPixels" { print $3 }' || true)
  [ -n "$hex" ] && printf '%d\n' "$hex"
  return 0
}

# set_screen_scaling <dpi>: 96 is 100 %, 120 125 %, 144 150 %, 192 200 %.
set_screen_scaling() {
  local key
  if [ ${#saved_scaling[@]} -eq 0 ]; then
    for key in "${scaling_keys[@]}"; do saved_scaling+=("$(log_pixels_of "$key")."); done
  fi
  for key in "${scaling_keys[@]}"; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  done
}

restore_screen_scaling() {
  local index value
  [ ${#saved_scaling[@]} -eq 0 ] && return 0
  for index in "${!scaling_keys[@]}"; do
    value=${saved_scaling[$index]%.}
    if [ -n "$value" ]; then
      wine reg add "${scaling_keys[$index]}" /v LogPixels /t REG_DWORD /d "$value" /f >/dev/null 2>&1
    else
      wine reg delete "${scaling_keys[$index]}" /v LogPixels /f >/dev/null 2>&1 || true
    fi
  done
  saved_scaling=()
}
