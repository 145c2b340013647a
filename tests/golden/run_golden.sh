#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs golden tables through grovan-cli and reports every mismatch; fails when any case failed,
# when a table cannot be read, or when no case ran.
# Usage: run_golden.sh CLI JSON_LINES DATA_DIR TABLE...
#   JSON_LINES is the golden_json_lines program: it writes a JSON document one value a line.
#
# A table is a list of cases. Each case starts with a "case" line; the lines after it, up to the
# next case, say how grovan-cli is run and what it must give. A line is a word and its text:
#   case NAME       starts a case (names are unique within a table)
#   run  WORDS      arguments, split at blanks: no quotes, no escapes, nothing expanded; "run"
#                   may repeat, each adding its words
#   arg  TEXT       one argument, the rest of the line as it stands (blanks and quotes kept)
#   exit N          the exit code expected (0 when not given)
#   out  TEXT       a line of standard output; the output must be these lines exactly
#   /POINTER VALUE  one value of the JSON document standard output must be, as JSON_LINES writes
#                   it: all these lines, in order, and nothing else (a key by key comparison of
#                   the whole output, which must also be written compactly)
#   err  TEXT       a text standard error must contain
# A case expects at least one out, JSON or err line. In arguments, @DATA@ stands for a scratch
# folder of the run (shared by the cases of a table) and @TABLES@ for the table's folder.
# Standard input is empty: a case that needs input reads it from a file under @TABLES@.
# Lines starting with # and blank lines are skipped. A line ending in a backslash continues on
# the next, whose leading blanks are dropped (so a long value breaks after a blank: "... the \").
#
# With GOLDEN_WITHOUT_PDF=1 (a grovan-cli built without the report pages, which refuses --pdf),
# the cases that write a PDF printout are skipped and counted as such.
#
# To write a JSON case's expected lines: grovan-cli ARGUMENTS | golden_json_lines
set -u
cli=$1
json_lines=$2
data=$3
shift 3
mkdir -p "$data"
ran=0
failed=0
skipped=0

# The current case, filled in as its lines are read.
reset_case() {
    name=""
    case_line=0
    args=()
    want_exit=0
    want_out=()
    want_json=()
    want_err=()
    table_problem=""
}

# report PROBLEM [DETAILS]: one mismatch of the current case.
report() {
    case_failed=1
    printf 'MISMATCH %s:%d %s: %s\n' "$table_name" "$case_line" "$name" "$1"
    printf '  args:'
    printf ' %q' "${args[@]}"
    printf '\n'
    if [ -n "${2:-}" ]; then
        printf '%s\n' "$2" | sed 's/^/  /'
    fi
}

run_case() {
    [ -n "$name" ] || return 0
    if [ "${GOLDEN_WITHOUT_PDF:-0}" = 1 ] && [[ " ${args[*]} " == *" --pdf "* ]]; then
        skipped=$((skipped + 1))
        return 0
    fi
    ran=$((ran + 1))
    case_failed=0
    check_case
    failed=$((failed + case_failed))
}

check_case() {
    if [ -n "$table_problem" ]; then
        report "$table_problem"
        return
    fi
    if [ ${#want_out[@]} -eq 0 ] && [ ${#want_json[@]} -eq 0 ] && [ ${#want_err[@]} -eq 0 ]; then
        report "the case expects nothing (no out, JSON or err line)"
        return
    fi
    local out err got_exit
    out=$("$cli" "${args[@]}" 2>"$data/stderr" </dev/null)
    got_exit=$?
    err=$(cat "$data/stderr")
    local shown
    shown=$(printf 'stdout: %s\nstderr: %s' "$out" "$err")
    if [ "$got_exit" != "$want_exit" ]; then
        report "exit code $got_exit, expected $want_exit" "$shown"
        return
    fi
    if [ ${#want_out[@]} -gt 0 ]; then
        local expected
        expected=$(printf '%s\n' "${want_out[@]}")
        if [ "$out" != "$expected" ]; then
            report "standard output differs" "$(printf 'expected: %s\n%s' "$expected" "$shown")"
        fi
    fi
    if [ ${#want_json[@]} -gt 0 ]; then
        local got_lines
        if ! got_lines=$(printf '%s\n' "$out" | "$json_lines" 2>&1); then
            report "standard output is not the JSON expected" "$got_lines"
        else
            local differences
            differences=$(diff <(printf '%s\n' "${want_json[@]}") <(printf '%s\n' "$got_lines"))
            if [ -n "$differences" ]; then
                report "JSON differs (< expected, > output)" \
                    "$(printf '%s\n' "$differences" | grep '^[<>]')"
            fi
        fi
    fi
    local text
    for text in "${want_err[@]}"; do
        if [[ "$err" != *"$text"* ]]; then
            report "standard error lacks: $text" "$shown"
        fi
    done
}

for table in "$@"; do
    tables_dir=$(cd "$(dirname "$table")" && pwd)
    table_name=$(basename "$table")
    line_no=0
    declare -A seen=()
    reset_case
    while IFS= read -r line || [ -n "$line" ]; do
        line_no=$((line_no + 1))
        case "$line" in '' | '#'*) continue ;; esac
        while [[ "$line" == *'\' ]] && IFS= read -r next; do
            line_no=$((line_no + 1))
            next=${next#"${next%%[! ]*}"}
            line=${line%'\'}$next
        done
        word=${line%% *}
        text=${line#"$word"}
        text=${text#"${text%%[! ]*}"}
        if [ -z "$name" ] && [ "$word" != case ]; then
            name="(before the first case)"
            case_line=$line_no
            table_problem="line $line_no comes before the first case: $line"
        fi
        case "$word" in
        case)
            run_case
            reset_case
            name=$text
            case_line=$line_no
            if [ -n "${seen[$name]:-}" ]; then
                table_problem="the name is also the case's on line ${seen[$name]}"
            fi
            seen[$name]=$line_no
            ;;
        run)
            read -r -a words <<<"$text"
            for w in "${words[@]}"; do
                w=${w//@DATA@/$data}
                args+=("${w//@TABLES@/$tables_dir}")
            done
            ;;
        arg)
            text=${text//@DATA@/$data}
            args+=("${text//@TABLES@/$tables_dir}")
            ;;
        exit) want_exit=$text ;;
        out) want_out+=("$text") ;;
        err) want_err+=("$text") ;;
        /*) want_json+=("$line") ;;
        *) table_problem="line $line_no is not understood: $line" ;;
        esac
    done <"$table"
    run_case
done
if [ "$ran" -eq 0 ]; then
    echo "no golden case ran"
    exit 1
fi
echo "$((ran - failed)) passed, $failed failed"
if [ "$skipped" -gt 0 ]; then
    echo "$skipped skipped: they write a PDF printout, which this grovan-cli cannot"
fi
[ "$failed" -eq 0 ]
