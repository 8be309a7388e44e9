#!/usr/bin/env bash
# Installs what is missing, builds Vantelix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh

ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset default
cmake --build --preset default

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built build/default/app/vantelix, but there is no display to show it on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run this command again from a desktop session." >&2
    exit 2
fi
exec build/default/app/vantelix
