#!/usr/bin/env bash
# The portable zip holds exactly the program just built and its short text,
# which Notepad reads (UTF-8 with a byte-order mark, CRLF) in Russian and
# English, and which names the version the zip is named by.
#
# Usage: portable_zip_test.sh <ostrevin-<version>-portable.zip> <ostrevin.exe> <version>
set -euo pipefail

zip=$1
built_exe=$2
version=$3

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

[ "$(basename "$zip")" = "ostrevin-$version-portable.zip" ] || fail "the zip is named $(basename "$zip")"
entries=$(unzip -Z1 "$zip" | sort | paste -sd ' ')
[ "$entries" = "ostrevin.exe readme.txt" ] || fail "the zip holds: $entries"
unzip -p "$zip" ostrevin.exe | cmp -s - "$built_exe" || fail "the zip's ostrevin.exe is not the one just built"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -p "$zip" readme.txt >"$work/readme.txt"
[ "$(head -c 3 "$work/readme.txt" | od -An -tx1 | tr -d ' \n')" = efbbbf ] ||
  fail "the text has no UTF-8 byte-order mark"
lines=$(grep -c '' "$work/readme.txt")
crlf_lines=$(grep -c $'\r$' "$work/readme.txt" || true)
[ "$lines" = "$crlf_lines" ] || fail "only $crlf_lines of the text's $lines lines end in CRLF"
iconv -f UTF-8 -t UTF-16LE "$work/readme.txt" >/dev/null || fail "the text is not UTF-8"
for phrase in "Ostrevin $version" "ostrevin-$version-setup.exe" "таймер школьных уроков" \
  "timer of school lessons" "ostrevin.INI"; do
  grep -qF "$phrase" "$work/readme.txt" || fail "the text does not say \"$phrase\""
done

echo "PASS: the zip holds the exe just built and its text in Russian and English"
