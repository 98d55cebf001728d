#!/usr/bin/env bash
# End to end under Wine at 100, 125, 150 and 200 % screen scaling (Wine's
# LogPixels 96, 120, 144, 192): the real ostrevin.exe, started during lesson 1
# of its settings file, on a Wine desktop of its own with a taskbar, started
# after the scaling was set so that its notification area follows it too, on
# a virtual display of its own large enough for the 200 % desktop. At each
# scaling:
# - the lesson number in the notification area is a blue square of the tray's
#   icon size (16, 20, 24, 32) less its frame (one pixel up to 20, two from 24);
# - a second start shows the timer window at its scaled size, and F9 begins a
#   lesson in it;
# - F12 opens the settings dialog, at least as large as its scaled client area.
# Then on the small screens of school laptops, where the settings dialog
# must fit wholly, every button in reach: 1280 x 800 at 150 % less its
# taskbar (a Wine desktop of the work area Windows leaves, 1280 x 740: Wine's
# own desktop reserves none for its taskbar), where the dialog is drawn at the
# largest scaling that fits, and 1024 x 768 at 125 %, where it fits at 125 %.
# The scaling the Wine prefix had is put back at the end. With
# OSTREVIN_SCREENSHOTS=1 it keeps in build/screenshots/ for each scaling the
# timer window, the tray enlarged, and every tab of the settings dialog, and
# every tab of the dialog on each small screen.
#
# Usage: screens_at_every_scale.sh <path of ostrevin.exe>
exe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
source "$repo_root/tests/support/screen_scaling.sh"
shot_prefix=scale

# A display of its own: 2560 x 1600 holds the 200 % desktop.
big_display_pid=
start_big_display() {
  source "$repo_root/scripts/display.sh"
  start_virtual_display 2560x1600x24
  big_display_pid=$XVFB_PID
}

# The program of this run, found by its folder: Wine gives a Windows process
# the Unix working folder of its current directory.
program_pid() {
  local proc
  for proc in /proc/[0-9]*; do
    if [ "$(readlink "$proc/cwd" 2>/dev/null)" = "$work" ] &&
      [ "$(cat "$proc/comm" 2>/dev/null)" = ostrevin.exe ]; then
      echo "${proc#/proc/}"
      return 0
    fi
  done
  return 1
}
no_program() { ! program_pid >/dev/null; }
end_program() {
  local running
  running=$(program_pid || true)
  [ -n "$running" ] && kill "$running" 2>/dev/null || true
}

trap 'end_program; restore_screen_scaling; cleanup; [ -n "$big_display_pid" ] && kill "$big_display_pid" 2>/dev/null || true' EXIT
start_big_display

# Lesson 1 began a minute ago: the number icon shows "1". Wine's clock cannot
# be set; in the first minute of a day that minute would be yesterday's.
while [ "$(date +%H%M)" = 0000 ]; do sleep 1; done
weekday=$(date +%u)
{
  [ "$weekday" -le 5 ] && printf '%s\r\n' "[$weekday]" '1=1'
  printf '%s\r\n' '[Times]' "1=$(date -d '-1 min' +%H:%M:00)" \
    '[Common]' 'ShowCurrNo=1' 'bOfferExit=0' 'bWarnBeforeLesson=0' '[Sounds]' 'AllSndsOFF=1'
} >"$ini"
cp "$exe" "$work/ostrevin.exe"

scaled() { echo $((($1 * dpi * 2 + 96) / (96 * 2))); }

# start_on_desktop: the program (or a second start of it) on this scaling's
# Wine desktop (desk_name, desk_w x desk_h), in the background.
start_on_desktop() {
  (cd "$work" && exec wine explorer "/desktop=$desk_name,${desk_w}x${desk_h}" ostrevin.exe \
    </dev/null >>"$work/wine.log" 2>&1) &
}

