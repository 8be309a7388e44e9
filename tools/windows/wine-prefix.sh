#!/usr/bin/env bash
# wine-prefix.sh DIR: makes DIR a fresh 64-bit Wine prefix for the Windows
# build's tests, replacing whatever was there, and leaves its server and
# services running for them.
# wine-prefix.sh --stop DIR: ends the server and every program still running
# in the prefix.
set -euo pipefail
wineserver=/usr/lib/wine/wineserver
if [ "$1" = --stop ]; then
    WINEPREFIX=$2 "$wineserver" -k 2>/dev/null || true
    exit 0
fi

export WINEPREFIX=$1 WINEDEBUG=-all
"$wineserver" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
log=$WINEPREFIX/wineboot.log
# The server and Wine's services outlive this script, and whatever holds
# CTest's output open keeps CTest waiting: they get a file instead. The
# server stays until --stop, so that no test starts them again.
"$wineserver" --persistent </dev/null >"$log" 2>&1
# Wine says it has no 32-bit part (syswow64\rundll32.exe): harmless.
if ! /usr/lib/wine/wine64 wineboot -i </dev/null >>"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
# A web address the tests open really goes to the shell, which hands it to
# winebrowser: with no browser or mail program listed, nothing opens outside
# the prefix.
for kind in Browsers Mailers; do
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\WineBrowser' /v "$kind" /t REG_SZ /d '' /f \
        </dev/null >>"$log" 2>&1
done
