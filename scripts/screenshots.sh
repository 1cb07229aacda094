#!/bin/sh
# Takes the README's screenshots of the real program on a virtual screen with
# a window manager, driving it with the keyboard and mouse as a user would.
# Usage: scripts/screenshots.sh path/to/bitloom [output-folder]
set -eu
program="$1"
out="${2:-docs}"
sh "$(dirname "$0")/setup.sh" openbox imagemagick xdotool x11-utils xclip

display=:77
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
sleep 1

"$program" >/dev/null 2>&1 &
sleep 2
window=$(xdotool search --sync --onlyvisible --name '^Bitloom$' | head -n 1)
xdotool windowmove "$window" 40 40
sleep 0.5

# The screen area of the window with its frame (the window manager's frame is
# the parent of the program's window), with whatever stands over it.
shoot() {
    frame=$(xwininfo -id "$1" -children | awk '/Parent window id/ {print $4}')
    geometry=$(xwininfo -id "$frame" | awk '
        /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2}
        END {printf "%dx%d+%d+%d", w, h, x, y}')
    import -window root -crop "$geometry" +repage "$out/$2"
}

mkdir -p "$out"
xdotool windowactivate --sync "$window"
shoot "$window" single-summary.png

# Pick "3e Chiffre" in the pane list, then tick two flags.
xdotool key --window "$window" Down Down Down
sleep 0.3
xdotool key --window "$window" Tab space Tab space
sleep 0.3
shoot "$window" single-digit.png

# The mouse resting on the second box's caption (window coordinates, below
# the menu bar) until its tooltip shows.
xdotool mousemove --window "$window" 150 110
sleep 1.5
shoot "$window" tooltip.png
xdotool mousemove 0 0
sleep 0.3

xdotool key --window "$window" ctrl+w
sleep 0.5
shoot "$window" wide.png

xdotool key --window "$window" F1
sleep 0.5
shoot "$window" about.png
xdotool key Escape
sleep 0.3

# A vehicle line read back from the clipboard, then the Edition menu open
# over it, "Copier la ligne" naming the vehicle.
xdotool key --window "$window" ctrl+s
sleep 0.5
xdotool key --window "$window" alt+a r
sleep 0.3
printf '%s' 'LANDSTAL 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 0.0 0.5 25000 0.25 -0.20 0.5 20 0x9047000 1 1' |
    xclip -selection clipboard
xdotool key --window "$window" ctrl+v
sleep 0.3
xdotool key --window "$window" alt+e
sleep 0.5
# The menu is a window of its own: shoot the program's frame and the menu.
geometry=$(xwininfo -id "$(xwininfo -id "$window" -children | awk '/Parent window id/ {print $4}')" |
    awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
         /Width:/ {w = $2} /Height:/ {h = $2} END {printf "%dx%d+%d+%d", w + 120, h, x, y}')
import -window root -crop "$geometry" +repage "$out/edition-menu.png"
xdotool key Escape
sleep 0.3
# The quit question in the window manager's own frame: its whole title.
xdotool key --window "$window" ctrl+q
question=$(xdotool search --sync --onlyvisible --name '^Confirmation pour Quitter\?$' | head -n 1)
sleep 0.5
shoot "$question" quit.png
kill %3 2>/dev/null || true
