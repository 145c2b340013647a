#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# grovan-cli's bash completion, as the build writes it, completing command lines as a user types
# them; and every calculator's input keys offered after `calc NAME`, as `describe --json` lists
# them (less those of a list's records). Usage: completion_test.sh CLI COMPLETION_SCRIPT SCRATCH_DIR
set -u
cli=$1
completion=$2
scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch/cases/sub"
: >"$scratch/cases/payroll.csv"
cases=$scratch/cases

# As an interactive bash splits words for completion.
COMP_WORDBREAKS=$' \t\n"\'><=;|&(:'
# shellcheck source=/dev/null
. "$completion"

offered() {
    COMP_LINE=$1
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _grovan_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

ran=0
failed=0
check() {
    local line=$1 want=$2 unwanted=$3 got word
    got=$(offered "$line")
    ran=$((ran + 1))
    for word in $want; do
        if ! grep -qxF -- "$word" <<<"$got"; then
            echo "MISMATCH \"$line\": $word not offered; offered: $(echo $got)"
            failed=$((failed + 1))
            return
        fi
    done
    for word in $unwanted; do
        if grep -qxF -- "$word" <<<"$got"; then
            echo "MISMATCH \"$line\": $word offered; offered: $(echo $got)"
            failed=$((failed + 1))
            return
        fi
    done
}

# command line typed so far | words that must be offered | words that must not
while IFS='|' read -r line want unwanted; do
    case $line in '' | '#'*) continue ;; esac
    check "${line//@CASES@/$cases}" "${want//@CASES@/$cases}" "${unwanted//@CASES@/$cases}"
done <<'TABLE'
# The commands; the generators of the manual page and of this script stay hidden.
grovan-cli |tax calc describe batch|manual-page completion
grovan-cli de|describe|calc
grovan-cli --|--help --version|--json
# Calculators where a command takes one.
grovan-cli calc |annual monthly quicktax|tax
grovan-cli describe mo|monthly|annual
grovan-cli describe --json |annual monthly|--json
grovan-cli batch |annual|
# Input keys after the calculator, as KEY=, and still after an assignment or an option.
grovan-cli calc annual sal|salary=|age=
grovan-cli calc annual age=40 |salary= bonus=|annual
grovan-cli calc annual --lang af |salary=|
grovan-cli calc --lang af annual |salary=|annual
grovan-cli calc quicktax |income= age=|salary=
# Nothing for a value being typed, or a calculator given twice.
grovan-cli calc annual salary=5||salary=
grovan-cli describe annual ||annual monthly
# Option names, and their values: a choice, a file, a folder.
grovan-cli calc annual --|--input --data-dir --lang --pdf --name --only --help|--out --json
grovan-cli describe annual --|--json|--input
grovan-cli calc annual --lang |en af|
grovan-cli calc annual --only r|results|inputs
grovan-cli calc annual --lang=|en af|
grovan-cli batch annual @CASES@/|@CASES@/payroll.csv @CASES@/sub|
grovan-cli calc annual --data-dir @CASES@/|@CASES@/sub|@CASES@/payroll.csv
grovan-cli batch annual @CASES@/payroll.csv --out @CASES@/p|@CASES@/payroll.csv|
TABLE

# Every calculator offered takes exactly the keys its description lists.
calculators=$(offered "grovan-cli calc ")
if [ -z "$calculators" ]; then
    echo "MISMATCH no calculator offered after calc"
    failed=$((failed + 1))
fi
for calculator in $calculators; do
    ran=$((ran + 1))
    # The fields of a list's records (the company car's vehicles) cannot be typed as KEY=VALUE.
    keys=$("$cli" describe "$calculator" --json | sed 's/"results":.*//' | sed 's/},{/}\n{/g' |
        grep -v '"list":' | grep -o '"key":"[^"]*"' | sed 's/"key":"\(.*\)"/\1=/' | sort)
    got=$(offered "grovan-cli calc $calculator " | sort)
    if [ -z "$keys" ] || [ "$keys" != "$got" ]; then
        echo "MISMATCH calc $calculator: the keys offered differ from describe's"
        diff <(echo "$keys") <(echo "$got")
        failed=$((failed + 1))
    fi
done

echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
