#!/usr/bin/env bash
# The setup program in a fresh Wine prefix, silently, as a Windows user's
# machine gets it: a broken install into a folder that cannot be written
# registers nothing; an install into a folder with a space in its name lays
# down the files, keys and shortcuts; the installed program lists and
# reindents a workspace and its help opens the installed manual (the
# prefix's .html open verb writes the request to a file); a second setup
# replaces the files under one uninstall entry; the silent uninstall leaves
# nothing of ours but the format settings.
# Usage: setup-under-wine.sh BUILD_DIR CHECKER_EXE
set -euo pipefail
build=$1 checker=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../cmake/wine-env.sh
source "$source_dir/cmake/wine-env.sh" "$build"
export WINEPREFIX="$build/wineprefix-setup"
# Shortcuts and file types stay in the prefix, out of the desktop's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
setup=$(ls -t "$build"/packages/Quillet-*-setup.exe | head -1)
folder='C:\Program Files\Quillet Setup Test'
locked='C:\Program Files\Quillet Locked'
classes='HKLM\Software\Classes'
settings='HKLM\Software\Tamsel Software\Quillet'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet'
libid=$(sed -n 's/.*uuid(\([0-9A-F-]*\)), version(1.0).*/{\1}/p' "$source_dir/addin/idl/QLAddIn.idl")
failures=0

