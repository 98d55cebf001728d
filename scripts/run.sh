#!/usr/bin/env bash
# Builds ostrevin.exe and starts it under Wine: on your display when there is
# one, otherwise on a virtual display, where nobody can see it: there a
# screenshot taken a few seconds after the start shows what it looks like.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/build-windows.sh ostrevin

source scripts/wine-env.sh
source scripts/display.sh
ensure_display
ensure_wine_prefix
set_window_management

exe=$OSTREVIN_WINDOWS_BUILD/src/app/ostrevin.exe
echo "Windows build: $OSTREVIN_WINDOWS_WAY."
echo "Ostrevin runs on $DISPLAY_KIND; its settings file is $OSTREVIN_WINDOWS_BUILD/src/app/ostrevin.INI."
echo "It lives in the notification area: click its icon to show the timer window, \"Выход\" in its menu ends it."
if [ "$DISPLAY_KIND" = "${DISPLAY_KIND#a virtual display}" ]; then
  wine "$exe"
  exit
fi

wine "$exe" &
program=$!
trap 'kill "$program" 2>/dev/null || true; wineserver -k 2>/dev/null || true' INT TERM
sleep 6
shot=build/screenshots/run.png
mkdir -p "$(dirname "$shot")"
import -window root "$shot" 2>/dev/null && echo "A screenshot of the virtual display: $shot"
echo "Nobody can see a virtual display: press Ctrl+C to stop the program (or run: wineserver -k)."
wait "$program"
