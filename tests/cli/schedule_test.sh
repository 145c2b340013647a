#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# grovan-cli schedule end to end: the monthly and annual schedules as the window's grid texts and
# as CSV, and the --out file written whole, never over something that is no ordinary file.
# Usage: schedule_test.sh CLI SCRATCH_FOLDER
# Reports every failure and fails when any case failed or none ran.
set -u
cli=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
ran=0
failed=0
current=""

fail() {
    failed=$((failed + 1))
    printf 'FAIL %s: %s\n' "$current" "$*"
}

# run NAME ARGS...: standard output in $scratch/stdout, standard error in $err, exit in $code.
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

# expect_line FILE NUMBER TEXT: line NUMBER of FILE is TEXT.
expect_line() {
    local got
    got=$(sed -n "$2p" "$1")
    [ "$got" = "$3" ] || fail "line $2 is \"$got\", expected \"$3\""
}

expect_lines() {
    local got
    got=$(wc -l <"$1")
    [ "$got" = "$2" ] || fail "$got lines, expected $2"
}

home_loan="mode=0 principal=100000 periodMonths=240 annualRate=10"

# 240 months under the window's headers; month 1 of 965.02: 131.69 capital, 833.33 interest;
# month 240: 965.02 / (1 + 0.1/12) = 957.05 capital, 7.98 interest, nothing owed.
run monthly_table schedule loan $home_loan
expect_exit 0
expect_lines "$scratch/stdout" 241
expect_line "$scratch/stdout" 1 "Month  Capital payment  Interest payment    Balance"
expect_line "$scratch/stdout" 2 "    1           131.69            833.33  99 868.31"
expect_line "$scratch/stdout" 241 "  240           957.05              7.98       0.00"

# The annual schedule of 30 months at 12 %: two years and the part year, which ends at 0.
run annual_csv schedule loan --kind annual --csv mode=0 principal=100000 periodMonths=30 annualRate=12
expect_exit 0
expect_lines "$scratch/stdout" 4
expect_line "$scratch/stdout" 1 "Year,Capital payments,Interest payment,Balance"
expect_line "$scratch/stdout" 2 "1,36459.80324837087,10037.932610645665,63540.19675162912"
expect_line "$scratch/stdout" 4 "3,22456.37785767793,792.4900718303325,0"

# The period solved first (10 months), then the schedule of the exact instalment for 10 months,
# 105.58: the last month's capital is 105.58 / 1.01, its balance 0 up to the sums' rounding.
run period_mode_csv schedule loan --csv mode=2 principal=1000 annualRate=12 monthlyRepayment=100
expect_exit 0
expect_lines "$scratch/stdout" 11
expect_line "$scratch/stdout" 11 "10,104.53670945660527,1.0453670945660605,0.0000000000003836930773104541"

# --out writes the file whole and replaces an earlier one.
echo "an earlier file" >"$scratch/schedule.csv"
run out_file schedule loan --csv --out "$scratch/schedule.csv" $home_loan
expect_exit 0
[ -s "$scratch/stdout" ] && fail "standard output is not empty"
expect_lines "$scratch/schedule.csv" 241
ls "$scratch" | grep -q '^\.' && fail "a temporary file was left"

# Never over a folder, a device or a pipe.
mkdir -p "$scratch/folder"
run out_folder schedule loan --csv --out "$scratch/folder" $home_loan
expect_exit 2
[[ "$err" == *"is a folder"* ]] || fail "stderr: $err"
mkfifo "$scratch/pipe"
run out_fifo schedule loan --csv --out "$scratch/pipe" $home_loan
expect_exit 2
[[ "$err" == *"not an ordinary file"* ]] || fail "stderr: $err"
[ -p "$scratch/pipe" ] || fail "the pipe was replaced"

# A loan without a schedule writes nothing.
run no_schedule schedule loan --out "$scratch/none.csv" mode=0 principal=0 periodMonths=240 annualRate=10
expect_exit 2
[ -e "$scratch/none.csv" ] && fail "a file was written"

if [ "$ran" -eq 0 ]; then
    echo "no case ran"
    exit 1
fi
echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
