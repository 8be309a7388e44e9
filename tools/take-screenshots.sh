#!/usr/bin/env bash
# Builds the program and retakes every screenshot in docs/screenshots from the
# real windows, on a virtual X server of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth
cmake --preset testing
cmake --build --preset testing --target vantelix-screenshots
QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    build/testing/tools/screenshots/vantelix-screenshots docs/screenshots
