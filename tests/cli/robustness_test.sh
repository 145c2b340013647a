#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# grovan-cli against careless and hostile input, as a user, a damaged disk or a hostile file would
# give it: text that is no UTF-8, files that are devices, pipes or links, full disks, endless
# input, interruptions. Every file the cases make is inside the scratch folder; devices are made
# there with mknod (a copy of /dev/null's numbers) and only ever read outside it.
# Usage: robustness_test.sh CLI SCRATCH_FOLDER PRINTOUTS   (PRINTOUTS: yes when the CLI can print)
# Reports every failure and fails when any case failed or none ran.
set -u
cli=$(realpath "$1")
scratch=$2
printouts=$3
rm -rf "$scratch"
mkdir -p "$scratch/data"
scratch=$(realpath "$scratch")
data=$scratch/data
ran=0
failed=0
current=""
case_failed=no

fail() {
    if [ "$case_failed" = no ]; then
        failed=$((failed + 1))
        case_failed=yes
    fi
    printf 'FAIL %s: %s\n' "$current" "$*"
}

# run NAME ARGS...: standard output in $scratch/stdout, standard error in $err, exit code in $code.
run() {
    current=$1
    case_failed=no
    shift
    ran=$((ran + 1))
    "$cli" "$@" >"$scratch/stdout" 2>"$scratch/stderr" </dev/null
    code=$?
    err=$(tr -d '\0' <"$scratch/stderr")
}

expect_exit() {
    [ "$code" = "$1" ] || fail "exit code $code, expected $1 (stderr: $err)"
}

expect_err() {
    [[ "$err" == *"$1"* ]] || fail "standard error lacks \"$1\": $err"
}

expect_out() {
    grep -qF -- "$1" "$scratch/stdout" || fail "standard output lacks \"$1\": $(head -c 500 "$scratch/stdout")"
}

# Whatever went wrong, what the program says is readable UTF-8.
expect_utf8_messages() {
    iconv -f UTF-8 -t UTF-8 "$scratch/stderr" >/dev/null 2>&1 || fail "standard error is no UTF-8: $err"
}

# --- Text that is no UTF-8 (Latin-1, as some payroll exports are) is refused, naming the field.
run latin1_name_argument calc annual --data-dir "$data" age=40 employeeName=$'M\xfcller'
expect_exit 2
expect_err 'employeeName: must be UTF-8 text, not "M\xFCller": its byte 2 is no UTF-8'
expect_utf8_messages

run cut_off_name_option calc annual --data-dir "$data" salary=1 --name $'Jan\xc3'
expect_exit 2
expect_err '--name: must be UTF-8 text, not "Jan\xC3"'
expect_utf8_messages

printf '{"employeeName": "M\xfcller"}' >"$scratch/latin1.json"
run latin1_name_in_json calc annual --data-dir "$data" --input "$scratch/latin1.json"
expect_exit 2
expect_err 'the input is not valid JSON'
expect_utf8_messages

# batch agrees with calc: the row is refused with the same message, the other rows go on.
printf 'employeeName,salary\nM\xfcller,1\nMuller,1\n' >"$scratch/latin1.csv"
run latin1_name_cell batch annual "$scratch/latin1.csv" --data-dir "$data"
expect_exit 1
expect_out 'employeeName: must be UTF-8 text, not ""M\xFCller"": its byte 2 is no UTF-8'
expect_out 'Muller,1,0,0,0,0,0,0,0,0,365,0,'

# Copies of system devices, made in the scratch folder from their numbers (read from /dev).
device_copy() {
    mknod "$2" c "$((0x$(stat -c %t "$1")))" "$((0x$(stat -c %T "$1")))"
}
device_copy /dev/full "$scratch/full"
device_copy /dev/zero "$scratch/zero"

# --- Output that cannot be written (a full disk) is a failure, never exit 0.
for command in "calc annual --data-dir $data salary=1" "describe annual" "describe annual --json" \
    "tax --income 1 --age 40" "calc annual --data-dir $data salary=1 --only results"; do
    current="full_disk ($command)"
    case_failed=no
    ran=$((ran + 1))
    # shellcheck disable=SC2086 # the command's words
    "$cli" $command >"$scratch/full" 2>"$scratch/stderr" </dev/null
    code=$?
    err=$(cat "$scratch/stderr")
    expect_exit 1
    expect_err "grovan-cli: cannot write to standard output"
