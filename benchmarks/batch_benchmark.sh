#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Throughput of grovan-cli batch next to reading and writing the same CSV file alone.
#
#   benchmarks/batch_benchmark.sh [build folder] [calculator] [rows] [runs] [jobs]
#                                 (defaults: build, monthly, 1000000, 5, 1)
#
# Makes a CSV file of varied employees for the calculator (csv_batch_tool generate: salaries
# spread around a median of 250 000 a year, some bonuses, fund and medical contributions, ages
# 18 to 75, names with commas and accents), then times, `runs` times in turns:
#   copy    csv_batch_tool copy: the same CSV reader, writer and output file handling as the
#           batch, every record read and written again, nothing calculated
#   batch   grovan-cli batch CALCULATOR FILE --out RESULTS --jobs JOBS (a fresh settings
#           database)
# and prints the median and the best wall-clock time of each, the median CPU time (user +
# system, to the millisecond) and the batch's CPU time over the copy's, with the files' sizes. The
# CPU time says more than the wall-clock time when other programs share the cores. Both write
# their output through to the disk (fsync) before renaming it. A run that fails, or results that
# hold an error, stop the benchmark. Needs python3.
set -euo pipefail

build=$(realpath "${1:-build}")
calculator=${2:-monthly}
rows=${3:-1000000}
runs=${4:-5}
jobs=${5:-1}

cli=$build/bin/grovan-cli
tool=$build/benchmarks/csv_batch_tool
for program in "$cli" "$tool"; do
    [ -x "$program" ] || { echo "$program is missing: build the project first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/grovan-batch.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data"

"$tool" generate "$calculator" "$rows" "$work/input.csv"

# measure NAME COMMAND...: the wall-clock, user and system seconds of one run of COMMAND (to the
# microsecond, from the kernel's account of the finished process), a line appended to $work/NAME;
# standard error (the batch's progress lines) into $work/NAME.err.
measure() {
    local name=$1
    shift
    python3 - "$@" >>"$work/$name" 2>>"$work/$name.err" <<'PY' || {
import os, subprocess, sys, time
start = time.monotonic()
process = subprocess.Popen(sys.argv[1:])
_, status, usage = os.wait4(process.pid, 0)
wall = time.monotonic() - start
if os.waitstatus_to_exitcode(status) != 0:
    sys.exit(f"{sys.argv[1]} failed")
print(f"{wall:.4f} {usage.ru_utime:.4f} {usage.ru_stime:.4f}")
PY
        cat "$work/$name.err" >&2
        exit 1
    }
}

# median NAME EXPRESSION: the median over the runs in $work/NAME of an awk expression of their
# fields ($1 wall-clock, $2 user, $3 system seconds).
median() {
    awk "{ print $2 }" "$work/$1" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

summary() {
    awk -v name="$1" -v wall="$(median "$1" '$1')" -v cpu="$(median "$1" '$2 + $3')" \
        'NR == 1 || $1 < best { best = $1 }
         END {
             printf "%-6s wall median %.3f s, best %.3f s; CPU median %.3f s\n", name, wall, best,
                    cpu
         }' \
        "$work/$1"
}

# In turns, so that what else the machine does weighs on both alike.
: >"$work/copy"
: >"$work/batch"
for _ in $(seq "$runs"); do
    measure copy "$tool" copy "$work/input.csv" "$work/copy.csv"
    measure batch "$cli" batch "$calculator" "$work/input.csv" --out "$work/results.csv" \
        --data-dir "$work/data" --jobs "$jobs"
done

# The results must be complete and free of errors for the figure to mean anything.
lines=$(wc -l <"$work/results.csv")
[ "$lines" -eq $((rows + 1)) ] || { echo "results have $lines lines, expected $((rows + 1))" >&2; exit 1; }
if awk -F, 'NR > 1 && $NF != "" { found = 1; exit } END { exit !found }' "$work/results.csv"; then
    echo "some rows have errors:" >&2
    awk -F, 'NR > 1 && $NF != ""' "$work/results.csv" | head -3 >&2
    exit 1
fi

size() { awk '{ printf "%.0f MB", $1 / 1000000 }' <<<"$(stat -c %s "$1")"; }
echo "$calculator, $rows rows: input $(size "$work/input.csv"), results $(size "$work/results.csv"), $(nproc) cores"
summary copy
summary batch
awk -v batch="$(median batch '$2 + $3')" -v copy="$(median copy '$2 + $3')" \
    'BEGIN { printf "batch / copy, median CPU time: %.2f\n", batch / copy }'
