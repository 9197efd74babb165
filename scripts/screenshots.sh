#!/bin/sh
# Renders the window's input panel, its File menu, place look-up, About box, result tabs and the bird's
# day into docs/screenshots/, at normal and at double scale, without a display: in English under light and
# dark desktop colours, then in Tamil (*-ta.png), chosen through the locale the window follows.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DVELMORA_WERROR=ON
cmake --build build --target velmora_screenshots
export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
unset LC_ALL LC_MESSAGES LANGUAGE
LANG=C.UTF-8 QT_SCALE_FACTOR=1 build/tests/app/velmora_screenshots docs/screenshots
LANG=C.UTF-8 QT_SCALE_FACTOR=2 build/tests/app/velmora_screenshots docs/screenshots @2x
LANG=C.UTF-8 QT_SCALE_FACTOR=1 build/tests/app/velmora_screenshots --dark docs/screenshots
LANG=C.UTF-8 QT_SCALE_FACTOR=2 build/tests/app/velmora_screenshots --dark docs/screenshots @2x
LANG=ta_IN.UTF-8 QT_SCALE_FACTOR=1 build/tests/app/velmora_screenshots docs/screenshots -ta
LANG=ta_IN.UTF-8 QT_SCALE_FACTOR=2 build/tests/app/velmora_screenshots docs/screenshots -ta@2x
# The user guides show the look-up, the bird's day and its plan (light, dark and Tamil) at normal scale.
cp docs/screenshots/place-lookup.png resources/help/place-lookup.png
cp docs/screenshots/place-lookup-ta.png resources/help/place-lookup-ta.png
for picture in birds-day birds-day-dark birds-day-ta birds-day-plan birds-day-plan-dark birds-day-plan-ta; do
  cp "docs/screenshots/$picture.png" "resources/help/$picture.png"
done
