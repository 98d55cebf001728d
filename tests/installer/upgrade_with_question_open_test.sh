#!/usr/bin/env bash
# A silent upgrade while the installed copy shows its end-of-day question, as
# when administrators deploy in the afternoon and nobody answers it: the copy
# saves its settings at the installer's end-of-session request and ends,
# although its question is still open; the upgrade succeeds and the new
# program runs.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

run_setup /S /AUTOSTART=0 || fail "the first installation failed"
printf 'an older build' >>"$installed_exe"

# One lesson, on a weekday that is neither today nor tomorrow: today has no
# lesson, so today's lessons are over from the start and the question comes
# at the first tick, 30 seconds after the start.
lesson_day=$((($(date +%w) + 2) % 5 + 1))
printf '%s\r\n' "[$lesson_day]" '3=1' '[Common]' 'bOfferExit=1' 'ShowCurrNo=0' >"$settings_file"
start_installed_copy

question_open() {
  xdotool search --onlyvisible --name '^Confirm$' >/dev/null 2>&1
}
wait_for 90 question_open || fail "the end-of-day question did not come"

run_setup /S || fail "the upgrade failed while the question was open"
wait_for 10 copy_ended || fail "the copy with its question open was not ended"
cmp -s "$installed_exe" "$built_exe" || fail "the program file was not replaced"
[ "$(ini_value "$lesson_day" 3)" = 1 ] || fail "the timetable's lesson was lost"
common_keys=$(awk '{ sub(/\r$/, "") } /^\[/ { inside = tolower($0) == "[common]"; next }
                   inside && /=/ { n++ } END { print n + 0 }' "$settings_file")
[ "$common_keys" = 10 ] || fail "the copy did not save its settings before it ended"
wait_for 30 installed_copy_runs || fail "the upgraded program was not started again"
log_off || fail "the upgraded program did not end at logoff"

echo "PASS: with the end-of-day question open, the copy saved and ended, the upgrade succeeded and the new copy ran"
