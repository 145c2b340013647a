#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of grovan next to a bare Qt main window, on a virtual display.
#
#   benchmarks/startup_benchmark.sh [build folder] [runs]      (defaults: build, 10)
#
# Without a display it starts itself under xvfb-run (the server must not reset between programs).
# Needs xvfb-run (xvfb, xauth), xwininfo (x11-utils) and python3. Each program is copied with the assets
# into a fresh folder, so the databases it writes start empty and nothing in the build changes.
# Time: from starting the program until its window is mapped on the display (polled every few
# milliseconds with xwininfo). Memory: the resident set's peak (VmHWM) one second later, once the
# window has painted. CPU: the time all its threads ran until then (/proc/PID/task/*/schedstat),
# the whole start-up's work, which other programs on the machine disturb less. Cases:
#   bare        the bare Qt main window (the yardstick)
#   bare-menu   the bare window with a menu bar of text, which the bare one lacks: the part of
#               the difference that any window with a menu bar has (loading the fonts)
#   floor       the window with a menu bar, grovan's child-window area showing its picture and one
#               row read from grovan's start-up database: what a program that shows grovan's main
#               window and nothing more costs; what grovan takes beyond it is its own code and work
#   grovan      grovan as on every start after the first: no disclaimer, no About window
#   first-run   grovan on its very first start, until the disclaimer is shown over the main
#               window and the About window
# The median of the runs is printed for each.
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${2:-10}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1400x900x24 -noreset" "$0" "$build" "$runs"
fi
for tool in xwininfo python3; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

work=$(mktemp -d /tmp/grovan-startup.XXXXXX)
trap 'rm -rf "$work"' EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# The folder of grovan's own libraries (the help window's) below the prefix, as in the build tree.
help_library=$(cd "$build" && find lib -name libgrovan-help.so -print -quit)
[ -n "$help_library" ] || { echo "no libgrovan-help.so below $build/lib: build the project first" >&2; exit 1; }
private_libraries=$(dirname "$help_library")

# A fresh copy of grovan with its assets and its libraries: <folder>/bin/grovan,
# <folder>/share/grovan2022 and <folder>/lib/.../grovan2022, marked portable so that its databases
# stay in <folder>/bin and never touch the user's own.
fresh_grovan() {
    rm -rf "$1"
    mkdir -p "$1/bin" "$1/share" "$1/$private_libraries"
    cp "$build/bin/grovan" "$1/bin/"
    touch "$1/bin/grovan2022.portable"
    cp -r "$build/share/grovan2022" "$1/share/"
    cp "$build/$private_libraries/libgrovan-help.so" "$1/$private_libraries/"
}

# Runs a program (with the arguments after $2) until the window titled $2 is viewable; prints
# "milliseconds kilobytes CPU-milliseconds".
measure() {
    local program=$1 title=$2
    shift 2
    local start pid shown
    start=$(now_ms)
    "$program" "$@" >/dev/null 2>"$work/stderr" &
    pid=$!
    until xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "$program ended before showing \"$title\":" >&2
            cat "$work/stderr" >&2
            exit 1
        fi
        if (($(now_ms) - start > 30000)); then
            echo "$program did not show \"$title\" within 30 s" >&2
            kill "$pid"
            exit 1
        fi
        sleep 0.002
    done
    shown=$(now_ms)
    sleep 1
    local peak cpu
    peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    # CPU time of all the program's threads so far, in nanoseconds: start-up's whole work, less
    # sensitive than the wall-clock time to what else runs on the machine.
    cpu=$(cat /proc/"$pid"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.1f", ns / 1e6 }')
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((shown - start)) $peak $cpu"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Leaves the start-up state of a grovan copy as after an accepted disclaimer, About switched off.
accept_disclaimer() {
    python3 - "$1/bin/bcdv.mdb" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("UPDATE Startup SET VAR1 = 999999, ViewAbout = 0")
db.commit()
PY
}

# The main window's caption: "Grovan 2022 Ver: " and the version as 1.00.000.
caption=$("$build/bin/grovan-cli" --version | grep -oE '[0-9]+\.[0-9]+\.[0-9]+' | head -1 |
    awk '{ split($1, v, "."); printf "Grovan 2022 Ver: %d.%02d.%03d", v[1], v[2], v[3] }')
report() {
    local name=$1 file=$2
    printf '%-10s  start-up %5s ms   peak memory %7s KiB   CPU %6s ms\n' "$name" \
        "$(cut -d' ' -f1 "$file" | median)" "$(cut -d' ' -f2 "$file" | median)" \
        "$(cut -d' ' -f3 "$file" | median)"
}

: >"$work/bare" ; : >"$work/bare-menu" ; : >"$work/floor" ; : >"$work/grovan" ; : >"$work/first"
for ((i = 0; i < runs; i++)); do
    measure "$build/benchmarks/bare_qt_window" "Bare Qt main window" >>"$work/bare"
    measure "$build/benchmarks/bare_qt_window" "Bare Qt main window" --menu-bar >>"$work/bare-menu"

    fresh_grovan "$work/first-run"
    measure "$work/first-run/bin/grovan" "Disclaimer" >>"$work/first"

    fresh_grovan "$work/again"
    cp "$work/first-run/bin/bcdv.mdb" "$work/again/bin/"
    accept_disclaimer "$work/again"
    measure "$work/again/bin/grovan" "$caption" >>"$work/grovan"
    measure "$build/benchmarks/floor_qt_window" "Floor Qt main window" \
        --picture "$build/share/grovan2022/Grovan.jpg" --database "$work/again/bin/bcdv.mdb" \
        >>"$work/floor"
done

echo "$runs runs each, medians; load average $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores:"
report bare "$work/bare"
report bare-menu "$work/bare-menu"
report floor "$work/floor"
report grovan "$work/grovan"
report first-run "$work/first"
