#!/usr/bin/env bash
# Cross-builds the Windows program and retakes
# docs/screenshots/windows-main-window.png: the main window at start-up, as
# vantelix.exe from the zip shows it under Wine on a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh

tools/build-windows.sh
ensure_packages imagemagick
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
package=vantelix-$version-windows-x86_64
cmake -E chdir "$scratch" cmake -E tar xf "$PWD/build/windows/$package.zip"

# The prefix is made on the virtual display: Wine's desktop process, started
# with it, takes the display it finds then.
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    export WINEPREFIX=$1/prefix WINEDEBUG=-all
    tools/windows/wine-prefix.sh "$WINEPREFIX"
    trap "tools/windows/wine-prefix.sh --stop \"\$WINEPREFIX\"" EXIT
    (cd "$1/$2" && exec /usr/lib/wine/wine64 ./vantelix.exe) &
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name "^Vantelix\$" 2>/dev/null || true)
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "The main window did not show." >&2; exit 1; }
    sleep 1 # the first paint
    import -window "$window" "$3"
    xdotool mousemove --window "$window" 400 340 click 1 # Exit
    wait
' take-screenshot "$scratch" "$package" docs/screenshots/windows-main-window.png
echo "Wrote docs/screenshots/windows-main-window.png"
