#!/usr/bin/env bash
# Checks the Windows zip and installer under Wine, as a user and an administrator get them.
#   windows_package_test.sh ZIP INSTALLER INSTALLER_SCRIPT   (from scripts/windows-test.sh)
set -euo pipefail
zip=$(realpath "$1")
installer=$(realpath "$2")
script=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
wine=${WINE:?the Wine of the toolchain}
wineserver=${WINESERVER:?}
export WINEDEBUG=-all
# shellcheck source=check_lib.sh
source "$here/check_lib.sh"
# shellcheck source=../scripts/xvfb-lib.sh
source "$here/../scripts/xvfb-lib.sh"
# The value of a string entry of a registry key, read from the key exported (in UTF-16, so
# that Cyrillic comes through whatever the console's code page).
reg_value() {
    local file="$unpacked/key.reg"
    rm -f "$file"
    "$wine" reg export "$1" "Z:${file//\//\\}" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p" |
        sed 's/\\\\/\\/g; s/\\"/"/g'
}
reg_dword() {
    reg_value "$1" "$2" >/dev/null
    iconv -f UTF-16 -t UTF-8 "$unpacked/key.reg" | tr -d '\r' |
        sed -n "s/^\"$2\"=dword:\([0-9a-f]*\)$/\1/p" | { read -r hex && echo $((16#$hex)); } || echo 0
}
reg_key_exists() { "$wine" reg query "$1" >/dev/null 2>&1; }

# The zip: a folder with the two programs and the read-me.
unpacked=$(mktemp -d)
trap 'umount "${full:-/nonexistent}" 2>/dev/null || true; rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")
folder="$unpacked/$(basename "$zip" .zip)"
check_eq "the zip holds the programs, the read-me and the notices" \
    "NOTICES.txt README.txt triangle30-report.exe triangle30.exe" "$(cd "$folder" && LC_ALL=C && echo *)"
check "the notices hold Qt's LGPL-3.0" grep -q "GNU LESSER GENERAL PUBLIC LICENSE" "$folder/NOTICES.txt"
check "and the MinGW-w64 runtime's licence texts" grep -q "^Files: mingw-w64-libraries/winpthreads/" \
    "$folder/NOTICES.txt"
check "and no licence only by a Debian path" test -z "$(grep common-licenses "$folder/NOTICES.txt")"
check "and the read-me points to them" grep -q "NOTICES.txt" "$folder/README.txt"

# The installer script: one language, Bulgarian, and no licence page.
check_eq "the installer has exactly one language, Bulgarian" 'MUI_LANGUAGE "Bulgarian"' \
    "$(grep -o '^ *!insertmacro MUI_LANGUAGE .*' "$script" | sed 's/^ *!insertmacro //')"
check "and no licence page" test -z "$(grep -i 'MUI_PAGE_LICENSE' "$script" || true)"
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
install() {
    local status=0
    "$wine" "$installer" /S || status=$?
    "$wineserver" -w
    return "$status"
}
check "the installer succeeds" install
program_files=$("$wine" winepath -u 'C:\Program Files' 2>/dev/null | tr -d '\r')
installed="$program_files/triangle30"
for file in triangle30.exe triangle30-report.exe README.txt NOTICES.txt; do
    check "it installs $file as in the zip" cmp -s "$folder/$file" "$installed/$file"
done
start_menu=$("$wine" winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs' |
    tr -d '\r')
shortcut="$start_menu/Триъгълник 30°.lnk"
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
check_eq "and the publisher" "triangle30" "$(reg_value "$uninstall_key" Publisher)"
check_eq "and the web address" "https://www.triangle30.bg" \
    "$(reg_value "$uninstall_key" URLInfoAbout)"
check_eq "and the install location" 'C:\Program Files\triangle30' \
    "$(reg_value "$uninstall_key" InstallLocation)"
size=$(reg_dword "$uninstall_key" EstimatedSize)
check "and the size, in KiB ($size)" test "$size" -gt 1000
check_eq "and no contact address" "" "$(reg_value "$uninstall_key" Contact)"

# An upgrade over version 1.0.0, with the program closed: CPack's installer made a Start-menu
# folder with an English Uninstall shortcut, and the installed program was another build.
mkdir -p "$start_menu/Триъгълник 30°"
cp "$shortcut" "$start_menu/Триъгълник 30°/Uninstall.lnk"
"$wine" reg add "${uninstall_key}" /v StartMenu /d "Триъгълник 30°" /f >/dev/null 2>&1
"$wine" reg add "${uninstall_key}" /v Contact /d "nobody" /f >/dev/null 2>&1
printf 'older build' >>"$installed/triangle30.exe"
check "an upgrade with the program closed succeeds" install
check "and replaces every file" cmp -s "$folder/triangle30.exe" "$installed/triangle30.exe"
check "and removes the old Start-menu folder" test ! -e "$start_menu/Триъгълник 30°"
check_eq "and keeps one entry, without the old values" "Триъгълник 30° (triangle30)|" \
    "$(reg_value "$uninstall_key" DisplayName)|$(reg_value "$uninstall_key" StartMenu)"

# Over a running program: exit code 2, and the install whole and listed.
checksums() { (cd "$installed" && md5sum ./*); }
running() {
    "$wine" "$installed/$1" >/dev/null 2>&1 &
    app=$!
    [ -n "$(find_window --pid "$app")" ]
}
stop_running() {
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    "$wineserver" -w
}
exit_code() {  # Wine waits for the program; wineserver -w would wait for the running one too
    local status=0
    "$@" >/dev/null 2>&1 || status=$?
    echo "$status"
}
# A command line run as an administrator types it: Wine would quote an argument holding a
# blank, which NSIS reads differently, so it goes through a batch file.
drive_c=$("$wine" winepath -u 'C:\' 2>/dev/null | tr -d '\r')
typed() {
    printf '%s\r\nexit /b %%errorlevel%%\r\n' "$1" >"$drive_c/typed.bat"
    "$wine" cmd /c 'C:\typed.bat'
}
installer_path=$("$wine" winepath -w "$installer" 2>/dev/null | tr -d '\r')
quiet_uninstall() { typed "$(reg_value "$uninstall_key" QuietUninstallString)"; }
refuses_whole() {  # NAME CODE COMMAND...: exit code CODE and nothing changed
    local before
    before=$(checksums)
    check_eq "$1: exit code $2" "$2" "$(exit_code "${@:3}")"
    check_eq "$1: the install is whole" "$before" "$(checksums)"
    check_eq "$1: and listed" "Триъгълник 30° (triangle30)" \
        "$(reg_value "$uninstall_key" DisplayName)"
    check "$1: with its shortcut" test -f "$shortcut"
}
check "the installed program runs" running triangle30.exe
refuses_whole "install over the running program" 2 "$wine" "$installer" /S
stop_running
cp "$installed/triangle30.exe" "$unpacked/older.exe"
printf 'older build' >>"$unpacked/older.exe"
cp "$unpacked/older.exe" "$installed/triangle30.exe"
check "an older build runs" running triangle30.exe
refuses_whole "install over a running older build" 2 "$wine" "$installer" /S
check "which stays as it was" cmp -s "$unpacked/older.exe" "$installed/triangle30.exe"
refuses_whole "the quiet uninstall while it runs" 2 quiet_uninstall
stop_running
check "a repair install succeeds" install
check "and brings the program back" cmp -s "$folder/triangle30.exe" "$installed/triangle30.exe"

# The installed window, driven as on Linux.
check "the installed window passes the end-to-end test" \
    bash "$here/e2e_window_test.sh" "$wine" "$installed/triangle30.exe"

# /D: the installed folder in any spelling is upgraded in place, whole; the drive's root in any
# spelling, and a /D that is not last, are refused with nothing changed.
whole="$(checksums)|C:\Program Files\triangle30"
short=$("$wine" winepath -s 'C:\Program Files\triangle30' | tr -d '\r')
while IFS='|' read -r code name options; do
    if [ "$code" = 0 ]; then
        check_eq "$name: exit code 0" 0 "$(exit_code typed "\"$installer_path\" $options")"
        "$wineserver" -w
        check_eq "$name: the install is whole, in its folder" "$whole" \
            "$(checksums)|$(reg_value "$uninstall_key" InstallLocation)"
    else
        refuses_whole "$name" "$code" typed "\"$installer_path\" $options"
    fi
done <<EOF
0|/D by its 8.3 name|/S /D=$short
0|/D with \.\ inside|/S /D=C:\Program Files\.\triangle30
0|/D ending in \.|/S /D=C:\Program Files\triangle30\.
0|/D with \\ doubled|/S /D=C:\Program Files\\triangle30
0|/D with /|/S /D=C:/Program Files/triangle30
3|/D of the drive's root as C:\.|/S /D=C:\.
3|/D of the drive's root as C:\..|/S /D=C:\..
3|/D of the drive's root as C:\Windows\..|/S /D=C:\Windows\..
3|/D before /S|/D=C:\Apps\t30 /S
EOF
check "and nothing in the drive's root" test ! -e "$drive_c/Uninstall.exe"

# A copy of the uninstaller elsewhere leaves the install alone; a /D is used, quoted or not,
# and an explicit one moves an install, leaving a student's file; one that is no full path is
# refused, and a log that a user planted as a link is not written through.
temp=$("$wine" winepath -u "$("$wine" cmd /c echo %TEMP% | tr -d '\r')" | tr -d '\r')
last_log() { iconv -f UTF-16 -t UTF-8 "$(ls -t "$temp"/triangle30-setup-*.log | head -n 1)"; }
mkdir -p "$drive_c/copy"
cp "$installed/Uninstall.exe" "$drive_c/copy/"
refuses_whole "a copied uninstaller" 3 typed '"C:\copy\Uninstall.exe" /S _?=C:\copy'
echo "my notes" >"$installed/notes.txt"
check_eq "a quoted /D: exit code 0" 0 "$(exit_code typed "\"$installer_path\" /S /D=\"C:\Apps\t 30\"")"
"$wineserver" -w
installed="$drive_c/Apps/t 30"
check "it installs there" cmp -s "$folder/triangle30.exe" "$installed/triangle30.exe"
check_eq "and moves the entry" 'C:\Apps\t 30' "$(reg_value "$uninstall_key" InstallLocation)"
check_eq "and the old folder keeps only the student's file" "notes.txt" \
    "$(cd "$program_files/triangle30" && echo *)"
echo "planted" >"$unpacked/planted"
ln -s "$unpacked/planted" "$temp/triangle30-setup.log"
refuses_whole "a relative /D" 3 typed "\"$installer_path\" /S /D=apps"
check "and the log says why, with the exit code" grep -qF "код на изхода 3 | \"$installer_path\" /S /D=apps" <(last_log)
check_eq "a planted log link's target is not written" "planted" "$(cat "$unpacked/planted")"
rm "$temp/triangle30-setup.log"

# The folder as given, with no shell between: its uninstall leaves another folder alone.
user=$("$wine" cmd /c echo %USERNAME% | tr -d '\r')
mkdir -p "$drive_c/Apps/$user"
echo "another program's" >"$drive_c/Apps/$user/Uninstall.exe"
check_eq "/d=C:\Apps\%USERNAME%: exit code 0" 0 "$(exit_code "$wine" "$installer" /S '/d=C:\Apps\%USERNAME%')"
check_eq "its quiet uninstall: exit code 0" 0 \
    "$(exit_code "$wine" 'C:\Apps\%USERNAME%\Uninstall.exe' /S '_?=C:\Apps\%USERNAME%')"
"$wineserver" -w
check_eq "removes that folder, and leaves C:\Apps\\$user's uninstaller" \
    "$user|another program's" "$(cd "$drive_c/Apps" && echo *)|$(cat "$drive_c/Apps/$user/Uninstall.exe")"

# An entry that names another program's folder: the install goes to its own, and a /D into
# that folder is refused; nothing of that program's is touched.
mkdir -p "$drive_c/Foreign"
cp "$folder/README.txt" "$folder/NOTICES.txt" "$drive_c/Foreign/"
cp "$drive_c/windows/notepad.exe" "$drive_c/Foreign/Uninstall.exe"
foreign=$(cd "$drive_c/Foreign" && md5sum ./*)
"$wine" reg add "$uninstall_key" /v InstallLocation /d 'C:\Foreign' /f >/dev/null 2>&1
check "an entry naming another program's folder: the install succeeds" install
check_eq "into its own folder" 'C:\Program Files\triangle30' "$(reg_value "$uninstall_key" InstallLocation)"
installed="$program_files/triangle30"
refuses_whole "a /D into a folder with another program's uninstaller" 3 typed "\"$installer_path\" /S /D=C:\Foreign"
check_eq "and that program's files are untouched" "$foreign" "$(cd "$drive_c/Foreign" && md5sum ./*)"

# The entry's quiet uninstall: its code when done; the uninstaller itself and the folder go once
# it has ended, by a helper, since Windows keeps a running program's file. An install right
# after keeps its own uninstaller.
check_eq "the quiet uninstall: exit code 0" 0 "$(exit_code quiet_uninstall)"
check_eq "and removes the programs at once" "notes.txt Uninstall.exe" "$(cd "$installed" && echo *)"
check "and the Start-menu shortcut" test ! -e "$shortcut"
check "an install at once succeeds" install
sleep 10
check "and keeps its uninstaller 10 s later" test -f "$installed/Uninstall.exe"

# The uninstall as a student runs it, from installed programs, with its last page left open.
rm "$installed/notes.txt"
typed "$(reg_value "$uninstall_key" UninstallString)" >/dev/null 2>&1 &
app=$!
page=$(find_window --name "Триъгълник")
xdotool key --window "$page" Return
for _ in $(seq 100); do [ -e "$installed/triangle30.exe" ] || break; sleep 0.1; done
sleep 10
xdotool key --window "$page" Return
status=0
wait "$app" || status=$?
check_eq "the uninstall with its last page open 10 s: exit code 0" 0 "$status"
"$wineserver" -w
check "then the uninstaller and its folder" test ! -e "$installed"
check_eq "and no helper left behind" "" "$(find "$temp" -mindepth 1 ! -name 'triangle30-setup-*.log')"
check "nothing waits for a restart" test "$("$wine" reg query \
    'HKLM\SYSTEM\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations \
    >/dev/null 2>&1 && echo pending)" != pending
check "(the registry can be read)" reg_key_exists 'HKLM\Software'
check "and the entry under installed programs" test "$(reg_key_exists "$uninstall_key" && echo left)" != left
check "and the program's registry key" test "$(reg_key_exists 'HKLM\Software\triangle30' && echo left)" != left

# A full disk: a 10 MB tmpfs as the target folder.
full="$drive_c/Full"
mkdir -p "$full"
if mount -t tmpfs -o size=10m tmpfs "$full" 2>/dev/null; then
    check_eq "a full disk: exit code 3" 3 \
        "$(exit_code typed "\"$installer_path\" /S /D=C:\Full\triangle30")"
    check_eq "and the entry stays, for a rerun to repair" 'C:\Full\triangle30' \
        "$(reg_value "$uninstall_key" InstallLocation)"
    check "and the log says why" grep -qF 'C:\Full\triangle30' <(last_log)
    "$wineserver" -w
    umount "$full"
    "$wine" reg delete "$uninstall_key" /f >/dev/null 2>&1
else
    echo "skipped: a full disk (this machine lets no tmpfs be mounted)"
fi

if [ "$failures" -ne 0 ]; then
    echo "windows package: $failures checks failed"
    exit 1
fi
echo "windows package: zip and installer checked"
