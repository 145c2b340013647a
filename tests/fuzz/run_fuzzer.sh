#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target for a bounded time, starting from its corpus in the repository. New inputs
# go to a scratch folder, never into the repository; an input that crashes the target is kept
# there, shown, and fails the test.
# Usage: run_fuzzer.sh FUZZER CORPUS_FOLDER SECONDS SCRATCH_FOLDER
set -u
fuzzer=$1
corpus=$2
seconds=$3
scratch=$4
rm -rf "$scratch"
mkdir -p "$scratch/new"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$scratch/" "$scratch/new" "$corpus" \
    >"$scratch/log" 2>&1
code=$?
grep -E '^(INFO: (Running with|Loaded|seed corpus)|#[0-9]+ +DONE|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' \
    "$scratch/log"
if [ "$code" -ne 0 ]; then
    tail -n 40 "$scratch/log"
    for found in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
        [ -e "$found" ] || continue
        echo "input that failed ($found):"
        od -A d -c "$found" | head -n 20
    done
    echo "0 passed, 1 failed"
    exit "$code"
fi
echo "1 passed, 0 failed"
