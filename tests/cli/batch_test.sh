#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# grovan-cli batch end to end: the table of cases in batch/cases.tsv, then what happens to the
# files: --out written whole or not at all, never over the input, and the printouts of --pdf-dir
# with names that are never trusted as paths.
# Usage: batch_test.sh CLI SCRATCH_FOLDER PRINTOUTS   (PRINTOUTS: yes when the CLI can print)
# Reports every failure and fails when any case failed or none ran.
set -u
cli=$1
scratch=$2
printouts=$3
cases=$(cd "$(dirname "$0")/batch" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"
ran=0
failed=0
current=""

fail() {
    failed=$((failed + 1))
    printf 'FAIL %s: %s\n' "$current" "$*"
}

# A fresh settings database for each case, so that no case sees another's set-up values.
fresh_data() {
    rm -rf "$scratch/data"
    mkdir -p "$scratch/data"
}

# run NAME ARGS...: runs the CLI with standard output in $out, standard error in $err, exit in $code.
run() {
    current=$1
    shift
    ran=$((ran + 1))
    "$cli" "$@" >"$scratch/stdout" 2>"$scratch/stderr" </dev/null
    code=$?
    err=$(cat "$scratch/stderr")
}

expect_exit() {
    [ "$code" = "$1" ] || fail "exit code $code, expected $1 (stderr: $err)"
}

expect_err() {
    [[ "$err" == *"$1"* ]] || fail "standard error lacks \"$1\": $err"
}

expect_same() {
    cmp -s "$1" "$2" || fail "$1 differs from $2: $(diff "$2" "$1" | head -5)"
}

# Folder listing without the names given, to find left-over temporary files.
expect_only() {
    local folder=$1
    shift
    local listed
    listed=$(cd "$folder" && ls -A | sort | tr '\n' ' ')
    local wanted
    wanted=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
    [ "$listed" = "$wanted" ] || fail "$folder holds [$listed], expected [$wanted]"
}

while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    IFS=$'\t' read -r name want_exit args want_out want_err <<<"$line"
    fresh_data
    args=${args//@CASES@/$cases}
    args=${args//@DATA@/$scratch/data}
    eval "set -- $args"
    run "$name" "$@"
    expect_exit "$want_exit"
    case "$want_out" in
    '*') ;;
    -) [ -s "$scratch/stdout" ] && fail "unexpected standard output: $(head -c 300 "$scratch/stdout")" ;;
    *) expect_same "$scratch/stdout" "$cases/$want_out" ;;
    esac
    if [ "$want_err" = - ]; then
        [ -z "$err" ] || fail "unexpected standard error: $err"
    else
        expect_err "$want_err"
    fi
done <"$cases/cases.tsv"

# --out replaces an earlier results file whole, and nothing else is left in its folder.
fresh_data
mkdir -p "$scratch/out"
echo "earlier results" >"$scratch/out/results.csv"
run out_replaces_the_earlier_file batch annual "$cases/mixed.csv" --data-dir "$scratch/data" \
    --out "$scratch/out/results.csv"
expect_exit 1
[ -s "$scratch/stdout" ] && fail "results also went to standard output"
expect_same "$scratch/out/results.csv" "$cases/mixed.expected.csv"
expect_only "$scratch/out" results.csv

# A run that fails half-way (the input breaks off in row 3) leaves the earlier file as it was.
echo "earlier results" >"$scratch/out/results.csv"
run out_kept_when_the_input_breaks_off batch annual "$cases/unclosed_quote.csv" \
    --data-dir "$scratch/data" --out "$scratch/out/results.csv"
expect_exit 2
expect_err "results.csv was not written"
[ "$(cat "$scratch/out/results.csv")" = "earlier results" ] || fail "the earlier results were touched"
expect_only "$scratch/out" results.csv

run out_not_made_when_the_input_breaks_off batch annual "$cases/unclosed_quote.csv" \
    --data-dir "$scratch/data" --out "$scratch/out/new.csv"
expect_exit 2
expect_only "$scratch/out" results.csv

run out_not_made_for_an_unknown_column batch annual "$cases/unknown_column.csv" \
    --data-dir "$scratch/data" --out "$scratch/out/new.csv"
expect_exit 2
expect_only "$scratch/out" results.csv

run out_in_a_missing_folder batch annual "$cases/good.csv" --data-dir "$scratch/data" \
    --out "$scratch/no-such-folder/results.csv"
expect_exit 2
expect_err "--out: $scratch/no-such-folder/results.csv cannot be written: No such file or directory"

run out_is_a_folder batch annual "$cases/good.csv" --data-dir "$scratch/data" --out "$scratch/out"
expect_exit 2
expect_err "is a folder, not a file"

