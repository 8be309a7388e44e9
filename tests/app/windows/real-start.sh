#!/usr/bin/env bash
# real-start.sh FOLDER ICON: starts FOLDER/vantelix.exe, as unpacked from the
# zip, under 64-bit Wine in a fresh prefix on the X display of the caller
# (xvfb-run), and works it as a user does, through the window system:
#
# - the main window "Vantelix" shows with a client area of 442 x 362 and the
#   32-bit 16 and 32 pixel images of ICON as its window icon;
# - Apply with the desired size one inch up asks for the insertion and ends
#   in the success box; the tray commands fail without a word (Wine has no
#   CD drive), so no other box comes;
# - About opens "About Vantelix", and Enter on its OK closes it;
# - Exit ends the program with status 0.
#
# Message boxes are read as the user would copy them: Ctrl+C puts a Qt
# message box's text on the clipboard, which Wine shares with X.
# Needs xdotool, xclip and xprop (x11-utils).
set -euo pipefail
folder=$1
icon=$2
tools=$(cd "$(dirname "$0")/../../../tools/windows" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix
# Quiet, but for a DLL that cannot be found.
export WINEDEBUG=-all,err+module
unset WINEPATH
cleanup() {
    "$tools/wine-prefix.sh" --stop "$WINEPREFIX"
    rm -rf "$scratch"
}
trap cleanup EXIT
"$tools/wine-prefix.sh" "$WINEPREFIX"

# Top-level windows of that exact name, one id a line.
windows_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# until SECONDS WHAT COMMAND...: runs COMMAND until it succeeds.
until_true() {
    local seconds=$1 what=$2
    shift 2
    local end=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $end ] || fail "$what did not happen within $seconds s"
        sleep 0.2
    done
}

count_is() { [ "$(windows_named "$1" | wc -l)" -eq "$2" ]; }

# The message box in front of the main window: the other window named
# "Vantelix".
message_box() {
    windows_named Vantelix | grep -vx "$main"
}

# Ctrl+C on the window under the pointer: what it puts on the clipboard.
copied_from() {
    xdotool mousemove --window "$1" 20 20
    printf '' | xclip -selection clipboard
    xdotool key ctrl+c
    local text
    for _ in $(seq 25); do
        text=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ -n "$text" ] && break
        sleep 0.2
    done
    printf '%s' "$text"
}

expect_box() {
    local text=$1 buttons=$2 box copied expected
    until_true 30 "the box \"$text\"" count_is Vantelix 2
    box=$(message_box)
    copied=$(copied_from "$box")
    expected=$(printf -- '---------------------------\nVantelix\n---------------------------\n%s\n---------------------------\n%s\n---------------------------' "$text" "$buttons")
    [ "$copied" = "$expected" ] || fail "expected the box \"$text\", got:
$copied"
    # Enter presses the default button, OK.
    xdotool key Return
    until_true 15 "closing the box \"$text\"" count_is Vantelix 1
}

click() {
    xdotool mousemove --window "$main" "$1" "$2" click 1
}

# The icon's 32-bit image of SIZE pixels as X lists it: ARGB values, top row
# first (the .ico keeps BGRA rows from the bottom up).
icon_image() {
    local size=$1 count entry width bits offset
    count=$(od -An -tu2 -j4 -N2 "$icon" | tr -d ' ')
    for ((entry = 0; entry < count; entry++)); do
        width=$(od -An -tu1 -j$((6 + 16 * entry)) -N1 "$icon" | tr -d ' ')
        bits=$(od -An -tu2 -j$((6 + 16 * entry + 6)) -N2 "$icon" | tr -d ' ')
        offset=$(od -An -tu4 -j$((6 + 16 * entry + 12)) -N4 "$icon" | tr -d ' ')
        if [ "$width" -eq "$size" ] && [ "$bits" -eq 32 ]; then
            od -An -v -tu4 -w$((4 * size)) -j$((offset + 40)) -N$((4 * size * size)) "$icon" | tac | tr -s ' \n' '  '
            return
        fi
    done
    fail "$icon has no 32-bit image of $size pixels"
}

# _NET_WM_ICON of the window: width, height and pixels of each image in turn.
window_icon_image() {
    local size=$1
    xprop -id "$main" -notype 32c _NET_WM_ICON | sed 's/^[^=]*= //' | tr -d ',' |
        awk -v size="$size" '{
            for (i = 1; i <= NF; i += 2 + $i * $(i + 1))
                if ($i == size && $(i + 1) == size) {
                    for (p = i + 2; p < i + 2 + size * size; ++p) printf " %s", $p
                    exit
                }
        }'
}

(cd "$folder" && exec /usr/lib/wine/wine64 ./vantelix.exe) </dev/null >"$scratch/output" 2>&1 &
program=$!

main_window_up() {
    kill -0 "$program" 2>/dev/null || fail "vantelix.exe ended before its window showed: $(tail -n 5 "$scratch/output")"
    count_is Vantelix 1
}
until_true 90 "the main window" main_window_up
main=$(windows_named Vantelix)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH x $HEIGHT" = "442 x 362" ] || fail "the main window is $WIDTH x $HEIGHT"
echo "main window: $WIDTH x $HEIGHT"
for size in 16 32; do
    [ "$(window_icon_image "$size")" = "$(icon_image "$size" | sed 's/ *$//')" ] ||
        fail "the window icon of $size pixels is not the program's"
done
echo "window icon: the program's, 16 and 32 pixels"

# Tab from the current-size slider to the desired-size slider, Down to raise
# it by one inch: no question before the tray opens. (Buttons at their
# centres in frmcontrol.ui.)
xdotool mousemove --window "$main" 220 200
xdotool key Tab Down
click 220 340 # Apply
expect_box "Please insert penis now." "OK   Cancel   "
expect_box "Success! You should notice changes within the next few days." "OK   "
echo "Apply: the insertion box, then success; nothing about the tray"

click 40 340 # About
until_true 30 "the About window" count_is "About Vantelix" 1
xdotool mousemove --window "$(windows_named "About Vantelix")" 100 100
xdotool key Return # OK has the focus
until_true 15 "closing the About window" count_is "About Vantelix" 0
echo "About: opened and closed by OK"

click 400 340 # Exit
until_true 30 "the end of the program" eval '! kill -0 "$program" 2>/dev/null'
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "vantelix.exe ended with status $status: $(cat "$scratch/output")"
echo "Exit: status 0"
