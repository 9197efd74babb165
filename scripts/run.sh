#!/bin/sh
# Sets up the machine, builds Velmora and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
exec build/src/app/velmora "$@"
