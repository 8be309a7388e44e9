#!/usr/bin/env bash
# Installs what is missing, redraws every picture and icon in assets/ with the
# asset generator and lists what changed: nothing, unless the generator did.
# Commit the changed files together with the generator change.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset testing
cmake --build --preset testing --target regenerate-assets
git status --short -- assets