# A link is never followed: the file behind it could be anything (a device, another's file).
echo "earlier results" >"$scratch/out/linked.csv"
ln -s linked.csv "$scratch/out/link.csv"
run out_through_a_link batch annual "$cases/good.csv" --data-dir "$scratch/data" \
    --out "$scratch/out/link.csv"
expect_exit 2
expect_err "--out: $scratch/out/link.csv is a symbolic link, which is never followed"
[ -L "$scratch/out/link.csv" ] || fail "the link was replaced by a file"
[ "$(cat "$scratch/out/linked.csv")" = "earlier results" ] || fail "the linked file was touched"
expect_only "$scratch/out" results.csv linked.csv link.csv

# Devices are never replaced (as root, renaming over /dev/stdout would succeed).
run "out_is_a_link_to_a_device (/dev/stdout)" batch annual "$cases/good.csv" \
    --data-dir "$scratch/data" --out /dev/stdout
expect_exit 2
expect_err "--out: /dev/stdout is a symbolic link"
run "out_is_a_device (/dev/null)" batch annual "$cases/good.csv" --data-dir "$scratch/data" \
    --out /dev/null
expect_exit 2
expect_err "--out: /dev/null is a device, not an ordinary file"

# A write-protected file is refused as a shell redirect refuses it (root's too), and kept.
echo "earlier results" >"$scratch/out/protected.csv"
chmod 444 "$scratch/out/protected.csv"
run out_is_write_protected batch annual "$cases/good.csv" --data-dir "$scratch/data" \
    --out "$scratch/out/protected.csv"
expect_exit 2
expect_err "--out: $scratch/out/protected.csv is write-protected"
[ "$(cat "$scratch/out/protected.csv")" = "earlier results" ] || fail "the protected file was touched"
[ "$(stat -c %a "$scratch/out/protected.csv")" = 444 ] || fail "the protection was changed"
rm -f "$scratch/out/protected.csv"

# A replaced file keeps its permissions: private results stay private.
echo "earlier results" >"$scratch/out/private.csv"
chmod 600 "$scratch/out/private.csv"
run out_keeps_the_permissions batch annual "$cases/good.csv" --data-dir "$scratch/data" \
    --out "$scratch/out/private.csv"
expect_exit 0
expect_same "$scratch/out/private.csv" "$cases/good.expected.csv"
[ "$(stat -c %a "$scratch/out/private.csv")" = 600 ] || fail "mode $(stat -c %a "$scratch/out/private.csv"), expected 600"
rm -f "$scratch/out/private.csv"

# Standard output that cannot be written is a failure, not a success.
current=standard_output_full
ran=$((ran + 1))
"$cli" batch annual "$cases/good.csv" --data-dir "$scratch/data" >/dev/full 2>"$scratch/stderr"
code=$?
err=$(cat "$scratch/stderr")
expect_exit 2
expect_err "cannot write the results to standard output"

# Invisible characters in a header (a NUL, a second byte order mark) are shown escaped.
printf 'age,\xef\xbb\xbfsal\x00ary\n40,1\n' >"$scratch/invisible.csv"
run header_with_invisible_characters batch annual "$scratch/invisible.csv" --data-dir "$scratch/data"
expect_exit 2
expect_err 'the column "\u{FEFF}sal\0ary" is not an input of the annual calculator'

# --out never overwrites the input, however the input's path is spelt.
mkdir -p "$scratch/input/sub"
cp "$cases/mixed.csv" "$scratch/input/payroll.csv"
ln -s "$scratch/input/payroll.csv" "$scratch/input/link.csv"
for spelling in "$scratch/input/payroll.csv" "$scratch/input/sub/../payroll.csv" \
    "$scratch/input/link.csv"; do
    run "out_equals_the_input ($spelling)" batch annual "$scratch/input/payroll.csv" \
        --data-dir "$scratch/data" --out "$spelling"
    expect_exit 2
    expect_err "--out: the results would overwrite the input file"
    expect_same "$scratch/input/payroll.csv" "$cases/mixed.csv"
done

