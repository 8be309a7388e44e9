#!/bin/sh
# Builds the asset generator on its own and redraws every picture and icon in
# assets/. Commit the changed files together with the generator change.
#
#   tools/generate-assets.sh [build-dir]    (default: build-assetgen beside the checkout)
#
# Needs: cmake, ninja-build, g++, qt6-base-dev, libgif-dev, libjpeg62-turbo-dev,
# icc-profiles-free.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$repo/../build-assetgen"}

cmake -S "$repo/tools" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target vantelix_assetgen
"$build/assetgen/assetgen" "$repo/assets"
git -C "$repo" status --short -- assets