unix_path() { echo "$WINEPREFIX/drive_c/$(echo "${1#C:\\}" | tr '\\' /)"; }
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillet"
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The prefix is kept only to look into after a failure.
cleanup() {
  chattr -i "$(unix_path "$locked")" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  if [ "$failures" -eq 0 ]; then rm -rf "$WINEPREFIX"; fi
}
trap cleanup EXIT

# A registry value's data ("" for the key's default); empty when missing.
value() {
  local option=(/v "$2")
  [ -z "$2" ] && option=(/ve)
  "$wine" reg query "$1" "${option[@]}" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *\(${2:-(Default)}\) *REG_[A-Z_]* *//p"
}
expect_value() { [ "$(value "$1" "$2")" = "$3" ] || fail "$1 [$2] is '$(value "$1" "$2")', not '$3'"; }
key_exists() { "$wine" reg query "$1" >/dev/null 2>&1; }
expect_no_key() { ! key_exists "$1" || fail "$1 is left"; }
# Runs the setup with the command line as given: /D= must come last and
# unquoted, so it goes through cmd rather than Wine's argument quoting.
run_setup() { cp "$setup" "$WINEPREFIX/drive_c/setup.exe"; "$wine" cmd /c "C:\\setup.exe /S /D=$1"; }

cleanup
rm -rf "$WINEPREFIX"
"$wine" wineboot -i >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
wineserver -w
# One server for the whole run, detached from the caller's output.
wineserver -p </dev/null >/dev/null 2>&1
# Pages open in a recorder instead of a browser.
"$wine" reg add "$classes\\.html" /ve /d htmlfile /f >/dev/null
"$wine" reg add "$classes\\htmlfile\\shell\\open\\command" /ve /d 'cmd.exe /c echo %1>C:\opened.txt' /f >/dev/null

echo "== a folder that cannot be written"
mkdir -p "$(unix_path "$locked")"
if chattr +i "$(unix_path "$locked")" 2>/dev/null; then
  if run_setup "$locked"; then fail "the setup reported success"; fi
  for key in "$uninstall" "$settings" "$classes\\QLAddIn.DSAddIn.1" "$classes\\TypeLib\\$libid" \
             "$classes\\Quillet.Document" "$classes\\.dsw"; do
    expect_no_key "$key"
  done
  [ ! -e "$menu" ] || fail "the Start-menu folder was made"
  chattr -i "$(unix_path "$locked")"
else
  echo "skipped: chattr +i needs root on a file system that has it"
fi

echo "== silent setup"
run_setup "$folder" || fail "the setup failed"
for file in Quillet.exe QLShared.dll QLAddIn.dll addin_host.exe README.md Uninstall.exe manual/index.html; do
  [ -f "$(unix_path "$folder")/$file" ] || fail "$file is missing"
done
expect_value "$settings" "Install Path" "$folder"
clsid=$(value "$classes\\QLAddIn.DSAddIn.1\\CLSID" "")
[ -n "$clsid" ] || fail "the ProgID is not registered"
expect_value "$classes\\CLSID\\$clsid\\InprocServer32" "" "$folder\\QLAddIn.dll"
expect_value "$classes\\.dsw" "" "Quillet.Document"
expect_value "$classes\\Quillet.Document\\shell\\open\\command" "" "\"$folder\\Quillet.exe\" /dde"
expect_value "$uninstall" DisplayName Quillet
expect_value "$uninstall" DisplayVersion "$(basename "$setup" | sed 's/Quillet-\(.*\)-setup.exe/\1/')"
expect_value "$uninstall" InstallLocation "$folder"
expect_value "$uninstall" UninstallString "\"$folder\\Uninstall.exe\""
expect_value "$uninstall" QuietUninstallString "\"$folder\\Uninstall.exe\" /S"
expect_value "$uninstall" NoModify 0x1
expect_value "$uninstall" NoRepair 0x1
for shortcut in "Quillet" "Quillet Add-in Host" "Uninstall Quillet"; do
  [ -f "$menu/$shortcut.lnk" ] || fail "the shortcut $shortcut is missing"
done

echo "== the installed program"
QUILLET_UNDER_TEST="$folder\\Quillet.exe" QUILLET_SHELL_RECORD='C:\opened.txt' \
  "$wine" "$checker" --gtest_brief=1 || fail "the installed program"
rm -f "$WINEPREFIX/drive_c/opened.txt"
"$wine" "$folder\\addin_host.exe" --run QuilletHelp &
for _ in $(seq 100); do [ -s "$WINEPREFIX/drive_c/opened.txt" ] && break; sleep 0.1; done
expect_opened="$folder\\manual\\index.html"
[ "$(tr -d '\r\n' <"$WINEPREFIX/drive_c/opened.txt" 2>/dev/null)" = "$expect_opened" ] ||
  fail "the add-in's help did not open $expect_opened"
"$wine" taskkill /f /im addin_host.exe >/dev/null 2>&1 || true

echo "== a second setup over the first"
echo old >"$(unix_path "$folder")/README.md"
run_setup "$folder" || fail "the second setup failed"
cmp -s "$source_dir/README.md" "$(unix_path "$folder")/README.md" || fail "the files were not replaced"
entries=$("$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
  grep -c 'DisplayName *REG_SZ *Quillet$' || true)
[ "$entries" = 1 ] || fail "$entries uninstall entries"

echo "== silent uninstall"
"$wine" reg add "$settings" /v TabSize /t REG_DWORD /d 8 /f >/dev/null
"$wine" reg add "$settings" /v IndentSize /t REG_DWORD /d 2 /f >/dev/null
# The uninstaller runs on from a copy of itself in the temporary folder.
"$wine" "$folder\\Uninstall.exe" /S
for _ in $(seq 100); do [ -e "$(unix_path "$folder")" ] || break; sleep 0.1; done
[ ! -e "$(unix_path "$folder")" ] || fail "the folder is left: $(ls "$(unix_path "$folder")")"
[ ! -e "$menu" ] || fail "the Start-menu folder is left"
for key in "$uninstall" "$classes\\QLAddIn.DSAddIn.1" "$classes\\QLADDIN Developer Studio Add-in" \
           "$classes\\CLSID\\$clsid" "$classes\\TypeLib\\$libid" "$classes\\Quillet.Document" "$classes\\.dsw" \
           'HKCU\Software\Classes\Quillet.Document' 'HKCU\Software\Classes\.dsw' \
           'HKCU\Software\Tamsel Software'; do
  expect_no_key "$key"
done
expect_value "$settings" TabSize 0x8
expect_value "$settings" IndentSize 0x2
expect_value "$settings" "Install Path" ""

echo "$failures failures"
[ "$failures" -eq 0 ]
