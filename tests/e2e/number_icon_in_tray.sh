#!/usr/bin/env bash
# End to end under Wine: the real ostrevin.exe, started while lesson 1 of its
# settings file is going on, shows two icons in the notification area: its
# own and, 20 pixels to the right, the lesson number: a blue square in a
# white frame with a white "1". The tray menu's "Показывать номер текущего
# урока" takes the number away and writes ShowCurrNo=0 at once.
#
# Usage: number_icon_in_tray.sh <path of ostrevin.exe>
# Needs DISPLAY (scripts/test.sh sets it). With OSTREVIN_SCREENSHOTS=1 it also
# saves screenshots into build/screenshots/, the number icon enlarged among
# them.
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
shot_prefix=e2e-number

# Wine's clock cannot be set: lesson 1 starts a minute before now, and lasts
# long enough for the whole script. In the first minute of a day that minute
# would be yesterday's.
while [ "$(date +%H%M)" = 0000 ]; do sleep 1; done
start=$(date -d '-1 min' +%H:%M:00)
weekday=$(date +%u)
{
  # The lesson's slot is enabled today when today has a timetable row.
  [ "$weekday" -le 5 ] && printf '%s\r\n' "[$weekday]" '1=1'
  printf '%s\r\n' '[Times]' "1=$start" \
    '[Common]' 'ShowCurrNo=1' 'bOfferExit=0' 'bWarnBeforeLesson=0' '[Sounds]' 'AllSndsOFF=1'
} >"$ini"

screen="$work/screen.png"
# The pixels of the tray's second icon's column, "x,y: (r,g,b) ..." a line.
second_icon_pixels() {
  import -window root "$screen" 2>/dev/null
  convert "$screen" -crop "24x${tray_height}+$((tray_left + 21))+${tray_top}" +repage txt:- |
    tail -n +2
}

# The blue square: its bounding box, the number of white pixels in it (the
# digit) and whether the pixels round it are white (the frame; on Wine's white
# tray it looks the same as the background, the Wine tests of the icon read
# it from the picture itself).
read_blue_square() {
  second_icon_pixels | awk -F'[,: ()]+' '
    { key = $1 "," $2; colour[key] = $3 "," $4 "," $5 }
    $3 == 0 && $4 == 0 && $5 == 255 {
      if (n++ == 0 || $1 < l) l = $1; if ($1 > r) r = $1
      if (n == 1 || $2 < t) t = $2; if ($2 > b) b = $2
    }
    END {
      if (n == 0) { print "none"; exit }
      white = 0; frame = 1
      for (y = t; y <= b; y++) for (x = l; x <= r; x++) if (colour[x "," y] == "255,255,255") white++
      for (x = l - 1; x <= r + 1; x++) {
        if (colour[x "," (t - 1)] != "255,255,255" || colour[x "," (b + 1)] != "255,255,255") frame = 0
      }
      for (y = t; y <= b; y++) {
        if (colour[(l - 1) "," y] != "255,255,255" || colour[(r + 1) "," y] != "255,255,255") frame = 0
      }
      print (r - l + 1) "x" (b - t + 1), white, frame
    }'
}

two_icons() {
  read -r size digit frame < <(read_blue_square)
  [ "$size" = 14x14 ]
}

start_program
find_tray
wait_for 20 two_icons || fail "no blue square beside the program's icon (found: $(read_blue_square))"
read -r size digit frame < <(read_blue_square)
[ "$frame" = 1 ] || fail "the blue square has no white frame"
[ "$digit" -ge 10 ] || fail "the blue square holds no white digit ($digit white pixels)"
shot 1-started
if [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ]; then
  convert "$screen" -crop "24x${tray_height}+$((tray_left + 21))+${tray_top}" +repage -scale 800% \
    "$repo_root/build/screenshots/$shot_prefix-icon-enlarged.png"
fi

# The second item of the menu, below the default item.
open_tray_menu
shot menu
choose_menu_item 1
switched_off() { [ "$(value_of Common ShowCurrNo)" = 0 ]; }
wait_for 10 switched_off || fail "ShowCurrNo is \"$(value_of Common ShowCurrNo)\" after switching the number off"
no_blue_square() { [ "$(read_blue_square)" = none ]; }
wait_for 10 no_blue_square || fail "the lesson number stayed in the tray after switching it off"
program_ended && fail "the program ended when the number was switched off"
shot 2-switched-off

exit_through_menu
[ "$(value_of Common ShowCurrNo)" = 0 ] || fail "ShowCurrNo is not 0 after the end"
echo "PASS: two icons, the lesson number a blue square with a white frame and a white digit," \
  "taken away by the menu, which saved ShowCurrNo=0 at once"
