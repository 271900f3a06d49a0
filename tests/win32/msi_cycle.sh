#!/usr/bin/env bash
# The MSI made by tools/windows_package.sh installs per user into the Wine
# prefix without questions, with the uninstall entry and the Start-menu
# shortcut; the installed Tolvo.exe starts and maps its window; uninstalling
# leaves no file, folder, shortcut, uninstall entry or installer key behind.
# Usage: msi_cycle.sh WINE PROBE PACKAGE_SCRIPT BIN_DIR
set -euo pipefail
wine=$1 probe=$2 package=$3 bin=$4
source "$(dirname "$0")/wine_window.sh"
require_program_display_prefix "${bin:+$bin/Tolvo.exe}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$package" --from "$bin" --to "$work" >/dev/null
msi=$(ls "$work"/Tolvo-*.msi)
code=$(msiinfo export "$msi" Property | awk -F '\t' '$1 == "ProductCode" { sub(/\r$/, "", $2); print $2 }')
drive=$WINEPREFIX/drive_c
user=$drive/users/$(id -un)
folder=$user/AppData/Local/Programs/Tolvo
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tolvo.lnk"
uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall\'$code
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
has_key() { "$wine" reg query "$1" >/dev/null 2>&1; }
has_uninstall_entry() { has_key "HKCU\\$uninstall" || has_key "HKLM\\$uninstall"; }
files() { (cd "$drive" && find . -type f | sort); }

files >"$work/before"
"$wine" msiexec /i "Z:$msi" /qn || fail "msiexec /i ended with $?"
for file in Tolvo.exe tolvo-fit.exe tolvo-replay.exe Tolvo.html; do
  [ -f "$folder/$file" ] || fail "installed: no $file in %LOCALAPPDATA%\\Programs\\Tolvo"
done
[ -f "$shortcut" ] || fail "installed: no Start-menu shortcut Tolvo.lnk"
has_uninstall_entry || fail "installed: no uninstall entry $code"
has_key 'HKCU\Software\Tolvo\Installer' || fail "installed: no installer key HKCU\\Software\\Tolvo\\Installer"
window_maps "$wine" "$probe" "$folder/Tolvo.exe" || fail "the installed Tolvo.exe"

"$wine" msiexec /x "$code" /qn || fail "msiexec /x ended with $?"
files >"$work/after"
diff "$work/before" "$work/after" >"$work/left" || fail "uninstalled: files differ from before: $(cat "$work/left")"
[ ! -e "$folder" ] || fail "uninstalled: the folder %LOCALAPPDATA%\\Programs\\Tolvo is still there"
[ ! -e "$shortcut" ] || fail "uninstalled: the shortcut is still there"
! has_uninstall_entry || fail "uninstalled: the uninstall entry $code is still there"
! has_key 'HKCU\Software\Tolvo\Installer' || fail "uninstalled: the installer key is still there"
[ "$failures" -eq 0 ] || exit 1
echo "MSI $(basename "$msi"): installed, started, uninstalled, nothing left"