# The blue square of the lesson number in the notification area: "WxH" of
# the pure blue pixels at the right end of the taskbar, or "none".
screen="$work/screen.png"
tray_square() {
  import -window root "$screen" 2>/dev/null || { echo none; return; }
  convert "$screen" -crop "$((desk_w / 4))x$((desk_h / 8))+$((desk_w * 3 / 4))+$((desk_h * 7 / 8))" \
    +repage txt:- | tail -n +2 | awk -F'[,: ()]+' '
      $3 == 0 && $4 == 0 && $5 == 255 {
        if (n++ == 0) { l = r = $1; t = b = $2 }
        if ($1 < l) l = $1; if ($1 > r) r = $1; if ($2 < t) t = $2; if ($2 > b) b = $2
      }
      END { if (n == 0) print "none"; else print (r - l + 1) "x" (b - t + 1) }'
}
square_is() { [ "$(tray_square)" = "$1" ]; }

# x y width height of an X window on the screen. Wine's windows on its
# desktop are X windows inside the desktop's, for which xdotool counts the
# desktop's own place twice.
placed() {
  xwininfo -id "$1" 2>/dev/null | awk -F: '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /^ *Width/ { w = $2 } /^ *Height/ { h = $2 }
    END { print x + 0, y + 0, w + 0, h + 0 }'
}

# A shown X window of a title and size.
window_of_size() {
  local window
  for window in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    read -r _ _ w h < <(placed "$window")
    if [ "$w" -ge "$2" ] && [ "$h" -ge "$3" ] && [ "$w" -le "$4" ] && [ "$h" -le "$5" ]; then
      echo "$window"
      return 0
    fi
  done
  return 1
}

# shot_window <name> <window>: the screen cut to one window.
shot_window() {
  [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ] || return 0
  local x y w h
  read -r x y w h < <(placed "$2")
  mkdir -p "$repo_root/build/screenshots"
  import -window root "$work/whole.png" 2>/dev/null || return 0
  convert "$work/whole.png" -crop "${w}x${h}+${x}+${y}" +repage \
    "$repo_root/build/screenshots/$shot_prefix-$1.png" 2>/dev/null || true
}

# shoot_every_tab <name> <dialog>: with OSTREVIN_SCREENSHOTS=1, the dialog
# on each of its tabs, "Общие" first, as it opens.
# F12 may come while the timer window still fades in after its showing, and
# on a loaded machine the fade may take the keys back: a click on the
# dialog's caption makes sure it has them.
give_keys_to_dialog() {
  local x y
  read -r x y _ _ < <(placed "$1")
  xdotool mousemove $((x + 60)) $((y + 8)) click 1
  sleep 0.3
}

shoot_every_tab() {
  give_keys_to_dialog "$2"
  sleep 0.5
  shot_window "$1-2-general" "$2"
  # From the first control back to the tabs, then through each tab.
  keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Left
  shot_window "$1-1-timetable" "$2"
  keys Right Right
  shot_window "$1-3-sounds" "$2"
  keys Right
  shot_window "$1-4-bells" "$2"
  keys Right
  shot_window "$1-5-about" "$2"
}

# The program on this scaling's desktop, found by its lesson number in the
# notification area: a blue square of the tray's icon size (16, 20, 24, 32)
# less its frame (one pixel up to 20, two from 24).
start_and_find_number() {
  icon=$(scaled 16)
  frame=$(((icon * 2 + 16) / 32))
  [ "$frame" -ge 1 ] || frame=1
  inner=$((icon - 2 * frame))
  start_on_desktop
  wait_for 40 square_is "${inner}x${inner}" ||
    fail "at $dpi DPI the lesson number is not a ${inner}-pixel blue square (found: $(tray_square))"
}

# A second start shows the running copy's timer window at its scaled size.
show_timer_window() {
  timer_w=$(scaled 225)
  timer_h=$(scaled 299)
  timer_at_scale() { window_of_size '^Ostrevin$' "$timer_w" "$timer_h" "$timer_w" "$timer_h"; }
  wait_for 30 timer_at_scale >/dev/null ||
    fail "at $dpi DPI no timer window of ${timer_w} x ${timer_h} showed"
  timer=$(timer_at_scale)
  read -r tx ty _ _ < <(placed "$timer")
  xdotool mousemove $((tx + timer_w / 2)) $((ty + timer_h / 2))
}

