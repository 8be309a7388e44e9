#!/usr/bin/env bash
# Installs what is missing, builds Vantelix with its tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test
# headless; then cross-builds the Windows program and runs its tests under
# Wine (tools/run-windows-tests.sh). Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset sanitizer
cmake --build --preset sanitizer
ctest --preset sanitizer

tools/run-windows-tests.sh
