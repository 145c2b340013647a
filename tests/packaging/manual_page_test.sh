#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# grovan-cli(1) as the build writes it: groff reads it without a warning, and the rendered page
# names every command of `grovan-cli --help`, every calculator `describe` takes and every key of
# their inputs, set-up values and results.
# Usage: manual_page_test.sh CLI MANUAL_PAGE(.gz) SCRATCH_DIR
# Exits 77 (skipped) without groff.
set -u
cli=$1
page=$2
scratch=$3
if ! command -v groff >/dev/null; then
    echo "groff is not installed: skipped"
    exit 77
fi
rm -rf "$scratch"
mkdir -p "$scratch"
gzip -dc "$page" >"$scratch/page.1" || exit 1
groff -man -Tutf8 -ww -z "$scratch/page.1" 2>"$scratch/warnings"
groff -man -Tutf8 -P-cbou "$scratch/page.1" >"$scratch/page.txt" 2>/dev/null

ran=0
failed=0
expect_word() {
    ran=$((ran + 1))
    if ! grep -qw -- "$1" "$scratch/page.txt"; then
        echo "MISMATCH the page does not show $2 \"$1\""
        failed=$((failed + 1))
    fi
}

ran=$((ran + 1))
if [ -s "$scratch/warnings" ]; then
    echo "MISMATCH groff warns:"
    cat "$scratch/warnings"
    failed=$((failed + 1))
fi
for section in SYNOPSIS COMMANDS CALCULATORS "EXIT STATUS" FILES EXAMPLES; do
    expect_word "$section" section
done
commands=$("$cli" --help | sed -n '/^Subcommands:/,$p' | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
if [ -z "$commands" ]; then
    echo "MISMATCH grovan-cli --help lists no command"
    failed=$((failed + 1))
fi
for command in $commands; do
    expect_word "grovan-cli $command" command
done
calculators=$("$cli" describe --help | grep -o '{[^}]*}' | head -1 | tr -d '{}' | tr ',' ' ')
if [ -z "$calculators" ]; then
    echo "MISMATCH grovan-cli describe --help lists no calculator"
    failed=$((failed + 1))
fi
for calculator in $calculators; do
    expect_word "$calculator" calculator
    for key in $("$cli" describe "$calculator" --json | grep -o '"key":"[^"]*"' |
        sed 's/"key":"\(.*\)"/\1/'); do
        expect_word "$key" "the $calculator key"
    done
done

echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
