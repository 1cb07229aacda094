#!/bin/sh
# Starts the program, or says how to when there is no display to show it on.
set -eu
program="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "make run: no display here; start it under a virtual one with: xvfb-run -s '-screen 0 1280x1024x24' make run" >&2
    exit 1
fi
exec "$program"
