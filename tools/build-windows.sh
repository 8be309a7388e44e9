#!/usr/bin/env bash
# Installs what is missing, cross-builds Vantelix for Windows x86_64 with
# MinGW-w64 and its tests, and packs build/windows/vantelix-<version>-windows-x86_64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh
. tools/lib/windows.sh

ensure_packages cmake ninja-build qt6-base-dev-tools fonts-dejavu-core "${WINDOWS_PACKAGES[@]}"
ensure_windows_qt
cmake --workflow --preset windows
