#!/bin/sh
# The program reads and writes no files and keeps no settings. A short session
# on a virtual screen (start, wide view, two flags ticked from the keyboard,
# single view, the About window, quit answered Yes) runs under strace, and any
# file opened for writing, or any file or folder created, renamed, linked or
# removed by the program fails the test.
#
# The session has its own session bus, as a desktop has. Without one, Qt's
# D-Bus connection starts a bus itself where dbus-launch is installed: that
# bus is the program's child, so strace never returns, and dbus-launch writes
# files of its own.
#
# Every step of the session has its own time limit; a step that stalls fails
# the test at once, naming the step.
#
# Usage: no_files.sh path/to/bitloom. Exits 77 (skipped) without the tools.
set -eu
program="$1"
for tool in strace xdotool xvfb-run xauth dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "no_files: $tool is missing, skipped"
        exit 77
    fi
done

if ! strace -o /dev/null true 2>/dev/null; then
    echo "no_files: strace cannot trace here (ptrace not allowed), skipped"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A desktop session gives every program its runtime folder. Without one, Qt
# itself creates /tmp/runtime-$USER at start (its platform set-up looks there
# for a sandbox marker); see the README.
mkdir -m 700 "$work/runtime"

cat >"$work/session.sh" <<'SESSION'
set -eu
# LeakSanitizer, in a sanitizer build, cannot work under ptrace.
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$1/runtime" ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" strace -f -qq -o "$1/trace" \
    -e trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,link,linkat,symlink,symlinkat,unlink,unlinkat,rmdir,truncate \
    "$2" &
tracer=$!

# Ends the session at a step that did not finish in time: the traced program
# goes with it, so that nothing outlives the test.
stalled() {
    echo "no_files: stalled at step \"$step\": $1" >&2
    for child in $(ps -o pid= --ppid "$tracer" 2>/dev/null); do
        kill "$child" 2>/dev/null || true
    done
    kill "$tracer" 2>/dev/null || true
    exit 1
}

# Waits up to $2 seconds for a visible window titled like $1 and gives it the
# focus: without a window manager the focus is handed over by hand.
focus() {
    step="focus the window titled like '$1'"
    found=$(timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$found" ] || stalled "no such window within $2 s"
    timeout 5 xdotool windowfocus "$found" || stalled "xdotool windowfocus did not return within 5 s"
    sleep 0.3
}

keys() {
    for key in "$@"; do
        step="press $key"
        kill -0 "$tracer" 2>/dev/null || stalled "the program ended before this key"
        timeout 5 xdotool key --clearmodifiers "$key" || stalled "xdotool key did not return within 5 s"
        sleep 0.3
    done
}

focus '^Bitloom$' 20
sleep 0.2
keys ctrl+w alt+d Tab space Tab space ctrl+s F1
focus '^Bitloom 1.0' 10
keys Escape
focus '^Bitloom$' 10
keys ctrl+q
focus '^Confirmation pour Quitter' 10
keys Return

step="the program ends after Return answered the quit question"
waited=0
while kill -0 "$tracer" 2>/dev/null; do
    [ "$waited" -lt 100 ] || stalled "still running after 10 s (left: $(ps -o pid=,comm= --ppid "$tracer" | tr -s ' \n' ' '))"
    sleep 0.1
    waited=$((waited + 1))
done
status=0
wait "$tracer" || status=$?
[ "$status" -eq 0 ] || echo "no_files: the program ended with status $status" >&2
exit "$status"
SESSION

# The outer limit only catches what the steps' own limits cannot: the virtual
# screen or the session bus failing to start.
status=0
timeout 90 xvfb-run -a -s '-screen 0 1280x1024x24' \
    dbus-run-session -- sh "$work/session.sh" "$work" "$program" || status=$?
if [ "$status" -eq 124 ]; then
    echo "no_files: the session did not end within 90 s (virtual screen or session bus stuck)"
    exit 1
elif [ "$status" -ne 0 ]; then
    echo "no_files: the session did not end with the program's own exit 0"
    exit 1
fi

written=$(grep -E '(open|openat|openat2|creat)\(' "$work/trace" \
    | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' \
    | grep -vE '= -1 |"/dev/' || true)
changed=$(grep -E '^[0-9]+ +(mkdir|mkdirat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|truncate)\(' "$work/trace" \
    | grep -v '= -1 ' || true)
opened=$(grep -cE 'open' "$work/trace" || true)

if [ -n "$written$changed" ]; then
    echo "no_files: the program wrote to the file system:"
    printf '%s\n' "$written" "$changed" | sed '/^$/d'
    exit 1
fi
echo "no_files: $opened file look-ups, none for writing; no file or folder created"
