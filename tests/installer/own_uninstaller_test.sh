#!/usr/bin/env bash
# The uninstaller has a name of its own: installed into a folder chosen by /D=
# that holds another program's uninstall.exe, and uninstalled again, that file
# stays as it was. An upgrade of Ostrevin 1.0.0.0, whose uninstaller was
# uninstall.exe, replaces that one: the list entry named it in that folder.
source "$(dirname "${BASH_SOURCE[0]}")/installation.sh"

readonly shared_win='C:\Tools\Shared'
shared=$(winepath -u "$shared_win" 2>/dev/null)
shared=${shared%/}
readonly shared
trap 'rm -rf "$shared"; end_test' EXIT

# The list entry as Ostrevin 1.0.0.0 left it for an installation in folder $1.
write_old_entry() {
  local folder=$1 name value
  for pair in "DisplayName=Ostrevin" "DisplayVersion=1.0.0.0" "InstallLocation=$folder" \
              "UninstallString=\"$folder\\uninstall.exe\"" \
              "QuietUninstallString=\"$folder\\uninstall.exe\" /S"; do
    name=${pair%%=*}
    value=${pair#*=}
    wine reg add "$uninstall_key" /v "$name" /d "$value" /f </dev/null >/dev/null 2>&1 ||
      fail "could not write $name"
  done
}

# Another program's folder, and an older Ostrevin installed in the usual one.
mkdir -p "$shared" "$install_dir"
printf "another program's uninstaller" >"$shared/uninstall.exe"
cp "$shared/uninstall.exe" "$shared/expected.exe"
cp "$built_exe" "$installed_exe"
printf 'the uninstaller of Ostrevin 1.0.0.0' >"$install_dir/uninstall.exe"
write_old_entry "$install_dir_win"

run_setup /S "/D=$shared_win" || fail "the installation into $shared_win failed"
[ -f "$shared/ostrevin-uninstall.exe" ] || fail "no uninstaller of its own name in $shared_win"
cmp -s "$shared/uninstall.exe" "$shared/expected.exe" || fail "another program's uninstall.exe was changed"
[ -f "$install_dir/uninstall.exe" ] || fail "the older installation's uninstaller in another folder was removed"
[ "$(reg_value "$uninstall_key" UninstallString)" = "\"$shared_win\\ostrevin-uninstall.exe\"" ] ||
  fail "the list entry names $(reg_value "$uninstall_key" UninstallString)"

wine "$shared/ostrevin-uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller failed"
uninstalled() { [ ! -e "$shared/ostrevin-uninstall.exe" ] && [ ! -e "$shared/ostrevin.exe" ]; }
wait_for 60 uninstalled || fail "the uninstaller did not finish"
cmp -s "$shared/uninstall.exe" "$shared/expected.exe" || fail "the uninstaller removed or changed another program's uninstall.exe"

# The upgrade of 1.0.0.0 in its own folder.
write_old_entry "$install_dir_win"
run_setup /S || fail "the upgrade of 1.0.0.0 failed"
[ ! -e "$install_dir/uninstall.exe" ] || fail "the uninstaller of 1.0.0.0 was left behind"
[ -f "$uninstaller" ] || fail "no new uninstaller"
[ "$(reg_value "$uninstall_key" QuietUninstallString)" = "\"$install_dir_win\\ostrevin-uninstall.exe\" /S" ] ||
  fail "the list entry names $(reg_value "$uninstall_key" QuietUninstallString)"

echo "PASS: another program's uninstall.exe stayed; the uninstaller of 1.0.0.0 was replaced"
