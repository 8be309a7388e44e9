#!/usr/bin/env bash
# wine-run.sh [--qtest] PROGRAM.exe [ARGUMENT...]
#
# Runs a program of the Windows build under 64-bit Wine: CTest's emulator for
# that build (CMAKE_CROSSCOMPILING_EMULATOR). The caller sets WINEPREFIX (made
# once per test run by wine-prefix.sh) and WINEPATH (where Qt's and the MinGW
# runtime's DLLs are). Prints what Wine and the program wrote, and exits with
# the program's status.
#
# --qtest: the program is a Qt Test. Its report goes to a file and is printed
# afterwards: Wine does not pass a Windows program's console output on.
set -uo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix to run in}"
export WINEDEBUG=${WINEDEBUG:--all}
# Debian's 64-bit loader; /usr/bin/wine wants the 32-bit one.
loader=/usr/lib/wine/wine64

# Wine passes no variable named QT_... on to the program, but passes
# WINEQT_... on as QT_...: the test's QT_QPA_PLATFORM and the like arrive.
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_')

output=$(mktemp)
report=$(mktemp --suffix=.txt)
trap 'rm -f "$output" "$report"' EXIT
arguments=("$@")
if [ "${1:-}" = --qtest ]; then
    # Z: is Wine's drive for the Unix root.
    arguments=("${@:2}" -o "Z:$report,txt")
fi
# Anything the program leaves running (Wine starts helpers on demand) keeps
# only this file open, never CTest's output, which CTest waits on.
"$loader" "${arguments[@]}" </dev/null >"$output" 2>&1
status=$?
cat "$output" "$report"
exit "$status"
