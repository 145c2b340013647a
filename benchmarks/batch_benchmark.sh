#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Throughput of grovan-cli batch next to reading and writing the same CSV file alone.
#
#   benchmarks/batch_benchmark.sh [build folder] [calculator] [rows] [runs] [jobs]
#                                 (defaults: build, monthly, 1000000, 5, 1)
#
# Makes a CSV file of varied employees for the calculator (csv_batch_tool generate: salaries
# spread around a median of 250 000 a year, some bonuses, fund and medical contributions, ages
# 18 to 75, names with commas and accents), then times, each `runs` times:
#   copy    csv_batch_tool copy: the same CSV reader, writer and output file handling as the
#           batch, every record read and written again, nothing calculated
#   batch   grovan-cli batch CALCULATOR FILE --out RESULTS --jobs JOBS (a fresh settings
#           database)
# and prints the median and the best wall-clock time of each and the CPU time (user + system) of
# the median run, with the files' sizes. The CPU time says more than the wall-clock time when other
# programs share the cores. Both write their output through to the disk (fsync) before renaming
# it. A run that fails, or results that hold an error, stop the benchmark. Needs /usr/bin/time.
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

# time_runs NAME COMMAND...: wall-clock and CPU (user + system) seconds of each run, one run a
# line, into $work/NAME; standard error (the batch's progress lines) into $work/NAME.err.
time_runs() {
    local name=$1
    shift
    : >"$work/$name"
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%e %U %S" -a -o "$work/$name" "$@" 2>>"$work/$name.err" || {
            cat "$work/$name.err" >&2
            exit 1
        }
    done
}

summary() {
    awk -v name="$1" '{ print $1, $2 + $3 }' "$work/$1" | sort -n | awk -v name="$1" '
        { wall[NR] = $1; cpu[NR] = $2 }
        END {
            m = (NR + 1) / 2
            median = (NR % 2) ? wall[m] : (wall[NR / 2] + wall[NR / 2 + 1]) / 2
            printf "%-6s wall median %.2f s, best %.2f s; CPU of the median run %.2f s\n", name,
                   median, wall[1], cpu[int(m)]
        }'
}

time_runs copy "$tool" copy "$work/input.csv" "$work/copy.csv"
time_runs batch "$cli" batch "$calculator" "$work/input.csv" --out "$work/results.csv" \
    --data-dir "$work/data" --jobs "$jobs"

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
