#!/bin/sh
# Runs Windows programs under Wine for the Windows tests, the same way on a
# developer's machine and in CI, as any user including root:
#
#   wine-session.sh start DIR            prepare and start the session
#   wine-session.sh run DIR PROGRAM ARGS run one program in it; when none
#                                        runs, in a session of its own,
#                                        stopped after (so programs run at
#                                        once want a session started first)
#   wine-session.sh stop DIR             stop the session
#
# DIR (build/windows/wine) holds it all: the Wine prefix, created once with
# its own virtual desktop, and the French locale when the system lacks it. A
# session is a virtual screen (Xvfb, never the developer's DISPLAY) and a
# wineserver kept running, so that each program starts in a tenth of a second
# rather than two. CTest starts one before the tests and stops it after them.
set -eu

usage() {
    echo "usage: $0 start|stop DIR, or $0 run DIR PROGRAM [ARGUMENTS...]" >&2
    exit 2
}
[ $# -ge 2 ] || usage
command=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
shift 2

# Everything Wine runs here sees French settings ("Oui"/"Non" in question
# boxes, the Windows-1252 code page), a quiet log, and no Mono, Gecko or
# desktop menu entries written into the user's home.
export WINEPREFIX="$dir/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
unset LANGUAGE WINEARCH WINESERVER
if ! locale -a 2>/dev/null | grep -qix 'fr_FR\.utf-\{0,1\}8'; then
    export LOCPATH="$dir/locale"
fi

screen_running() {
    [ -s "$dir/xvfb.pid" ] && [ -s "$dir/display" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null
}

session_running() {
    screen_running && [ -f "$WINEPREFIX/.bitloom-ready" ]
}

make_locale() {
    [ -n "${LOCPATH:-}" ] && [ ! -f "$LOCPATH/fr_FR.UTF-8/LC_CTYPE" ] || return 0
    mkdir -p "$LOCPATH"
    if ! localedef -i fr_FR -f UTF-8 "$LOCPATH/fr_FR.UTF-8" >"$dir/localedef.log" 2>&1 &&
        [ ! -f "$LOCPATH/fr_FR.UTF-8/LC_CTYPE" ]; then
        echo "$0: cannot build the fr_FR.UTF-8 locale (is the locales package installed?)" >&2
        exit 1
    fi
}

start_screen() {
    rm -f "$dir/display" "$dir/xvfb.pid"
    # -displayfd: Xvfb takes the first free display and says which once it
    # accepts clients.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$dir/display.new" </dev/null >"$dir/xvfb.log" 2>&1 9>&- &
    echo $! >"$dir/xvfb.pid"
    tries=0
    until [ -s "$dir/display.new" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 200 ] || ! kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null; then
            echo "$0: Xvfb did not start; see $dir/xvfb.log" >&2
            exit 1
        fi
        sleep 0.05
    done
    tr -d '\n' <"$dir/display.new" >"$dir/display"
    rm -f "$dir/display.new"
}

# Some seconds, once. Top-level windows live in a Wine virtual desktop:
# there is no window manager for Wine to wait on, and screenshots of the
# virtual screen show the whole window, frame included.
make_prefix() {
    [ ! -f "$WINEPREFIX/.bitloom-ready" ] || return 0
    rm -rf "$WINEPREFIX"
    {
        wineboot --init
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f
        wineserver --wait
    } </dev/null >"$dir/wineboot.log" 2>&1 9>&-
    # Wine's own Windows fonts (MS Sans Serif, Tahoma, Marlett for the title
    # bar's buttons), as Windows has them: Debian's Wine does not look in its
    # fonts folder by itself, and would draw with whatever the system
    # substitutes, whose metrics are not Windows'.
    if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    touch "$WINEPREFIX/.bitloom-ready"
}

# The wineserver, the services and the desktop are started here with no
# standard streams of a test, which CTest would otherwise wait on, and without
# the lock, which they would hold for ever.
start_wine() {
    wineserver --persistent </dev/null >/dev/null 2>&1 9>&- || true
    wine cmd /c exit </dev/null >>"$dir/wine.log" 2>&1 9>&-
}

# Safe to run at once from several processes: one does the work, the others
# wait for it and find everything in place.
start() {
    exec 9>"$dir/lock"
    flock 9
    make_locale
    screen_running || start_screen
    export DISPLAY=":$(cat "$dir/display")"
    make_prefix
    start_wine
    exec 9>&-
}

stop() {
    exec 9>"$dir/lock"
    flock 9
    wineserver --kill </dev/null >/dev/null 2>&1 || true
    if [ -s "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$dir/xvfb.pid" "$dir/display"
    exec 9>&-
}

case $command in
start) start ;;
stop) stop ;;
run)
    [ $# -ge 1 ] || usage
    if session_running; then
        export DISPLAY=":$(cat "$dir/display")"
        exec wine "$@"
    fi
    start
    export DISPLAY=":$(cat "$dir/display")"
    status=0
    wine "$@" || status=$?
    stop
    exit $status
    ;;
*) usage ;;
esac