close_dialog_and_program() {
  give_keys_to_dialog "$1"
  keys Escape
  dialog_closed() { ! window_of_size '^Настройки$' 300 300 9999 9999 >/dev/null; }
  wait_for 20 dialog_closed || fail "at $dpi DPI Escape did not close the settings dialog"
  xdotool mousemove $((tx + timer_w / 2)) $((ty + timer_h / 2))
  keys alt+F4
  wait_for 30 no_program || fail "at $dpi DPI Alt+F4 on the timer window did not end the program"
}

for dpi in 96 120 144 192; do
  set_screen_scaling "$dpi"
  desk_name=ostrevin-$dpi
  desk_w=$(scaled 1280)
  desk_h=$(scaled 800)
  start_and_find_number
  if [ "${OSTREVIN_SCREENSHOTS:-0}" = 1 ]; then
    mkdir -p "$repo_root/build/screenshots"
    convert "$screen" -crop "$((icon * 4))x$((icon * 2))+$((desk_w - icon * 4))+$((desk_h - icon * 2))" \
      +repage -scale 800% "$repo_root/build/screenshots/$shot_prefix-$dpi-tray-enlarged.png"
  fi

  # A second start shows the running copy's timer window.
  start_on_desktop
  show_timer_window
  keys F9
  shot "$dpi-desktop"
  shot_window "$dpi-timer" "$timer"

  keys F12
  dialog_w=$(scaled 556)
  dialog_h=$(scaled 509)
  dialog_at_scale() { window_of_size '^Настройки$' "$dialog_w" "$dialog_h" 9999 9999; }
  wait_for 30 dialog_at_scale >/dev/null ||
    fail "at $dpi DPI F12 opened no settings dialog of at least ${dialog_w} x ${dialog_h}"
  dialog=$(dialog_at_scale)
  shoot_every_tab "$dpi" "$dialog"
  close_dialog_and_program "$dialog"
done

# On the small screens: the desktop is the work area.
for small in 144:1280x740 120:1024x768; do
  dpi=${small%%:*}
  desk_w=${small#*:}
  desk_h=${desk_w#*x}
  desk_w=${desk_w%x*}
  desk_name=ostrevin-$dpi-small
  set_screen_scaling "$dpi"
  start_and_find_number
  start_on_desktop
  show_timer_window
  keys F12
  any_dialog() { window_of_size '^Настройки$' 300 300 9999 9999; }
  wait_for 30 any_dialog >/dev/null || fail "at $dpi DPI on $desk_w x $desk_h F12 opened no dialog"
  dialog=$(any_dialog)
  read -r dx dy dw dh < <(placed "$dialog")
  [ "$dx" -ge 0 ] && [ "$dy" -ge 0 ] && [ $((dx + dw)) -le "$desk_w" ] && [ $((dy + dh)) -le "$desk_h" ] ||
    fail "at $dpi DPI the settings dialog ($dw x $dh at $dx, $dy) does not fit $desk_w x $desk_h"
  if [ "$dpi" = 120 ]; then
    [ "$dw" -ge "$(scaled 556)" ] && [ "$dh" -ge "$(scaled 509)" ] ||
      fail "at 125 % on 1024 x 768 the settings dialog ($dw x $dh) is not drawn at 125 %"
  fi
  shoot_every_tab "$dpi-on-${desk_w}x${desk_h}" "$dialog"
  shot "$dpi-on-${desk_w}x${desk_h}-desktop"
  close_dialog_and_program "$dialog"
done

echo "PASS: at 100, 125, 150 and 200 % the lesson number fills the tray's icon size and the" \
  "timer window and the settings dialog show at their scaled sizes; the dialog fits small screens"
