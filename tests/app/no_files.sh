#!/bin/sh
# The program reads and writes no files and keeps no settings. A short session
# on a virtual screen (start, wide view, two flags ticked from the keyboard,
# single view, the About window, quit answered Yes) runs under strace, and any
# file opened for writing, or any file or folder created, renamed, linked or
# removed by the program fails the test.
#
# Usage: no_files.sh path/to/bitloom. Exits 77 (skipped) without the tools.
set -eu
program="$1"
for tool in strace xdotool xvfb-run xauth; do
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
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Bitloom$' | head -n 1)
xdotool windowfocus "$window"
sleep 0.5
keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.3
    done
}
# Without a window manager the focus is handed over by hand.
focus() {
    xdotool windowfocus "$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1)"
    sleep 0.3
}
keys ctrl+w alt+d Tab space Tab space ctrl+s F1
focus '^Bitloom 1.0'
keys Escape
focus '^Bitloom$'
keys ctrl+q
focus '^Confirmation pour Quitter'
keys Return
status=0
wait "$tracer" || status=$?
exit "$status"
SESSION

if ! timeout 60 xvfb-run -a -s '-screen 0 1280x1024x24' sh "$work/session.sh" "$work" "$program"; then
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
