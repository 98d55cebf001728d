# Sourced by the end-to-end scripts: the project's Wine, the real program in a
# folder of its own, and the windows of the test display seen through xdotool.
# The caller sets `exe` (the built ostrevin.exe) and, where it needs it,
# `probe` (e2e_probe.exe: files, boxes, controls, ticks and the clipboard)
# before sourcing.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/tests/support/shell_helpers.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "FAIL: no X display (run through scripts/test.sh, which starts one)" >&2
  exit 1
fi

work=$(mktemp -d)
ini="$work/ostrevin.INI"
pid=
shot_prefix=e2e

cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  stop_time_server || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  shot failure
  exit 1
}

# shot <name>: with OSTREVIN_SCREENSHOTS=1, the whole screen into build/screenshots/.
shot() {
  [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ] || return 0
  mkdir -p "$repo_root/build/screenshots"
  import -window root "$repo_root/build/screenshots/$shot_prefix-$1.png" 2>/dev/null || true
}

# The X windows shown now, one id a line.
visible_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | sort || true
}

# x y width height of an X window.
geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '
    $1 == "X" { x = $2 } $1 == "Y" { y = $2 } $1 == "WIDTH" { w = $2 } $1 == "HEIGHT" { h = $2 }
    END { print x, y, w, h }'
}

tray_window() {
  xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1
}

# The timer window: "Ostrevin", 225 x 299 (the application's own window of
# the same name has no size).
timer_window() {
  local window
  for window in $(xdotool search --onlyvisible --name '^Ostrevin$' 2>/dev/null); do
    read -r _ _ w h < <(geometry "$window")
    if [ "$w" = 225 ] && [ "$h" = 299 ]; then
      echo "$window"
      return 0
    fi
  done
  return 1
}

no_timer_window() {
  ! xdotool search --onlyvisible --name '^Ostrevin$' >/dev/null 2>&1
}

program_ended() {
  ! kill -0 "$pid" 2>/dev/null
}

# write_settings <line...>: the settings file beside the program, CRLF lines.
write_settings() {
  printf '%s\r\n' "$@" >"$ini"
}

# write_unicode_settings <line...>: the settings file in UTF-16 with its
# byte-order mark, which the profile functions keep, so that Cyrillic schedule
# names survive whatever the system's code page.
write_unicode_settings() {
  { printf '\xFF\xFE'; printf '%s\r\n' "$@" | iconv -f UTF-8 -t UTF-16LE; } >"$ini"
}

# unicode_value_of <section> <key>: a value of the UTF-16 settings file.
unicode_value_of() {
  local text="$work/ini-utf8.txt"
  iconv -f UTF-16 -t UTF-8 "$ini" >"$text"
  ini_value_in "$text" "$1" "$2"
}

# ticks <count>: that many ticks of the program's timer, handed to it at once.
ticks() {
  wine "$probe" ticks "$1" </dev/null >/dev/null 2>>"$work/wine.log" ||
    fail "the program's timer window did not take $1 ticks"
}

# The lesson number icon, the second in the notification area (find_tray
# first).
screen="$work/screen.png"
# The pixels of the tray's second icon's column, "x,y: (r,g,b) ..." a line.
second_icon_pixels() {
  import -window root "$screen" 2>/dev/null
  convert "$screen" -crop "24x${tray_height}+$((tray_left + 21))+${tray_top}" +repage txt:- |
    tail -n +2
}

# The awk program's first part for the second icon's pixels: each pixel's
# colour by "x,y", and the blue square's bounds l, r, t, b (n blue pixels).
find_blue_square='
    { key = $1 "," $2; colour[key] = $3 "," $4 "," $5 }
    $3 == 0 && $4 == 0 && $5 == 255 {
      if (n++ == 0 || $1 < l) l = $1; if ($1 > r) r = $1
      if (n == 1 || $2 < t) t = $2; if ($2 > b) b = $2
    }
'

