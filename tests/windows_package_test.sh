#!/usr/bin/env bash
# Checks the Windows downloads under Wine, as a user gets them:
#   windows_package_test.sh ZIP INSTALLER
# - the zip holds the two programs and the read-me, and its console tool writes the report;
# - the installer, run silently, installs the programs with a Start-menu shortcut and an entry
#   under installed programs (name, version, icon, web address);
# - the installed window passes the end-to-end test, under Bulgarian regional settings;
# - the uninstaller, run silently, takes all of it away again.
# WINEPREFIX and DISPLAY come from the caller (scripts/windows-test.sh).
set -euo pipefail
zip=$(realpath "$1")
installer=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all
# shellcheck source=check-lib.sh
source "$here/check-lib.sh"
# The value of a string entry of a registry key, read from the key exported (in UTF-16, so
# that Cyrillic comes through whatever the console's code page).
reg_value() {
    local file="$unpacked/key.reg"
    rm -f "$file"
    "$wine" reg export "$1" "Z:${file//\//\\}" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p" |
        sed 's/\\\\/\\/g; s/\\"/"/g'
}
reg_key_exists() { "$wine" reg query "$1" >/dev/null 2>&1; }

# The zip: a folder with the two programs and the read-me.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")
folder="$unpacked/$(basename "$zip" .zip)"
check_eq "the zip holds the programs and the read-me" \
    "README.txt triangle30-report.exe triangle30.exe" "$(LC_ALL=C ls "$folder" | xargs)"
check_eq "the read-me is UTF-8 with a byte order mark, for Notepad" "efbbbf" \
    "$(head -c 3 "$folder/README.txt" | od -An -tx1 | tr -d ' ')"
report=$(LC_ALL=bg_BG.UTF-8 "$wine" "$folder/triangle30-report.exe" AC 2.5 | tr -d '\r' |
    tail -n 1)
check_eq "the zip's console tool writes the report with a decimal comma" \
    "2,08333333333333 + 6,25 = 8,33333333333334" "$report"
check_eq "and takes a Cyrillic argument" "Катет BC = 1" \
    "$("$wine" "$folder/triangle30-report.exe" ВС 1 | tr -d '\r' | head -n 1)"
for exe in triangle30.exe triangle30-report.exe; do
    # No DLL beyond those of Windows itself.
    dlls=$(x86_64-w64-mingw32-objdump -p "$folder/$exe" | sed -n 's/^\tDLL Name: //p' |
        grep -viE '^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|imm32|winmm|ws2_32|uxtheme|dwmapi|shlwapi|version|netapi32|userenv|winspool\.drv|setupapi|uuid|rpcrt4|d3d9|d3d11|dxgi|dwrite|msvcrt|authz|mpr|wtsapi32|shcore|api-ms-win-[a-z0-9-]*)\.dll$' ||
        true)
    check_eq "$exe needs no DLL of its own" "" "$dlls"
    check "$exe is stripped" \
        test -z "$(x86_64-w64-mingw32-objdump -h "$folder/$exe" | grep -E ' \.debug_' || true)"
done

# The installer, silently.
"$wine" "$installer" /S
/usr/lib/wine/wineserver -w
program_files=$("$wine" winepath -u 'C:\Program Files' 2>/dev/null | tr -d '\r')
installed="$program_files/triangle30"
check "the installer puts triangle30.exe in Program Files" test -f "$installed/triangle30.exe"
check "and triangle30-report.exe beside it" test -f "$installed/triangle30-report.exe"
start_menu=$("$wine" winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs' |
    tr -d '\r')
shortcut="$start_menu/Триъгълник 30°/Триъгълник 30°.lnk"
check "a Start-menu shortcut named «Триъгълник 30°»" test -f "$shortcut"
target=$(strings -el "$shortcut" 2>/dev/null | grep -i 'triangle30\.exe' | head -n 1 || true)
[ -n "$target" ] || target=$(strings "$shortcut" | grep -i 'triangle30\.exe' | head -n 1 || true)
check "the shortcut starts triangle30.exe" test -n "$target"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\triangle30'
check_eq "installed programs show the name" "Триъгълник 30° (triangle30)" \
    "$(reg_value "$uninstall_key" DisplayName)"
check_eq "and the version" "1.0.0" "$(reg_value "$uninstall_key" DisplayVersion)"
check_eq "and the icon" 'C:\Program Files\triangle30\triangle30.exe' \
    "$(reg_value "$uninstall_key" DisplayIcon)"
check_eq "and the web address" "https://www.triangle30.bg" \
    "$(reg_value "$uninstall_key" URLInfoAbout)"

# The installed window, driven as on Linux.
check "the installed window passes the end-to-end test" \
    bash "$here/e2e_window.sh" "$wine" "$installed/triangle30.exe"

# The uninstaller, silently: it copies itself away and returns at once, so wait for Wine.
uninstaller=$(reg_value "$uninstall_key" UninstallString | tr -d '"')
"$wine" "$uninstaller" /S
/usr/lib/wine/wineserver -w
check "the uninstaller removes the program's folder" test ! -e "$installed"
check "and the Start-menu folder" test ! -e "$start_menu/Триъгълник 30°"
check "(the registry can be read)" reg_key_exists 'HKLM\Software'
check "and the entry under installed programs" test "$(reg_key_exists "$uninstall_key" && echo left)" != left
check "and the program's registry key" test "$(reg_key_exists 'HKLM\Software\triangle30' && echo left)" != left

if [ "$failures" -ne 0 ]; then
    echo "windows package: $failures checks failed"
    exit 1
fi
echo "windows package: zip and installer checked"
