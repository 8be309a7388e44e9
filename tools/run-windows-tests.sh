#!/usr/bin/env bash
# Cross-builds Vantelix for Windows and runs its tests under Wine, the zip
# and a real start of the program included. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build-windows.sh
ctest --preset windows