# The blue square: its bounding box, the number of white pixels in it (the
# digit) and whether the pixels round it are white (the frame; on Wine's white
# tray it looks the same as the background, the Wine tests of the icon read
# it from the picture itself).
read_blue_square() {
  second_icon_pixels | awk -F'[,: ()]+' "$find_blue_square"'
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

# The white pixels of the blue square, the number the icon shows: a line of
# "#" and "." for each row of the square, "none" without a square.
number_icon_mask() {
  second_icon_pixels | awk -F'[,: ()]+' "$find_blue_square"'
    END {
      if (n == 0) { print "none"; exit }
      for (y = t; y <= b; y++) {
        line = ""
        for (x = l; x <= r; x++) line = line (colour[x "," y] == "255,255,255" ? "#" : ".")
        print line
      }
    }'
}

# The number icon's masks of what it shows, as Wine draws its bold "MS Sans
# Serif" in the 14-pixel square (measured with number_icon_mask).
mask_of_digit_0='.............. ......##...... .....#####.... ....##..##.... ....##..##.... ....##..###... ....##..###... ....##..###... ....##..##.... ....######.... .....####..... .............. .............. ..............'
mask_of_digit_3='.............. .....###...... ....######.... ........##.... ........##.... .....####..... .....#####.... ........##.... ........##.... ....##.###.... ....#####..... .............. .............. ..............'
mask_of_dashes='.............. .............. .............. .............. .............. .............. ...###..###... ...###..###... .............. .............. .............. .............. .............. ..............'
mask_of_break='.............. .............. ....##..##.... ....##..##.... ....##..##.... ....##..##.... ....##..##.... ....##..##.... ....##..##.... ....##..##.... ....##..##.... .............. .............. ..............'

# number_icon_shows <mask>: whether the icon's mask is that one.
number_icon_shows() {
  [ "$(number_icon_mask | tr '\n' ' ' | sed 's/ $//')" = "$1" ]
}

# The colour "r,g,b" of the screen at a point.
pixel_at() {
  import -window root "$screen" 2>/dev/null
  convert "$screen" -crop "1x1+$1+$2" +repage txt:- | tail -n 1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# The colour of the timer window's pie at three o'clock, halfway out: green,
# black or red while a lesson has run past a quarter of an hour, white when
# the pie is empty.
pie_colour() {
  local window x y _w _h
  window=$(timer_window) || { echo "no window"; return; }
  read -r x y _w _h < <(geometry "$window")
  pixel_at $((x + 112 + 56)) $((y + 24 + 112))
}

# The minute of the day, and its clock text.
minute_now() {
  echo $((10#$(date +%H) * 60 + 10#$(date +%M)))
}
clock_text() {
  printf '%02d:%02d' $(($1 / 60)) $(($1 % 60))
}

# next_lesson_minute: a minute of today at least 25 seconds ahead, for a lesson
# to begin on while the program is already running.
next_lesson_minute() {
  local seconds=$((10#$(date +%H) * 3600 + 10#$(date +%M) * 60 + 10#$(date +%S)))
  local minute=$((seconds / 60 + 1))
  [ $((minute * 60 - seconds)) -ge 25 ] || minute=$((minute + 1))
  echo "$minute"
}

# wait_for_minute <minute of the day>: until the clock reaches it.
wait_for_minute() {
  local target=$1
  until [ "$(minute_now)" -ge "$target" ]; do sleep 0.2; done
}

# start_program: the program, copied into the work folder, started there in the
# background; its process id in `pid`.
start_program() {
  cp "$exe" "$work/ostrevin.exe"
  (cd "$work" && exec wine ostrevin.exe </dev/null >>"$work/wine.log" 2>&1) &
  pid=$!
}

# find_tray: waits for the notification area and sets tray_left, tray_top,
# tray_height and icon_x, icon_y, a point where a click reaches the first
# icon (the program's). Wine's tray has its icons 20 pixels apart, each a
# square as high as the tray.
find_tray() {
  wait_for 30 tray_window >/dev/null || fail "the notification area did not appear"
  local width
  read -r tray_left tray_top width tray_height < <(geometry "$(tray_window)")
  icon_x=$((tray_left + tray_height / 2))
  icon_y=$((tray_top + tray_height / 2))
}

# open_tray_menu: a right click on the program's icon; sets menu to the menu's
# window, with mx my mw mh its place and size. The icon's tooltip may show up
# too, as a window of its own: the menu is the new window tall enough for its
# five items.
open_tray_menu() {
  local before
  before=$(visible_windows)
  xdotool mousemove "$icon_x" "$icon_y" click 3
  menu=
  new_menu() {
    local window _x _y _w h
    for window in $(comm -13 <(echo "$before") <(visible_windows)); do
      read -r _x _y _w h < <(geometry "$window")
      if [ "$h" -ge 60 ]; then
        menu=$window
        return 0
      fi
    done
    return 1
  }
  # A click that comes while the tray is busy with another icon of the
  # program (the lesson number's just switched off) can be lost: it is
  # given twice more.
  local tries=1
  until wait_for 5 new_menu; do
    [ "$tries" -lt 3 ] || fail "a right click on the tray icon opened no menu"
    tries=$((tries + 1))
    xdotool mousemove "$icon_x" "$icon_y" click 3
  done
  read -r mx my mw mh < <(geometry "$menu")
  # The menu is drawn before it follows the mouse: a click at once can be lost.
  sleep 0.5
}

# The tray menu: "Показать", "Показывать номер текущего урока", "Настройки",
# "Звонок прозвенел", a separator, "Выход". Wine draws it with a 3-pixel frame
# and a separator 9 pixels high; the items share the rest.
tray_menu_items=5
# menu_item_y <index>: the middle of an item above the separator (0 the first).
menu_item_y() {
  local item_height=$(((mh - 6 - 9) / tray_menu_items))
  echo $((my + 3 + item_height * $1 + item_height / 2))
}

# choose_menu_item <index>: a click on an item above the separator. Waits for
# the menu to close, so that the next menu is a window seen anew.
choose_menu_item() {
  xdotool mousemove $((mx + mw / 3)) "$(menu_item_y "$1")" click 1
  wait_for 10 menu_closed || fail "the tray menu stayed open"
}

# choose_exit: "Выход", the last item of the open menu; waits for the end.
choose_exit() {
  xdotool mousemove $((mx + mw / 3)) $((my + mh - 8)) click 1
  wait_for 30 program_ended || fail "\"Выход\" did not end the program"
  pid=
}

exit_through_menu() {
  open_tray_menu
  choose_exit
}

# value_of <section> <key>: the value in the settings file ("" when absent).
value_of() {
  ini_value_in "$ini" "$1" "$2"
}

expect_value() {
  local got
  got=$(value_of "$1" "$2")
  [ "$got" = "$3" ] || fail "[$1] $2 is \"$got\", not \"$3\""
}

# The settings dialog, shown.
settings_window() {
  xdotool search --onlyvisible --name '^Настройки$' 2>/dev/null | head -n 1
}

dialog_closed() {
  [ -z "$(settings_window)" ]
}

# keys <key...>: pressed one by one in the active window, each given time to act.
keys() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
}

menu_closed() {
  ! visible_windows | grep -qx "$menu"
}

# open_settings_dialog: "Настройки" in the tray menu; waits for the dialog
# and gives it the focus, which starts on its first control. The dialog's
# X window is in `dialog`.
open_settings_dialog() {
  open_tray_menu
  choose_menu_item 2
  wait_for 20 settings_window >/dev/null || fail "\"Настройки\" in the tray menu opened no dialog"
  dialog=$(settings_window)
  xdotool windowfocus "$dialog"
  sleep 0.5
}

# controls_of <title>: the controls of the program's visible windows with that
# title, read with the probe (its path in `probe`):
# a line "window <class> <width> <height>" for each window, then one line for
# each control: class, visible, enabled, check (0, 1 or -), left, top,
# right, bottom on the screen, and text, tab-separated.
controls_of() {
  wine "$probe" controls "$1" 2>/dev/null | tr -d '\r' || true
}

# control_line <title> <class> <text>: the line of the first visible control
# of that class (any letter case) and text.
control_line() {
  # Through the environment: awk's -v would turn the "\n" of a text into a
  # line break.
  controls_of "$1" | class=$2 text=$3 awk -F'\t' '
    tolower($1) == tolower(ENVIRON["class"]) && $2 == 1 && $9 == ENVIRON["text"] { print; exit }'
}

# click_control <title> <class> <text>: a click in the middle of that control.
click_control() {
  local line left top right bottom
  line=$(control_line "$@")
  [ -n "$line" ] || fail "\"$1\" shows no $2 \"$3\""
  read -r left top right bottom < <(awk -F'\t' '{ print $5, $6, $7, $8 }' <<<"$line")
  xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
  sleep 0.3
}

# check_state <title> <text>: 1 or 0, whether the check box or radio button
# with that text is checked (on any tab).
check_state() {
  controls_of "$1" |
    text=$2 awk -F'\t' 'tolower($1) == "button" && $9 == ENVIRON["text"] { print $4; exit }'
}

expect_checked() {
  local got
  got=$(check_state Настройки "$1")
  [ "$got" = "$2" ] || fail "\"$1\" shows checked=\"$got\", not $2"
}

# choose_tab <index>: the settings dialog's tab at that index (0 the
# timetable's, 1 "Общие", 2 "Звуки", 3 "Звонки", 4 "О программе") chosen
# with the probe: a page's controls are made when its tab is first shown.
choose_tab() {
  wine "$probe" tab Настройки "$1" </dev/null >/dev/null 2>>"$work/wine.log" ||
    fail "the settings dialog's tab $1 could not be chosen"
  sleep 0.5
}

# The program's own message box (the error report, a question), titled
# "Ostrevin" like the hidden timer window but of the system's dialog class.
message_box_shown() {
  controls_of Ostrevin | grep -q $'^window\t#32770'
}

no_message_box() {
  ! message_box_shown
}

# The text of the program's message box now shown.
message_box_text() {
  controls_of Ostrevin | awk -F'\t' '
    $1 == "window" { box = $2 == "#32770"; next }
    box && tolower($1) == "static" && $9 != "" { print $9 }'
}

# choose_in_file_dialog <title> <file>: waits for the system's file dialog of
# that title and gives it the file's Windows name.
choose_in_file_dialog() {
  local title=$1 name
  name=$(winepath -w "$2" 2>/dev/null)
  file_dialog() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1; }
  wait_for 20 file_dialog >/dev/null || fail "no file dialog \"$title\""
  xdotool windowfocus "$(file_dialog)"
  sleep 0.5
  xdotool type --delay 20 "$name"
  xdotool key Return
  file_dialog_closed() { [ -z "$(file_dialog)" ]; }
  wait_for 20 file_dialog_closed || fail "the file dialog \"$title\" stayed open"
}

# import_settings <file>: "Открыть настройки..." in the dialog, the file
# chosen in the system's open dialog.
import_settings() {
  click_control Настройки Button 'Открыть\nнастройки...'
  choose_in_file_dialog "Открыть настройки" "$1"
  sleep 0.5
}

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# keep_run_value: the test prefix's own autostart entry is taken away for the
# test and put back as it was at the end.
keep_run_value() {
  saved_run=$(wine reg query "$run_key" /v Ostrevin 2>/dev/null | tr -d '\r' | grep -F REG_ || true)
  trap 'restore_run; cleanup' EXIT
  wine reg delete "$run_key" /v Ostrevin /f >/dev/null 2>&1 || true
}

restore_run() {
  wine reg delete "$run_key" /v Ostrevin /f >/dev/null 2>&1 || true
  if [ -n "$saved_run" ]; then
    wine reg add "$run_key" /v Ostrevin /t REG_SZ /d "$(sed -E 's/.*REG_[A-Z_]+ +//' <<<"$saved_run")" \
      /f >/dev/null 2>&1 || true
  fi
}

# The school bell's time on the real clock. The lessons these tests need are
# ones the teacher teaches, and the timetable teaches on Monday to Friday
# only: on Saturday and Sunday the school's date is moved on to Monday by a
# time server shifted by days, whose difference the program takes within a
# second of its start. prepare_school_day sets school_weekday (1..5) and
# school_server_line (the settings line naming that server, or empty).
prepare_school_day() {
  school_weekday=$(date +%u)
  school_server_line=
  if [ "$school_weekday" -ge 6 ]; then
    start_time_server "+$((8 - school_weekday))d" "$work" || fail "no time server to reach Monday"
    school_weekday=1
    school_server_line="TimeServer=127.0.0.1:$time_server_port"
  fi
}

# wait_away_from_midnight <minutes>: waits while midnight is less than that
# many minutes away either way, so that a timetable built round the time the
# test runs lies within one day.
wait_away_from_midnight() {
  local minutes
  while :; do
    minutes=$((10#$(date +%H) * 60 + 10#$(date +%M)))
    [ "$minutes" -lt "$1" ] || [ "$minutes" -ge $((1440 - $1)) ] || return 0
    sleep 5
  done
}

# wait_for_second_of_minute <from> <to>: until the clock's seconds are in
# that range.
wait_for_second_of_minute() {
  local second
  while :; do
    second=$((10#$(date +%S)))
    [ "$second" -lt "$1" ] || [ "$second" -gt "$2" ] || return 0
    sleep 0.5
  done
}

# The timer window's place: wx wy.
read_timer_window_place() {
  read -r wx wy _ _ < <(geometry "$(timer_window)")
}

# pie_green_per_mille: the green wedge's share of the pie's disc, in
# thousandths, from a screenshot.
pie_green_per_mille() {
  import -window root "$work/pie.png" 2>/dev/null
  convert "$work/pie.png" -crop "225x225+$wx+$((wy + 24))" +repage -format %c histogram:info:- |
    awk '/\( *0, *128, *0\)/ { green = $1 } /\( *255, *255, *255\)/ { white = $1 }
      END { gsub(":", "", green); gsub(":", "", white); print int(1000 * green / (green + white)) }'
}

# The sounds the program played: run it with start_program_hearing, then
# sounds_played lists the system sound aliases, one a line.
start_program_hearing() {
  WINEDEBUG=-all,trace+winmm start_program
}
sounds_played() {
  grep -o 'SoundName=L"[A-Za-z]*"' "$work/wine.log" 2>/dev/null | sed 's/SoundName=L"//; s/"$//' || true
}
