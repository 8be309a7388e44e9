#!/usr/bin/env bash
# Installs what is missing, builds Vantelix with its tests and runs every test
# headless. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset testing
cmake --build --preset testing
ctest --preset testing
