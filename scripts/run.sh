#!/bin/sh
# Sets up the machine, builds the window and starts it. The build folder and its
# settings are those of test.sh, so neither makes the other build everything again.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DVELMORA_WERROR=ON
cmake --build build --target velmora
exec build/src/app/velmora "$@"
