#!/bin/sh
# The Windows installer of a release under Wine, as a user meets it, in a
# fresh prefix on a virtual screen (scripts/wine-session.sh):
#
#   check-installer.sh DIST DIR
#
# DIST holds the release (build/dist): its installer is checked against its
# zip. DIR, emptied first, holds the Wine session. For the current user (the
# default), then for all users (/AllUsers), the silent install (/S) must put
# the zip's two programs in the folder, "Bitloom" in the Start menu and an
# uninstall entry Windows lists; the Start menu entry must start the program
# and show its window; a copy of the installer run over an older-looking
# installation must upgrade it in place; and the silent uninstall Windows
# would run must leave the files and the registry (HKCU, HKLM\Software) as
# they were before the install.
set -eu
[ $# -eq 2 ] || { echo "usage: $0 DIST DIR" >&2; exit 2; }
dist=$(cd "$1" && pwd)
scripts=$(cd "$(dirname "$0")" && pwd)
rm -rf "$2"
mkdir -p "$2"
dir=$(cd "$2" && pwd)

# printf, not echo: Windows paths hold backslashes.
fail() {
    printf 'check-installer: %s\n' "$*" >&2
    exit 1
}
say() { printf 'check-installer: %s\n' "$*"; }

setup=$(echo "$dist"/bitloom-*-windows-x64-setup.exe)
zip=$(echo "$dist"/bitloom-*-windows-x64.zip)
if [ ! -f "$setup" ] || [ ! -f "$zip" ]; then
    fail "no installer and zip (one of each) in $dist"
fi
version=${setup##*/bitloom-}
version=${version%-windows-x64-setup.exe}
unzip -q "$zip" -d "$dir/zip"

sh "$scripts/wine-session.sh" start "$dir"
trap 'sh "$scripts/wine-session.sh" stop "$dir"' EXIT
DISPLAY=":$(cat "$dir/display")"
export DISPLAY

# A program run in the session: its status, or its output without carriage
# returns. None may run for more than a minute: a message box nobody answers
# would otherwise hold the test for ever.
run() { timeout 60 sh "$scripts/wine-session.sh" run "$dir" "$@"; }
out() { run "$@" | tr -d '\r'; }
# The true path, not the one through dosdevices/c:, even before it exists.
unix_path() { readlink -m "$(out winepath -u "$1")"; }
windows_folder() { out cmd /c echo "%$1%"; }

milliseconds() { echo $(($(date +%s%N) / 1000000)); }
timed() {
    start=$(milliseconds)
    status=0
    run "$@" >/dev/null 2>&1 || status=$?
    elapsed=$(($(milliseconds) - start))
    return $status
}

key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Bitloom'
temp=$(unix_path "$(windows_folder TEMP)")

# What the installation must not leave behind: every file outside the
# temporary folder, the temporary folder, and the registry.
snapshot() {
    find "$dir/prefix/drive_c" -path "$temp" -prune -o -print | sort >"$dir/$1.files"
    find "$temp" | sort >"$dir/$1.temp"
    # Less Wine's own settings, which any program's window may change.
    out reg query HKCU /s |
        awk '/^HKEY_/ { wine = index($0, "HKEY_CURRENT_USER\\Software\\Wine\\") == 1 } !wine' \
            >"$dir/$1.hkcu"
    out reg query 'HKLM\Software' /s >"$dir/$1.hklm"
}

# A value of the uninstall entry, as reg query prints it.
entry_value() {
    printf '%s\n' "$entry" | sed -n "s/^    $1    REG_[A-Z_]*    //p"
}

expect_value() {
    actual=$(entry_value "$1")
    [ "$actual" = "$2" ] || fail "uninstall entry: $1 is \"$actual\", not \"$2\""
}

# mode: CurrentUser or AllUsers; folder: where it installs; menu: the Start
# menu's programs; hive: where its uninstall entry goes, other: where not.
check_installed() {
    unix_folder=$(unix_path "$folder")
    files=$(cd "$unix_folder" && ls | tr '\n' ' ')
    [ "$files" = "bitloom-flags.exe bitloom.exe uninstall.exe " ] ||
        fail "$folder holds $files"
    for program in bitloom.exe bitloom-flags.exe; do
        cmp -s "$dir/zip/$program" "$unix_folder/$program" || fail "$folder\\$program is not the zip's"
    done

    shortcut=$(unix_path "$menu\\Bitloom.lnk")
    [ -f "$shortcut" ] || fail "no Bitloom.lnk in $menu"
    grep -aqF "$folder\\bitloom.exe" "$shortcut" || fail "Bitloom.lnk does not start $folder\\bitloom.exe"

    entry=$(out reg query "$hive\\$key") || true
    [ -n "$entry" ] || fail "no uninstall entry in $hive"
    ! run reg query "$other\\$key" >/dev/null 2>&1 || fail "an uninstall entry in $other too"
    expect_value DisplayName Bitloom
    expect_value DisplayVersion "$version"
    expect_value DisplayIcon "$folder\\bitloom.exe,0"
    expect_value InstallLocation "$folder"
    expect_value UninstallString "\"$folder\\uninstall.exe\" /$mode"
    expect_value QuietUninstallString "\"$folder\\uninstall.exe\" /$mode /S"
    expect_value NoModify 0x1
    expect_value NoRepair 0x1
    [ -n "$(entry_value Publisher)" ] || fail "uninstall entry: no Publisher"
    size=$(($(entry_value EstimatedSize)))
    bytes=$(cat "$unix_folder"/* | wc -c)
    [ "$size" -eq $((bytes / 1024)) ] || fail "uninstall entry: EstimatedSize $size KB for $bytes bytes"
}

# The Start menu entry starts the installed program, whose window shows.
check_starts() {
    run cmd /c start "" "$menu\\Bitloom.lnk" >/dev/null 2>&1 || fail "Bitloom.lnk does not open"
    window=""
    tries=0
    while [ -z "$window" ]; do
        window=$(xdotool search --onlyvisible --name '^Bitloom$' 2>/dev/null | head -n 1) || true
        tries=$((tries + 1))
        [ $tries -le 100 ] || fail "no window titled Bitloom within 20 s of the Start menu entry"
        sleep 0.2
    done
    pid=$(xdotool getwindowpid "$window")
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qiF "$folder\\bitloom.exe" ||
        fail "the window Bitloom is not the installed program's: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
    run taskkill /F /IM bitloom.exe >/dev/null 2>&1 || true
    while xdotool search --onlyvisible --name '^Bitloom$' >/dev/null 2>&1; do sleep 0.2; done
}

# The uninstall Windows runs, silently: the uninstaller copies itself into
# the temporary folder and ends; the copy does the work.
uninstall() {
    quiet=$(entry_value QuietUninstallString)
    uninstaller=${quiet#\"}
    uninstaller=${uninstaller%%\"*}
    # shellcheck disable=SC2086 # the options, one word each
    timed "$uninstaller" ${quiet##*\" } || fail "$quiet failed"
    tries=0
    while pgrep -f '~nsu.*\.tmp.Un\.exe' >/dev/null; do
        tries=$((tries + 1))
        [ $tries -le 300 ] || fail "$quiet has not ended within a minute"
        sleep 0.2
    done
    elapsed=$(($(milliseconds) - start))
}

check_nothing_left() {
    snapshot after
    for part in files hkcu hklm; do
        diff "$dir/before.$part" "$dir/after.$part" >"$dir/left.$part" ||
            fail "the uninstall left ($part, < before, > after):
$(cat "$dir/left.$part")"
    done
    # The uninstaller's own copy is the one thing Windows, not the uninstaller,
    # removes: NSIS has it deleted at the next restart.
    left=$(comm -13 "$dir/before.temp" "$dir/after.temp" | grep -v '/~nsu[0-9A-F]*\.tmp\(/Un\.exe\)\{0,1\}$') || true
    [ -z "$left" ] || fail "the uninstall left in the temporary folder: $left"
}

# For the current user in the default folder; for all users in a folder
# chosen on the command line (/D=, last), which the upgrade must keep.
for mode in CurrentUser AllUsers; do
    if [ $mode = CurrentUser ]; then
        folder="$(windows_folder LOCALAPPDATA)\\Programs\\Bitloom"
        menu="$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
        hive=HKCU other=HKLM options=""
    else
        folder='C:\Bitloom'
        menu="$(windows_folder ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"
        hive=HKLM other=HKCU options="/AllUsers /D=$folder"
    fi
    snapshot before

    # shellcheck disable=SC2086 # the options, one word each
    timed "$setup" /S $options || fail "the silent install ($mode) ended with status $status"
    say "$mode: silent install in $elapsed ms, into $folder"
    check_installed
    printf '%s\n' "$entry"
    check_starts
    say "$mode: the Start menu entry shows the window of $folder\\bitloom.exe"

    # An older version, as far as the installer can tell: another
    # bitloom-flags.exe and another version in the entry. A copy of the
    # installer, given no option, finds it and upgrades it where it is.
    run reg add "$hive\\$key" /v DisplayVersion /d 0.0.0.1 /f >/dev/null
    echo older >"$unix_folder/bitloom-flags.exe"
    cp "$setup" "$dir/copy-of-setup.exe"
    timed "$dir/copy-of-setup.exe" /S || fail "the upgrade ($mode) ended with status $status"
    say "$mode: upgrade in $elapsed ms"
    check_installed

    uninstall
    say "$mode: silent uninstall in $elapsed ms"
    check_nothing_left
    say "$mode: the uninstall left nothing behind"
done
say "$(basename "$setup"): $(wc -c <"$setup") bytes, checked"
