#!/bin/sh
# Builds the libFuzzer targets with clang and runs each one on its committed
# seed corpus for a fixed time. A crash, a leak, a timeout or memory above the
# limit fails the run. Usage: scripts/fuzz.sh [seconds per target, default 45]
set -eu
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET="${1:-45}"
./scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_FUZZ=ON -DVELMORA_BUILD_BENCH=OFF -DVELMORA_WERROR=ON
cmake --build build-fuzz --target velmora_fuzzers

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for fuzzer in build-fuzz/fuzz/*fuzz*; do
    [ -x "$fuzzer" ] && [ -f "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"
    seeds="fuzz/corpus/${name%_fuzz}"
    mkdir -p "$work/$name"
    cp -r "$seeds"/. "$work/$name"/
    echo "fuzz: $name for ${SECONDS_PER_TARGET}s"
    # AddressSanitizer keeps an allocation stack per live block; through a Qt built
    # without frame pointers those stacks grow without end, so targets that reach
    # Qt keep none and their memory stays flat however long they run.
    options="${ASAN_OPTIONS:-}"
    case "$name" in
        place_query_fuzz | settings_file_fuzz | pdf_arguments_fuzz) options="${options:+$options:}malloc_context_size=0" ;;
    esac
    if ! ASAN_OPTIONS="$options" "$fuzzer" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=1024 \
            -malloc_limit_mb=512 -print_final_stats=1 -artifact_prefix="$work/$name-" \
            "$work/$name" >"$work/$name.log" 2>&1; then
        tail -40 "$work/$name.log"
        echo "fuzz: $name FAILED" >&2
        status=1
    else
        grep -E "^stat::number_of_executed_units" "$work/$name.log" || true
    fi
done
exit $status
