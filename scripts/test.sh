#!/bin/sh
# Sets up the machine, builds Velmora and runs every test. The build folder and its
# settings are those of run.sh.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DVELMORA_WERROR=ON
cmake --build build
cd build
ctest --output-on-failure --no-tests=error -j2
