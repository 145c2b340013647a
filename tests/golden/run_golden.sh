#!/usr/bin/env bash
# Runs golden tables through grovan-cli and reports every mismatch.
# Usage: run_golden.sh CLI DATA_DIR TABLE...
# A table holds one case per line, four fields separated by tabs:
#   name   expected-exit-code   arguments (shell words)   expected output
# For exit code 0 the expected output is standard output exactly (one line); otherwise it is a
# text that standard error must contain. Lines starting with # and blank lines are skipped.
# The arguments may use @DATA@ for a scratch folder of the run and @TABLES@ for the tables' folder.
# Standard input is empty (a case that needs input reads it from a file under @TABLES@).
set -u
cli=$1
data=$2
shift 2
mkdir -p "$data"
ran=0
failed=0
for table in "$@"; do
    tables_dir=$(cd "$(dirname "$table")" && pwd)
    line_no=0
    while IFS= read -r line || [ -n "$line" ]; do
        line_no=$((line_no + 1))
        case "$line" in '' | '#'*) continue ;; esac
        IFS=$'\t' read -r name want_exit args want <<<"$line"
        args=${args//@DATA@/$data}
        args=${args//@TABLES@/$tables_dir}
        eval "set -- $args"
        out=$("$cli" "$@" 2>"$data/stderr" </dev/null)
        got_exit=$?
        err=$(cat "$data/stderr")
        ran=$((ran + 1))
        problem=""
        if [ "$got_exit" != "$want_exit" ]; then
            problem="exit code $got_exit, expected $want_exit"
        elif [ "$want_exit" = 0 ] && [ "$out" != "$want" ]; then
            problem="output differs"
        elif [ "$want_exit" != 0 ] && [[ "$err" != *"$want"* ]]; then
            problem="standard error lacks the expected message"
        fi
        if [ -n "$problem" ]; then
            failed=$((failed + 1))
            printf 'MISMATCH %s:%d %s: %s\n  args:     %s\n  expected: %s\n  stdout:   %s\n  stderr:   %s\n' \
                "$(basename "$table")" "$line_no" "$name" "$problem" "$args" "$want" "$out" "$err"
        fi
    done <"$table"
done
if [ "$ran" -eq 0 ]; then
    echo "no golden case ran"
    exit 1
fi
echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
