#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The car allowance and company car printouts as PDF pages (grovan-cli calc --pdf through the
# shipped templates), read back as a reader would copy them (pdftotext -layout): the largest
# figure each field can hold prints whole on its line, and a register runs onto further pages.
# Usage: vehicle_pdf_test.sh CLI SCRATCH_FOLDER
set -u
cli=$(realpath "$1")
cases_dir=$(cd "$(dirname "$0")/pdf" && pwd)
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch" || exit 1

largest="vehicleValue=99999999 allowanceReceived=99999999 closeKm=9999999 openKm=0"
largest+=" businessKm=9999999"
costs="fuelOil=99999999 repairsMaintenance=99999999 insuranceLicence=99999999"
costs+=" otherExpenses=99999999 wearAndTear=99999999"

# One case a line, fields separated by "|":
#   name | arguments after "calc" | texts the PDF must hold, separated by ";"
# The deemed cost at the largest value and distance: 156 711 / 9 999 999 km = 1.567 cents, with
# 172.4 and 99.6 cents, 273.567... x 99 999.99 = 27 356 707.26. The actual costs: five of
# 99 999 999 make 499 999 995, claimed up to 9 999 999.97 without an allowance. The largest
# vehicle: a true inclusion of 4 on 1 private km of 9 999 999, the adjustment held at
# -99 999 999, SARS's claim -(9 999 998 / 9 999 999 x 99 999 999 + 40) = -100 000 029.
# Three vehicles of 365, 365 and 273 days share 150 000: 54 586.24 for the first, whose 18 000
# private km of 30 000 on the fuel table (1.358 a km) give a fuel claim of 24 444 and a true
# inclusion of 75 393; 75 393 - 24 444 - 54 586.24 rounds to -3 637; SARS's claim
# -(12 000 / 30 000 x 54 586.24 + 24 444) = -46 278.50.
cases=$(cat <<CASES
deemed cost at the largest figures|carallowance $largest --name 'Thandi Mokoena'|For : Thandi Mokoena;Original value of vehicle;R     99 999 999.00;9 999 999.00;Fixed cost: R 156 711 x 365 / 365 days;over 9 999 999 km;1.567;172.400;99.600;273.6;27 356 707.26;Page 1 of 1
actual costs at the largest figures|carallowance accurateRecordKept=1 closeKm=9999999 businessKm=9999999 $costs|Deduction on the actual costs;99 999 999.00;499 999 995.00;9 999 999.97;Page 1 of 1
the largest vehicle|companycar --input $cases_dir/largest_vehicle.json|1 of 1;99 999 999.00;-99 999 999.00;-100 000 029.00;42 000 000.00;2 800 000.00;1 292 308.00;646 153.60;Page 1 of 1
three vehicles, the second empty|companycar --input $cases_dir/three_vehicles_one_empty.json|1 of 3;2 of 3;3 of 3;CA 222-333;300 000.00;01/06/2021;54 586.24;-3 637.00;-46 278.50;Page 1 of 1
thirty vehicles|companycar --input $cases_dir/thirty_vehicles.json|1 of 30;30 of 30;CA 030;Page 2 of 6;Page 6 of 6
CASES
)

ran=0
failed=0
while IFS='|' read -r name args want; do
    ran=$((ran + 1))
    rm -f ./*.pdf
    eval "set -- $args"
    "$cli" calc "$@" --pdf out.pdf >stdout 2>stderr </dev/null
    got_exit=$?
    problem=""
    if [ "$got_exit" != 0 ]; then
        problem="exit code $got_exit: $(cat stderr)"
    elif [ ! -s out.pdf ]; then
        problem="no PDF written"
    else
        text=$(pdftotext -layout out.pdf -)
        IFS=';' read -r -a wanted <<<"$want"
        for line in "${wanted[@]}"; do
            if [[ "$text" != *"$line"* ]]; then
                problem+="the PDF lacks \"$line\"; "
            fi
        done
        # Every page of a register repeats the grids' headings.
        pages=$(pdfinfo out.pdf | sed -n 's/^Pages: *//p')
        headings=$(grep -c "Registration" <<<"$text")
        if [[ "$args" == companycar* ]] && [ "$headings" -lt "$pages" ]; then
            problem+="$headings headings on $pages pages; "
        fi
    fi
    if [ -n "$problem" ]; then
        failed=$((failed + 1))
        echo "MISMATCH $name: $problem"
    fi
done <<<"$cases"

if [ "$ran" -eq 0 ]; then
    echo "no case ran"
    exit 1
fi
echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
