#!/usr/bin/env bash
# Installs what is missing, cross-builds Vantelix for Windows x86_64 with
# MinGW-w64 and its tests, and packs build/windows/vantelix-<version>-windows-x86_64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh
. tools/lib/windows.sh

# The Linux build's packages bring CMake, Ninja, Qt's host tools (moc, rcc,
# uic and their CMake files) and the font the Windows tests render with.
ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
ensure_windows_qt
cmake --workflow --preset windows
