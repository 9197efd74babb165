#!/bin/sh
# Renders the window's input panel, its File menu, place look-up and result tabs into
# docs/screenshots/, at normal and at double scale, under light and dark desktop colours,
# without a display.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DVELMORA_WERROR=ON
cmake --build build --target velmora_screenshots
export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
QT_SCALE_FACTOR=1 build/tests/app/velmora_screenshots docs/screenshots
QT_SCALE_FACTOR=2 build/tests/app/velmora_screenshots docs/screenshots @2x
QT_SCALE_FACTOR=1 build/tests/app/velmora_screenshots --dark docs/screenshots
QT_SCALE_FACTOR=2 build/tests/app/velmora_screenshots --dark docs/screenshots @2x
# The user guide shows the look-up at normal scale.
cp docs/screenshots/place-lookup.png resources/help/place-lookup.png
