#!/bin/sh
# Builds the whole suite with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs it.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF -DVELMORA_WERROR=ON
cmake --build build-asan
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
ctest --output-on-failure --no-tests=error -j2
