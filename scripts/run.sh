#!/bin/sh
# Sets up the machine, builds Velmora and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
if [ -x build/src/app/velmora ]; then
    exec build/src/app/velmora "$@"
fi
echo "The window is not built yet; nothing to start." >&2
exit 1