done

# --- Input without end is refused after a stated size, not read until memory runs out.
run endless_input_file calc annual --data-dir "$data" --input "$scratch/zero"
expect_exit 2
expect_err "$scratch/zero holds more than 1 MiB"
current=endless_standard_input
case_failed=no
ran=$((ran + 1))
"$cli" calc annual --data-dir "$data" <"$scratch/zero" >/dev/null 2>"$scratch/stderr"
code=$?
err=$(cat "$scratch/stderr")
expect_exit 2
expect_err "standard input holds more than 1 MiB"

# --- Files the program writes: never a device, a pipe or a link, whatever the command.
if [ "$printouts" = yes ]; then
    device_copy /dev/null "$scratch/device.pdf"
    mkfifo "$scratch/pipe.pdf"
    echo kept >"$scratch/kept.txt"
    ln -s kept.txt "$scratch/link.pdf"
    for target in device pipe link; do
        before=$(stat -c %F "$scratch/$target.pdf")
        run "pdf_over_a_$target" calc annual --data-dir "$data" salary=1 --pdf "$scratch/$target.pdf"
        expect_exit 1
        expect_err "; nothing was written."
        [ "$(stat -c %F "$scratch/$target.pdf")" = "$before" ] || fail "$target.pdf is now a $(stat -c %F "$scratch/$target.pdf")"
    done
    [ "$(cat "$scratch/kept.txt")" = kept ] || fail "the file behind the link was written"

    # A link planted in a printout folder under a name a row will take.
    mkdir -p "$scratch/pdfs"
    ln -s ../kept.txt "$scratch/pdfs/0001-A.pdf"
    printf 'employeeName,salary\nA,1\nB,1\n' >"$scratch/two.csv"
    run planted_link_in_the_printout_folder batch annual "$scratch/two.csv" --data-dir "$data" \
        --pdf-dir "$scratch/pdfs"
    expect_exit 1
    expect_out "printout: The PDF file"
    expect_out "0001-A.pdf” is a symbolic link, which is never followed"
    expect_err "1 of 2 printouts could not be written; the error column says why"
    [ -L "$scratch/pdfs/0001-A.pdf" ] || fail "the planted link was replaced"
    [ "$(cat "$scratch/kept.txt")" = kept ] || fail "the file behind the planted link was written"
    [ -s "$scratch/pdfs/0002-B.pdf" ] || fail "the second row's printout is missing"
fi

# --- An interrupted batch leaves no temporary results beside --out.
{
    echo salary
    yes 500000 | head -n 3000000
} >"$scratch/long.csv"
set -m # background jobs of a script ignore SIGINT unless job control is on
for signal in INT TERM HUP; do
    current="interrupted_batch ($signal)"
    case_failed=no
    ran=$((ran + 1))
    rm -rf "$scratch/interrupted"
    mkdir -p "$scratch/interrupted"
    echo "earlier results" >"$scratch/interrupted/results.csv"
    "$cli" batch annual "$scratch/long.csv" --data-dir "$data" \
        --out "$scratch/interrupted/results.csv" >/dev/null 2>&1 </dev/null &
    pid=$!
    for _ in $(seq 200); do
        compgen -G "$scratch/interrupted/.results.csv.*" >/dev/null && break
        sleep 0.05
    done
    kill -s "$signal" "$pid"
    wait "$pid"
    code=$?
    [ "$code" -gt 128 ] || fail "exit code $code: the batch was not interrupted"
    listed=$(ls -A "$scratch/interrupted" | tr '\n' ' ')
    [ "$listed" = "results.csv " ] || fail "left behind: $listed"
    [ "$(cat "$scratch/interrupted/results.csv")" = "earlier results" ] || fail "the earlier results were touched"
done
set +m

if [ "$ran" -eq 0 ]; then
    echo "no case ran"
    exit 1
fi
echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
