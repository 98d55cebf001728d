#!/usr/bin/env bash
# End to end under Wine: while ostrevin.exe saves its settings file at
# "Выход", a watcher copies the file over and over as another program or a
# power cut would find it. Every copy is either the file as it was or the
# whole new file: never half-written, never missing. The new file keeps the
# section and the lines the program does not know, and the file as it was is
# kept beside it as ostrevin.INI.bak.
#
# Usage: settings_file_saved_whole.sh <path of ostrevin.exe> <path of e2e_probe.exe>
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-saved-whole

write_settings \
  '; the class journal keeps its own section here' \
  '[Journal]' 'Class=7B' \
  '[1]' '2=1' \
  '[Common]' 'LessLen=400' 'ShowCurrNo=0' 'bOfferExit=0'
cp "$ini" "$work/original.INI"

# watch: until $work/stop exists, every content the file shows is kept once,
# as seen.<n>; a moment without the file is kept as the word "missing".
watch() {
  local n=0 last= sum
  while [ ! -e "$work/stop" ]; do
    if cp "$ini" "$work/snapshot" 2>/dev/null; then
      sum=$(md5sum <"$work/snapshot")
    else
      echo missing >"$work/snapshot"
      sum=missing
    fi
    if [ "$sum" != "$last" ]; then
      n=$((n + 1))
      cp "$work/snapshot" "$work/seen.$n"
      last=$sum
    fi
  done
}

start_program
find_tray
watch &
watcher=$!
exit_through_menu
touch "$work/stop"
wait "$watcher"

seen=$(ls "$work"/seen.* | wc -l)
for copy in "$work"/seen.*; do
  cmp -s "$copy" "$work/original.INI" || cmp -s "$copy" "$ini" ||
    fail "the file was seen half-written during the save ($(grep -c = "$copy" || true) keys): $(tr -d '\r' <"$copy" | tr '\n' ' ')"
done

key_count() {
  awk -v want="[$1]" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower(want); next }
    inside && /=/ { n++ }
    END { print n + 0 }' "$ini"
}
for section in 1 2 3 4 5 Times; do
  [ "$(key_count "$section")" = 7 ] || fail "section [$section] has $(key_count "$section") keys"
done
[ "$(key_count Common)" = 10 ] || fail "section [Common] has $(key_count Common) keys"
[ "$(key_count Sounds)" = 5 ] || fail "section [Sounds] has $(key_count Sounds) keys"
expect_value 1 2 1
expect_value Common LessLen 400
expect_value Journal Class 7B
grep -q '^; the class journal keeps its own section here' "$ini" || fail "the comment line is gone"
[ -f "$ini.bak" ] || fail "no backup ostrevin.INI.bak beside the settings file"
cmp -s "$ini.bak" "$work/original.INI" || fail "the backup is not the file as it was before the save"
ls "$work" | grep -qi '\.tmp$' && fail "a temporary file was left behind: $(ls "$work")"

echo "PASS: the file was old or whole new in all $seen contents seen, unknown lines kept, backup kept"
