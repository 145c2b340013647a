#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# grovan-cli calc --pdf: the printout written as a PDF through the shipped template, checked by
# its text as a reader would copy it (pdftotext), and the refusals around it.
# Usage: pdf_printout_test.sh CLI SCRATCH_FOLDER PDF_LIBRARY (the library that paints the pages)
set -u
cli=$(realpath "$1")
scratch=$2
library=$(realpath "$3")
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch" || exit 1

months="beneficiariesMar=2 beneficiariesApr=2 beneficiariesMay=2 beneficiariesJun=2"
months+=" beneficiariesJul=2 beneficiariesAug=2 beneficiariesSep=2 beneficiariesOct=2"
months+=" beneficiariesNov=2 beneficiariesDec=2 beneficiariesJan=2 beneficiariesFeb=2"
long_name=$(printf 'N%.0s' {1..51})

# One case a line, fields separated by "|":
#   name | expected exit code | arguments after "calc annual --data-dir ." | the PDF file, or -
#   for none | texts the PDF (exit 0) or standard error (otherwise) must hold, separated by ";"
# Amounts: 512 000 taxed 110 739 + 44 500 x 36 % - 15 714 = 111 045; the credits 12 x 664 = 7 968;
# 111 045 - 7 968 = 103 077.
cases=$(cat <<CASES
english|0|age=40 salary=500000 employerMedical=12000 $months --name 'Thandiwe Nkosi'|en.pdf|Annual Check;For : Thandiwe Nkosi;Age :;Remuneration/salary;500 000.00;Employer's med aid contrib.;12 000.00;Tax liability;111 045.00;7 968.00;PAYE;Total tax deduction;103 077.00;(E.& O.E.);Page 1 of 1
afrikaans|0|age=40 salary=500000 employerMedical=12000 $months --lang af --name 'Jan du Plessis'|af.pdf|Jaarlikse Inkomste;Vir : Jan du Plessis;Ouderdom :;Besoldiging;500 000.00;Werkgewer se bydrae aan mediesefonds;12 000.00;Belasting verpligting;111 045.00;7 968.00;LBS;Totaal;103 077.00;(B.& F.W.);Bladsy 1 van 1
amounts from a thousand million stay on one line|0|age=40 salary=999999999 bonus=999999999 commissions=999999999|large.pdf|Remuneration/salary;999 999 999.00;Tax liability;1 349 826 407.00;Total tax deduction;1 349 826 407.00
no name|0|salary=1|none.pdf|For :;Annual Check
name is text, not a path or markup|0|salary=1 --name '../<b>x</b> & Seuns'|odd.pdf|For : ../<b>x</b> & Seuns
name longer than 50 characters|2|salary=1 --name $long_name|-|--name: must be at most 50
PDF in a folder that does not exist|1|salary=1 --pdf missing-folder/x.pdf|-|cannot be written: No such file or directory; nothing was written
CASES
)

ran=0
failed=0
while IFS='|' read -r name want_exit args pdf want; do
    ran=$((ran + 1))
    rm -f ./*.pdf
    pdf_args=()
    if [ "$pdf" != "-" ]; then
        pdf_args=(--pdf "$pdf")
    fi
    eval "set -- $args"
    "$cli" calc annual --data-dir . "$@" "${pdf_args[@]}" >stdout 2>stderr </dev/null
    got_exit=$?
    problem=""
    if [ "$got_exit" != "$want_exit" ]; then
        problem="exit code $got_exit, expected $want_exit"
    elif [ "$want_exit" = 0 ]; then
        if [ ! -s "$pdf" ]; then
            problem="no PDF written"
        else
            text=$(pdftotext -layout "$pdf" -)
            IFS=';' read -r -a wanted <<<"$want"
            for line in "${wanted[@]}"; do
                if [[ "$text" != *"$line"* ]]; then
                    problem+="the PDF lacks \"$line\"; "
                fi
            done
        fi
        if [ -s stderr ]; then
            problem+="standard error: $(cat stderr)"
        fi
    else
        if [[ "$(cat stderr)" != *"$want"* ]]; then
            problem="standard error lacks \"$want\": $(cat stderr)"
        fi
        if compgen -G "*.pdf" >/dev/null || [ -e missing-folder ]; then
            problem+=" a PDF was written"
        fi
    fi
    # Nothing is ever made under the name's text, here or a folder up.
    if compgen -G "*Seuns*" >/dev/null || compgen -G "../*Seuns*" >/dev/null; then
        problem+=" a file named after the employee was made"
    fi
    if [ -n "$problem" ]; then
        failed=$((failed + 1))
        echo "MISMATCH $name: $problem"
    fi
done <<<"$cases"

# The pages are painted by a library grovan-cli loads at its first printout, found from the
# program's own place: a copy of the program with its assets and its library prints; one whose
# library is missing or damaged says which file and why, writes nothing, and still gives the
# results.
library_from_bin=$(realpath --relative-to="$(dirname "$cli")" "$(dirname "$library")")
assets=$(realpath "$(dirname "$cli")/../share/grovan2022")
for copy in whole missing damaged; do
    ran=$((ran + 1))
    rm -rf "copy-$copy" ./*.pdf
    mkdir -p "copy-$copy/bin" "copy-$copy/share" "copy-$copy/bin/$library_from_bin"
    cp "$cli" "copy-$copy/bin/"
    cp -r "$assets" "copy-$copy/share/"
    case $copy in
    whole) cp "$library" "copy-$copy/bin/$library_from_bin/" ;;
    damaged) head -c 4096 /dev/zero | tr '\0' x >"copy-$copy/bin/$library_from_bin/libgrovan-pdf.so" ;;
    esac
    "copy-$copy/bin/grovan-cli" calc annual --data-dir . salary=1 --pdf copy.pdf >stdout 2>stderr \
        </dev/null
    got_exit=$?
    problem=""
    if [ $copy = whole ]; then
        [ "$got_exit" = 0 ] || problem="exit code $got_exit: $(cat stderr)"
        [[ "$(pdftotext copy.pdf - 2>&1)" == *"Annual Check"* ]] || problem+=" no printout"
    else
        [ "$got_exit" = 1 ] || problem="exit code $got_exit, expected 1"
        [[ "$(cat stderr)" == *"PDF printouts need "*"libgrovan-pdf.so, which is missing or damaged ("* ]] ||
            problem+=" standard error: $(cat stderr)"
        [ ! -e copy.pdf ] || problem+=" a PDF was written"
        grep -q '"taxLiability"' stdout || problem+=" no results: $(cat stdout)"
        # A batch gives every row's results, and says in each row's error why its printout
        # was not written.
        printf 'salary,age\n30000,40\n40000,50\n' >rows.csv
        "copy-$copy/bin/grovan-cli" batch monthly rows.csv --out results.csv --pdf-dir printouts \
            --data-dir . >stdout 2>stderr </dev/null
        got_exit=$?
        [ "$got_exit" = 1 ] || problem+=" batch: exit code $got_exit, expected 1"
        [ "$(grep -c ',"printout: PDF printouts need .*libgrovan-pdf.so, which is missing or damaged (.*)"$' results.csv)" = 2 ] ||
            problem+=" batch: results $(cat results.csv)"
        [ -z "$(ls -A printouts 2>/dev/null)" ] || problem+=" batch: a printout was written"
    fi
    if [ -n "$problem" ]; then
        failed=$((failed + 1))
        echo "MISMATCH copy with its library $copy: $problem"
    fi
done

if [ "$ran" -eq 0 ]; then
    echo "no case ran"
    exit 1
fi
echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
