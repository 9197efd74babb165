#!/bin/bash
# Times Velmora's window against a bare Qt 6 window of the same shape (bare_window),
# on a virtual X screen, and prints the medians of both and their ratios.
#
#   bench/window_bench.sh [--build-dir DIR] [ROUNDS]     (DIR also from $BUILD_DIR; default build,
#                                                          ROUNDS default 31: single runs vary)
#
# Needs velmora, bare_window and x_paint_probe built in DIR (it builds nothing), and
# xvfb-run (packages xvfb, xauth). Each round runs the bare window, then Velmora,
# each under x_paint_probe, each in a fresh XDG_CONFIG_HOME and XDG_RUNTIME_DIR with
# LANG=C.UTF-8. What is timed, per program:
#   start-up  from just before exec to the last drawing before the screen stays quiet
#             for 400 ms: the first screen (both open on their entry form).
#   command   the form is filled by keys first, untimed (the bare window: a name;
#             Velmora: name, time zone, latitude and longitude - the rest keeps its
#             defaults), then File > Calculate is typed: Alt+F, the menu is drawn,
#             then C. Timed from C to the last drawing of the answer page.
#   cpu       the program's user+system CPU time once its first screen is drawn and
#             the screen has settled (10 ms ticks); for the command, the CPU time
#             from giving the window focus, through Alt+F, to the settled answer.
#   rss, pss  the program's memory once it is idle with the answer shown.
# Velmora starts without a reading file: a saved reading holds only the reading's
# lines, not the birth form, so it cannot fill the form. Its update reminder stays
# quiet because every round's settings start as a copy of the file that a first,
# untimed run wrote itself (it stores today's date and asks nothing when none is
# stored). That run and one of the bare window also warm the disk cache.
# Exits non-zero only when a program or the probe cannot be run, never on the ratios.
set -euo pipefail

BUILD_DIR=${BUILD_DIR:-build}
ROUNDS=31
while [ $# -gt 0 ]; do
    case $1 in
    --build-dir) BUILD_DIR=$2; shift 2 ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) ROUNDS=$1; shift ;;
    esac
done
case $ROUNDS in '' | *[!0-9]* | 0) echo "window_bench: ROUNDS must be a positive number" >&2; exit 2 ;; esac

BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
PROBE=$BUILD_DIR/bench/x_paint_probe
BARE=$BUILD_DIR/bench/bare_window
VELMORA=$BUILD_DIR/src/app/velmora
for program in "$PROBE" "$BARE" "$VELMORA"; do
    if [ ! -x "$program" ]; then
        echo "window_bench: $program is not built (ninja -C $BUILD_DIR velmora bare_window x_paint_probe)" >&2
        exit 2
    fi
done

if [ -z "${WINDOW_BENCH_SCREEN:-}" ]; then
    export WINDOW_BENCH_SCREEN=1
    exec xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$0" --build-dir "$BUILD_DIR" "$ROUNDS"
fi

WORK=$(mktemp -d "${TMPDIR:-/tmp}/window_bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

# Keys that fill Velmora's form from the name field down the tab chain: name "a",
# past date and time of birth, zone 5:30, latitude 13 0 (North), longitude 80 20 (East).
VELMORA_FORM=a,Tab,Tab,Tab,Tab,Tab,Tab,Tab,5,Tab,3,0,Tab,Tab,Tab,1,3,Tab,0,Tab,Tab,8,0,Tab,2,0
BARE_FORM=a
CALCULATE=alt+f,c

# Runs one program under the probe in a fresh environment whose settings start as a
# copy of $WORK/seed; appends "NAME <probe line>" to $WORK/results.
run=0
measure() {
    local name=$1
    shift
    run=$((run + 1))
    local home=$WORK/run$run
    mkdir -p "$home/config" "$home/runtime"
    chmod 700 "$home/runtime"
    cp -R "$WORK/seed/." "$home/config/"
    local line
    if ! line=$(cd "$home" && XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime LANG=C.UTF-8 \
        env -u LC_ALL "$PROBE" "$@" 2>"$home/log"); then
        echo "window_bench: $name failed (round $round):" >&2
        cat "$home/log" >&2
        exit 1
    fi
    echo "$name $line" >>"$WORK/results"
    rm -rf "$home"
}

# The settings file Velmora writes on its first start.
mkdir -p "$WORK/seed"
round=0
if ! (cd "$WORK" && XDG_CONFIG_HOME=$WORK/seed XDG_RUNTIME_DIR=$WORK/seed-runtime LANG=C.UTF-8 \
    "$PROBE" -- "$VELMORA" >/dev/null 2>"$WORK/seed.log"); then
    echo "window_bench: Velmora did not start:" >&2
    cat "$WORK/seed.log" >&2
    exit 1
fi
if ! grep -rqs '^\[Settings\]' "$WORK/seed"; then
    echo "window_bench: Velmora wrote no settings file under $WORK/seed" >&2
    exit 1
fi
measure warm-up --untimed-keys "$BARE_FORM" --keys "$CALCULATE" -- "$BARE"
: >"$WORK/results"

echo "window_bench: $ROUNDS rounds on $DISPLAY, load average $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
for round in $(seq "$ROUNDS"); do
    measure bare --untimed-keys "$BARE_FORM" --keys "$CALCULATE" -- "$BARE"
    measure velmora --untimed-keys "$VELMORA_FORM" --keys "$CALCULATE" -- "$VELMORA"
    printf '.' >&2
done
echo >&2

# The median of one measure for one program.
median() {
    awk -v name="$1" -v key="$2" '$1 == name {
            for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == key) print kv[2] }
        }' "$WORK/results" | sort -g |
        awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2];
              else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "window_bench: medians of $ROUNDS rounds, load average now $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-16s %12s %12s %8s %8s\n' measure bare velmora ratio limit
for row in "start-up ms:startup_ms:1.3" "command ms:click_ms:2" "start-up cpu ms:cpu_ms:-" \
    "command cpu ms:click_cpu_ms:-" "rss kB:rss_kb:1.3" "pss kB:pss_kb:1.3"; do
    IFS=: read -r label key limit <<<"$row"
    bare=$(median bare "$key")
    velmora=$(median velmora "$key")
    ratio=$(awk -v b="$bare" -v v="$velmora" 'BEGIN { if (b > 0) printf "%.2f", v / b; else print "-" }')
    printf '%-16s %12s %12s %8s %8s\n' "$label" "$bare" "$velmora" "$ratio" "$limit"
done
if [ -n "${WINDOW_BENCH_KEEP:-}" ]; then
    cp "$WORK/results" "$WINDOW_BENCH_KEEP"
fi
