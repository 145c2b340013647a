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

summary() {
    awk '{ print $1, $2 + $3 }' "$work/$1" | awk -v name="$1" '
        { wall[NR] = $1; cpu[NR] = $2 }
        function median(v, n,    i, j, t) {
            for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j - 1] > v[j]; --j) {
                t = v[j]; v[j] = v[j - 1]; v[j - 1] = t
            }
            return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
        }
        END {
            w = median(wall, NR)
            printf "%-6s wall median %.3f s, best %.3f s; CPU median %.3f s\n", name, w, wall[1],
                   median(cpu, NR)
        }'
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
awk '{ print $2 + $3 }' "$work/copy" | sort -n >"$work/copy.cpu"
awk '{ print $2 + $3 }' "$work/batch" | sort -n >"$work/batch.cpu"
paste "$work/copy.cpu" "$work/batch.cpu" | awk '
    { copy[NR] = $1; batch[NR] = $2 }
    END {
        m = (NR + 1) / 2
        c = (NR % 2) ? copy[m] : (copy[NR / 2] + copy[NR / 2 + 1]) / 2
        b = (NR % 2) ? batch[m] : (batch[NR / 2] + batch[NR / 2 + 1]) / 2
        printf "batch / copy, median CPU time: %.2f\n", b / c
    }'