# --pdf-dir: one printout per calculated row, named after the row and the employee's name.
fresh_data
if [ "$printouts" = yes ]; then
    run printouts_with_hostile_names batch annual "$cases/hostile_names.csv" \
        --data-dir "$scratch/data" --pdf-dir "$scratch/pdfs/run"
    expect_exit 1
    expect_only "$scratch/pdfs/run" 0001-etc-x.pdf 0002-a-b-c.pdf 0003.pdf "0005-Zoë-Coetzée.pdf"
    # Nothing was written outside the folder: every PDF under the scratch folder is in it.
    outside=$(find "$scratch" -name '*.pdf' -not -path "$scratch/pdfs/run/*")
    [ -z "$outside" ] || fail "printouts outside the folder: $outside"
    text=$(pdftotext "$scratch/pdfs/run/0001-etc-x.pdf" - 2>&1)
    [[ "$text" == *"../../etc/x"* ]] || fail "the printout lacks the name as given: $text"
    [[ "$text" == *"106 725.00"* ]] || fail "the printout lacks the PAYE of 106 725.00: $text"

    run printouts_in_afrikaans batch annual "$cases/good.csv" --data-dir "$scratch/data" \
        --pdf-dir "$scratch/pdfs/af" --lang af
    expect_exit 0
    expect_only "$scratch/pdfs/af" 0001-Jan.pdf 0002-Sipho.pdf 0003-Lerato.pdf 0004-Naledi.pdf
    text=$(pdftotext "$scratch/pdfs/af/0004-Naledi.pdf" - 2>&1)
    [[ "$text" == *"Jaarlikse Inkomste"* ]] || fail "the printout is not in Afrikaans: $text"
    [[ "$text" == *"50 190.00"* ]] || fail "the printout lacks the tax of 50 190.00: $text"

    # A package whose R/Fund contributions exceed the allowable deduction is not printed, as the
    # window would not print it; its results stand.
    run printouts_of_packages batch takehome-annual "$cases/takehome.csv" \
        --data-dir "$scratch/data" --pdf-dir "$scratch/pdfs/packages"
    expect_exit 1
    expect_only "$scratch/pdfs/packages" 0001-Thandi-Mokoena.pdf
    [[ "$(cat "$scratch/stdout")" == *"49000,"*"printout: not written: R/Fund contributions exceed allowable limits!"* ]] ||
        fail "the second row lacks its results or why it was not printed: $(cat "$scratch/stdout")"
    text=$(pdftotext "$scratch/pdfs/packages/0001-Thandi-Mokoena.pdf" - 2>&1)
    [[ "$text" == *"Velmora Salary Package Calculation : Annual"* ]] ||
        fail "the printout is not the package statement: $text"

    # A row the window would not print (a rate of 0) is calculated, but gets no printout.
    run printouts_only_of_what_the_window_prints batch loancomparison "$cases/bonds.csv" \
        --pdf-dir "$scratch/pdfs/bonds"
    expect_exit 1
    expect_only "$scratch/pdfs/bonds" 0001.pdf
    grep -q "printout: not written: the loan comparison prints only with a bond amount and a rate above 0" \
        "$scratch/stdout" || fail "the row without a rate does not say why it has no printout"
    text=$(pdftotext -layout "$scratch/pdfs/bonds/0001.pdf" - 2>&1)
    [[ "$text" == *"231 605.19"* ]] || fail "the printout lacks the 20 years' 231 605.19: $text"

    : >"$scratch/pdfs/a-file"
    run printout_folder_is_a_file batch annual "$cases/good.csv" --data-dir "$scratch/data" \
        --pdf-dir "$scratch/pdfs/a-file"
    expect_exit 2
    expect_err "--pdf-dir: cannot make the folder"
else
    run printouts_need_the_renderer batch annual "$cases/good.csv" --data-dir "$scratch/data" \
        --pdf-dir "$scratch/pdfs"
    expect_exit 2
    expect_err "built without the report renderer"
fi

# --jobs: rows calculated on several threads, a few thousand at a time, come back byte for byte as
# with one thread, in the input's order, with the same messages and exit code; so does a file that
# breaks off after several thousand rows. The varied rows, six times over, fill several chunks.
many() {
    head -n 1 "$1"
    for _ in 1 2 3 4 5 6; do tail -n +2 "$1"; done
}
many "$cases/varied_monthly.csv" >"$scratch/many_monthly.csv"
many "$cases/varied_annual.csv" >"$scratch/many_annual.csv"
{
    many "$cases/varied_monthly.csv"
    printf '"Unclosed,40,20000\n'
} >"$scratch/many_broken.csv"
cp "$cases/bom_crlf.csv" "$scratch/bom_crlf.csv"
for input in monthly:many_monthly annual:many_annual annual:bom_crlf monthly:many_broken; do
    calculator=${input%%:*}
    file=$scratch/${input#*:}.csv
    for jobs in 1 3; do
        fresh_data
        run "jobs_${jobs}_${input#*:}" batch "$calculator" "$file" --data-dir "$scratch/data" \
            --jobs "$jobs"
        cp "$scratch/stdout" "$scratch/jobs_$jobs.out"
        printf '%s\n' "$code" "$err" >"$scratch/jobs_$jobs.err"
    done
    expect_same "$scratch/jobs_3.out" "$scratch/jobs_1.out"
    expect_same "$scratch/jobs_3.err" "$scratch/jobs_1.err"
done
expect_exit 2
expect_err "row 12 001 has a quoted cell that is never closed"

if [ "$ran" -eq 0 ]; then
    echo "no case ran"
    exit 1
fi
echo "$((ran - failed)) of $ran passed"
[ "$failed" -eq 0 ]
