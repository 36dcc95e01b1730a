#!/usr/bin/env bash
# One employee's whole year, typed into the real program with the keyboard alone: the name,
# the salary sheet, the HRA sheet, other sources, the house-property sheet, the deductions
# sheet, relief and tax deducted, Calculate and Print on the main sheet, then Print on the
# salary sheet. Both pages go to a private CUPS queue whose backend keeps each job as a PDF,
# and their figures are checked against the figures worked out by hand below. Alt+X then
# ends the run with status 0.
#
#   typical-run.sh PROGRAM CUPS_SANDBOX_SCRIPT houseloss|rebate|topslab
set -euo pipefail

program=${1:?usage: typical-run.sh PROGRAM CUPS_SANDBOX_SCRIPT EMPLOYEE}
sandbox_script=${2:?usage: typical-run.sh PROGRAM CUPS_SANDBOX_SCRIPT EMPLOYEE}
employee=${3:?usage: typical-run.sh PROGRAM CUPS_SANDBOX_SCRIPT EMPLOYEE}
here=$(dirname "$0")
# shellcheck source-path=SCRIPTDIR source=../support/xvfb.sh
. "$here/../support/xvfb.sh"

main_caption="Morvel1415 - Income Tax Calculator"
salary_caption="Morvel1415 - Income Calculator"
hra_caption="Morvel1415 - HRA Exemption"
house_caption="Morvel1415 - Income from House Property"
deductions_caption="Morvel1415 - Deductions Under Section 80"
message_caption="Morvel1314"

# Pauses that let the program take in what was typed: between keys, and after a key that
# presses a button (an access key clicks about 100 ms after it is pressed).
key_delay=30
settle=0.4

work=$(mktemp -d)
app_pid=
cupsd_pid=

cleanup() {
  if [ -n "$app_pid" ]; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  stop_xvfb
  # For a closer look: E2E_KEEP=DIR keeps the printed pages, the scheduler's folder and the
  # program's output.
  [ -z "${E2E_KEEP:-}" ] || cp -r "$work" "$E2E_KEEP" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# Stopped from outside (a test timeout, Ctrl+C): still end the program, Xvfb and cupsd.
trap 'exit 143' TERM INT HUP

step="starting"
fail() {
  echo "FAIL ($employee, $step): $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    echo "windows showing:" >&2
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      echo "  \"$(xdotool getwindowname "$id" 2>/dev/null)\"" >&2
    done
  fi
  exit 1
}

# --- The private printing system and X server ------------------------------------------

bash "$sandbox_script" "$work/cups" printer >"$work/cupsd.log" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$work/cups/cups.sock
export CUPS_SERVERROOT=$work/cups/conf
# No lpoptions of the user running the test may choose another default printer.
export HOME=$work/home
mkdir -p "$HOME"
deadline=$((SECONDS + 20))
until lpstat -d 2>/dev/null | grep -q 'morvel-test'; do
  kill -0 "$cupsd_pid" 2>/dev/null || fail "the private CUPS scheduler ended: $(cat "$work/cupsd.log")"
  [ $SECONDS -lt $deadline ] || fail "the private CUPS scheduler did not answer within 20 s"
  sleep 0.2
done
jobs_dir=$work/cups/out

start_xvfb || fail "Xvfb did not start"
export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8

# --- Driving the windows ----------------------------------------------------------------

# focus CAPTION: waits for the window and gives it the keyboard.
focus() {
  local id
  id=$(wait_for_window "$1" 15) || fail "the window \"$1\" did not show within 15 s"
  timeout 10 xdotool windowfocus --sync "$id" || fail "the window \"$1\" did not take the focus"
  sleep 0.2
}

# wait_active CAPTION: waits until the program itself has given that window the keyboard,
# which shows that the button that presents it has done its work.
wait_active() {
  local id deadline=$((SECONDS + 10))
  id=$(wait_for_window "$1" 10) || fail "the window \"$1\" did not show within 10 s"
  until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ]; do
    [ $SECONDS -lt $deadline ] || fail "the window \"$1\" did not come to the front within 10 s"
    sleep 0.1
  done
}

wait_gone() {
  local deadline=$((SECONDS + 10))
  while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || fail "the window \"$1\" did not close within 10 s"
    sleep 0.1
  done
}

keys() { xdotool key --delay "$key_delay" "$@"; }
# type TEXT into the field that has the focus (its whole text is selected on entry).
typein() { xdotool type --delay "$key_delay" -- "$1"; }
# press KEY that clicks a button, and give the click time to happen.
press() {
  xdotool key "$1"
  sleep "$settle"
}

jobs_printed() { find "$jobs_dir" -maxdepth 1 -name 'job-*.pdf' | wc -l; }

# wait_for_job N: sets job_pdf to the file of the N-th printed job.
wait_for_job() {
  local deadline=$((SECONDS + 30))
  while [ "$(jobs_printed)" -lt "$1" ]; do
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended while printing"
    [ $SECONDS -lt $deadline ] || fail "job $1 did not reach the printer within 30 s"
    sleep 0.2
  done
  job_pdf=$(find "$jobs_dir" -maxdepth 1 -name 'job-*.pdf' | sort -V | sed -n "${1}p")
}

# page_rows PDF: the page's text row by row, top to bottom: the words of a row in order
# from the left, one blank between them, then a tab and the right edge (pt) of the last one.
page_rows() {
  pdftotext -bbox "$1" - \
    | sed -n 's/.*<word xMin="\([^"]*\)" yMin="\([^"]*\)" xMax="\([^"]*\)" yMax="[^"]*">\(.*\)<\/word>.*/\2 \1 \3 \4/p' \
    | sed -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&quot;/"/g' -e "s/&apos;/'/g" -e "s/&#39;/'/g" \
          -e 's/&amp;/\&/g' \
    | sort -k1,1g -k2,2g \
    | awk '
        function flush() { if (text != "") printf "%s\t%.2f\n", text, right }
        {
          y = $1; x2 = $3
          word = $0; sub(/^[^ ]+ [^ ]+ [^ ]+ /, "", word)
          # Words of one row share their top within a point or two; rows are 10 pt apart.
          if (text == "" || y - top > 2) { flush(); text = word; top = y }
          else text = text " " word
          right = x2
        }
        END { flush() }'
}

# check_page PDF WHAT EXPECTED: each expected line must be a whole row of the page. A line
# may end in "@EDGE": the row's last amount is then right-aligned on that edge (inches);
# the edges are checked against one another, since the page's margin is the printer's.
check_page() {
  local pdf=$1 what=$2 expected=$3 rows line text edge right offset ref='' bad=0
  rows=$(page_rows "$pdf")
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    text=${line%@*}
    edge=
    [ "$text" = "$line" ] || edge=${line##*@}
    right=$(awk -F '\t' -v t="$text" '$1 == t { print $2; exit }' <<<"$rows")
    if [ -z "$right" ]; then
      echo "missing on the $what: [$text]" >&2
      bad=1
      continue
    fi
    [ -n "$edge" ] || continue
    offset=$(awk -v r="$right" -v e="$edge" 'BEGIN { printf "%.2f", r - e * 72 }')
    [ -n "$ref" ] || ref=$offset
    if ! awk -v a="$offset" -v b="$ref" 'BEGIN { d = a - b; exit !(d < 1 && d > -1) }'; then
      echo "on the $what, [$text] ends at ${right} pt, not on the ${edge} in edge" \
           "(margin ${ref} pt from the first row checked)" >&2
      bad=1
    fi
  done <<<"$expected"
  if [ "$bad" -ne 0 ]; then
    echo "--- the $what as printed (row, right edge in pt) ---" >&2
    echo "$rows" >&2
    fail "the $what does not show the figures worked out by hand"
  fi
}

# --- The employees -------------------------------------------------------------------------
#
# Every figure below is worked out by hand from the rules of the year. Round is to the
# nearest whole rupee, halves to the even one. Basic pay B and grade pay G are typed into
# the first row and run down the column. TPA bases: "A/A-1" 3200 (G >= 5400) or 1600
# (G 4200..5399, or G < 4200 with B >= 7440); "Oth." half of those. DA on TPA: arrears rows
# base - Round(0.9 base), Mar-Jun + base, Jul-Feb + Round(1.07 base) (stored amounts).

case "$employee" in
houseloss)
  # Asha Verma: self-occupied house with a loan after 1-4-99 (a loss), 80C above 150000,
  # 80CCF above its 20000 ceiling, New Pension Scheme, no increment.
  name="Asha Verma"
  # Each selection is a command: keys picked from the list, or text typed over the entry.
  nps_choice=(keys Up)                         # "N" -> "Y"
  hra_choice=(typein Y)                        # "X" typed over with "Y"
  tpa_choice=(keys alt+Down Down Return)       # the list opened: "A/A-1" -> "Oth."
  increment=off
  bp=30000 gp=5400
  others=(0 3500 0 0 0 0)       # arrears, bonus, OTA, tuition fee, honorarium, other
  # B + G = 35400; tier G >= 5400, "Oth." base 1600.
  # Jan/Feb 14 (arrears): DA 35400 - Round(31860) = 3540; TPA 1600 - 1440 = 160;
  #   MGC Round(3540 x 0.1) = 354; total 3540 + 160 + 354 = 4054.
  # Mar-Jun 14: DA 35400; HRA "Y" Round(35400 x 0.2) = 7080; TPA 1600 + 1600 = 3200;
  #   MGC Round((35400 + 35400) x 0.1) = 7080;
  #   total 30000 + 5400 + 35400 + 7080 + 3200 + 7080 = 88160.
  # Jul 14-Feb 15: DA Round(35400 x 1.07) = 37878; HRA 7080; TPA 1600 + 1712 = 3312;
  #   MGC Round((35400 + 37878) x 0.1) = Round(7327.8) = 7328;
  #   total 30000 + 5400 + 37878 + 7080 + 3312 + 7328 = 90998.
  # Totals: basic 12 x 30000 = 360000; grade 12 x 5400 = 64800;
  #   DA 2 x 3540 + 4 x 35400 + 8 x 37878 = 7080 + 141600 + 303024 = 451704;
  #   HRA 12 x 7080 = 84960; MGC 2 x 354 + 4 x 7080 + 8 x 7328 = 708 + 28320 + 58624 = 87652;
  #   TPA 2 x 160 + 4 x 3200 + 8 x 3312 = 320 + 12800 + 26496 = 39616;
  #   total 2 x 4054 + 4 x 88160 + 8 x 90998 = 8108 + 352640 + 727984 = 1088732;
  #   grand total 1088732 + bonus 3500 = 1092232.
  # DA arrears row: DA 3540 + 3540 = 7080, MGC 354 + 354 = 708, TPA 160 + 160 = 320,
  #   total 7080 + 708 + 320 = 8108.
  salary_rows="Mar 14 30000 5400 35400 7080 7080 3200 88160@8
Apr 14 30000 5400 35400 7080 7080 3200 88160@8
May 14 30000 5400 35400 7080 7080 3200 88160@8
Jun 14 30000 5400 35400 7080 7080 3200 88160@8
Jul 14 30000 5400 37878 7080 7328 3312 90998@8
Aug 14 30000 5400 37878 7080 7328 3312 90998@8
Sep 14 30000 5400 37878 7080 7328 3312 90998@8
Oct 14 30000 5400 37878 7080 7328 3312 90998@8
Nov 14 30000 5400 37878 7080 7328 3312 90998@8
Dec 14 30000 5400 37878 7080 7328 3312 90998@8
Jan 15 30000 5400 37878 7080 7328 3312 90998@8
Feb 15 30000 5400 37878 7080 7328 3312 90998@8
DA Arr. 7080 708 320 8108@8
Totals 360000 64800 451704 84960 87652 39616 1088732@8
Other Allowances :- 0@8
Over Time Allowance :- 0@8
Honorarium :- 0@8
Tuition Fee :- 0@8
Bonus :- 3500@8
Arrears :- 0@8
GRAND TOTAL :- 1092232@8"
  # Back: gross 1092232; TPA exemption 12 months x 800 (each month's TPA is above 800) = 9600.
  # HRA sheet: salary 360000 + 451704 + 64800 = 876504; 10% = Round(87650.4) = 87650;
  #   rent 150000 - 87650 = 62350, below the HRA drawn 84960, so the exemption is 62350.
  rent=150000
  other_sources=12500
  house=selfoccupied
  house_inputs=(215000)         # interest; counts as 200000 (loan after 1-4-99)
  # House: gross income 0, repairs 0, deductions min(215000, 200000) = 200000, income -200000.
  deductions=(60000 960 0 45000 50000 10000 2500 12000 0 0 0 0 - - 25000 18000 5000 0)
  # 80C: 60000 + 960 + 45000 + 50000 + 10000 + 2500 + 12000 = 180460.
  # 80CCD both contributions 87652 (from the salary sheet); 80C + 80CCC + employee's share =
  #   180460 + 0 + 87652 = 268112 > 150000, so 150000 + 87652 = 237652.
  # 80CCF 25000 is cut to 20000. Grand total 237652 + 18000 + 5000 + 20000 + 0 = 280652.
  # The printed NPS row adds both shares: 87652 + 87652 = 175304.
  relief89=1200
  tax_deducted=30000
  # Main sheet: exempt 9600 + 62350 = 71950; salary income 1092232 - 71950 = 1020282;
  #   gross total 1020282 - 200000 + 12500 = 832782;
  #   net taxable Round((832782 - 280652) / 10) x 10 = Round(55213) x 10 = 552130.
  #   Tax: Round((552130 - 500000) x 0.2) + 25000 = 10426 + 25000 = 35426; above 500000, so
  #   no 87A relief; net 35426 - (0 + 1200) = 34226; cess Round(1026.78) = 1027;
  #   total 34226 + 1027 = 35253; balance 35253 - 30000 = 5253.
  tax_lines="CALCULATION OF INCOME TAX FOR THE YEAR 2014-15
Asha Verma
Gross Salary :- 1092232@6
Transport Allowance :- 9600@5
House Rent Allowance :- 62350 71950@6
1020282@7
Annual Rental Value 0@6
Less Property Taxes :- 0@6
Gross Income from House Property :- 0@6
Repairs & Maintenance :- 0@5
Interest on Borrowed Capital :- 215000@5
Others :- 0 200000@6
-200000@7
INCOME FROM 'OTHER SOURCES' :- 12500@7
GROSS TOTAL INCOME :- 832782@7
GPF - 60000@5
CGEGIS - 960@5
HBA - 0@5
LIC - 45000@5
PPF - 50000@5
NSC - 10000@5
NSC Interest - 2500@5
Tuition Fee (I) - 12000@5
Tuition Fee (II) - 0@5
Infrastructure Bonds - 0@5
Other Savings - 0@5
Total (80C) - 180460@5
Jeevan Suraksha (80CCC) :- 0@5
NPS (EC + GC) (80CCD):- 175304@5
Total(80C+80CCC+80CCD) - 237652@6
Infrastructure Bonds (80CCF) - 20000@6
Mediclaim/CGHS (80D) : - 18000@6
Donations (80G) :- 5000@6
Other Deductions :- 0@6
Total Deductions u/s 80 :- 280652@7
NET TAXABLE INCOME :- 552130@7
GROSS TAX :- 35426@7
Relief u/s 87A :- 0@7
Relief u/s 89 :- 1200@7
NET TAX :- 34226@7
Education Cess :- 1027@7
TOTAL TAX :- 35253@7
TAX DEDUCTED :- 30000@7
BALANCE TAX :- 5253@7"
  ;;
rebate)
  # Bala Krishnan: net taxable income below 500000 with the 87A relief; let-out house with an
  # income; no pension scheme, no increment.
  name="Bala Krishnan"
  nps_choice=(true)                            # stays "N"
  hra_choice=(keys Down Down)                  # "X" -> "Y" -> "Z"
  tpa_choice=(true)                            # stays "A/A-1"
  increment=off
  bp=10000 gp=2000
  others=(0 0 2500 0 1500 0)
  # B + G = 12000; tier G < 4200 with B >= 7440, "A/A-1" base 1600.
  # Jan/Feb 14: DA 12000 - Round(10800) = 1200; TPA 1600 - 1440 = 160; MGC 0; total 1360.
  # Mar-Jun 14: DA 12000; HRA "Z" Round(12000 x 0.1) = 1200; TPA 3200; MGC 0;
  #   total 10000 + 2000 + 12000 + 1200 + 3200 = 28400.
  # Jul 14-Feb 15: DA Round(12000 x 1.07) = 12840; HRA 1200; TPA 1600 + 1712 = 3312;
  #   total 10000 + 2000 + 12840 + 1200 + 3312 = 29352.
  # Totals: basic 120000; grade 24000; DA 2 x 1200 + 4 x 12000 + 8 x 12840
  #   = 2400 + 48000 + 102720 = 153120; HRA 12 x 1200 = 14400; MGC 0;
  #   TPA 320 + 12800 + 26496 = 39616; total 2 x 1360 + 4 x 28400 + 8 x 29352
  #   = 2720 + 113600 + 234816 = 351136; grand total 351136 + OTA 2500 + honorarium 1500
  #   = 355136.
  # DA arrears row: 2400, MGC 0, TPA 320, total 2720.
  salary_rows="Mar 14 10000 2000 12000 1200 0 3200 28400@8
Apr 14 10000 2000 12000 1200 0 3200 28400@8
May 14 10000 2000 12000 1200 0 3200 28400@8
Jun 14 10000 2000 12000 1200 0 3200 28400@8
Jul 14 10000 2000 12840 1200 0 3312 29352@8
Aug 14 10000 2000 12840 1200 0 3312 29352@8
Sep 14 10000 2000 12840 1200 0 3312 29352@8
Oct 14 10000 2000 12840 1200 0 3312 29352@8
Nov 14 10000 2000 12840 1200 0 3312 29352@8
Dec 14 10000 2000 12840 1200 0 3312 29352@8
Jan 15 10000 2000 12840 1200 0 3312 29352@8
Feb 15 10000 2000 12840 1200 0 3312 29352@8
DA Arr. 2400 0 320 2720@8
Totals 120000 24000 153120 14400 0 39616 351136@8
Other Allowances :- 0@8
Over Time Allowance :- 2500@8
Honorarium :- 1500@8
Tuition Fee :- 0@8
Bonus :- 0@8
Arrears :- 0@8
GRAND TOTAL :- 355136@8"
  # Back: gross 355136; TPA exemption 12 x 800 = 9600.
  # HRA sheet: salary 120000 + 153120 + 24000 = 297120; 10% = 29712;
  #   rent 36000 - 29712 = 6288, below the HRA drawn 14400: exemption 6288.
  rent=36000
  other_sources=4000
  house=rented
  house_inputs=(60000 3000)     # rental value, property taxes
  # House: gross 60000 - 3000 = 57000; repairs Round(17100) = 17100; deductions
  #   0 + 17100 + 0 = 17100; income 57000 - 17100 = 39900.
  deductions=(24000 360 0 10000 0 0 0 0 0 0 0 0 - - 0 12000 0 0)
  # 80C 24000 + 360 + 10000 = 34360, below the ceiling: 34360 + 0 = 34360.
  # Grand total 34360 + 12000 = 46360.
  relief89=0
  tax_deducted=6000
  # Main sheet: exempt 9600 + 6288 = 15888; salary income 355136 - 15888 = 339248;
  #   gross total 339248 + 39900 + 4000 = 383148;
  #   net taxable Round((383148 - 46360) / 10) x 10 = Round(33678.8) x 10 = 336790.
  #   Tax Round((336790 - 250000) x 0.1) = 8679; at most 500000 and not below 2000, so the
  #   87A relief is 2000; net 6679; cess Round(200.37) = 200; total 6879;
  #   balance 6879 - 6000 = 879.
  tax_lines="CALCULATION OF INCOME TAX FOR THE YEAR 2014-15
Bala Krishnan
Gross Salary :- 355136@6
Transport Allowance :- 9600@5
House Rent Allowance :- 6288 15888@6
339248@7
Annual Rental Value 60000@6
Less Property Taxes :- 3000@6
Gross Income from House Property :- 57000@6
Repairs & Maintenance :- 17100@5
Interest on Borrowed Capital :- 0@5
Others :- 0 17100@6
39900@7
INCOME FROM 'OTHER SOURCES' :- 4000@7
GROSS TOTAL INCOME :- 383148@7
GPF - 24000@5
CGEGIS - 360@5
HBA - 0@5
LIC - 10000@5
PPF - 0@5
NSC - 0@5
NSC Interest - 0@5
Tuition Fee (I) - 0@5
Tuition Fee (II) - 0@5
Infrastructure Bonds - 0@5
Other Savings - 0@5
Total (80C) - 34360@5
Jeevan Suraksha (80CCC) :- 0@5
NPS (EC + GC) (80CCD):- 0@5
Total(80C+80CCC+80CCD) - 34360@6
Infrastructure Bonds (80CCF) - 0@6
Mediclaim/CGHS (80D) : - 12000@6
Donations (80G) :- 0@6
Other Deductions :- 0@6
Total Deductions u/s 80 :- 46360@7
NET TAXABLE INCOME :- 336790@7
GROSS TAX :- 8679@7
Relief u/s 87A :- 2000@7
Relief u/s 89 :- 0@7
NET TAX :- 6679@7
Education Cess :- 200@7
TOTAL TAX :- 6879@7
TAX DEDUCTED :- 6000@7
BALANCE TAX :- 879@7"
  ;;
topslab)
  # Chitra Rao: net taxable income above 1000000, the July increment ticked, mediclaim
  # typed above its 30000 ceiling (the program's message is answered with Enter).
  name="Chitra Rao"
  nps_choice=(keys ctrl+a Y)                   # typed over the "N"
  hra_choice=(typein X)                        # the same entry typed again
  tpa_choice=(typein A/A-1)
  increment=on
  bp=50000 gp=8700
  others=(12000 0 0 0 0 8000)
  # Increment: Round((8700 + 50000) x 0.03) = 1761, raised to the next ten 1770;
  #   Jul 14-Feb 15 basic pay 50000 + 1770 = 51770.
  # Jan/Feb 14: B + G = 58700; DA 58700 - Round(52830) = 5870; TPA (G >= 5400, "A/A-1"
  #   base 3200) 3200 - 2880 = 320; MGC Round(587) = 587; total 5870 + 320 + 587 = 6777.
  # Mar-Jun 14: DA 58700; HRA "X" Round(58700 x 0.3) = 17610; TPA 6400;
  #   MGC Round(117400 x 0.1) = 11740; total 50000 + 8700 + 58700 + 17610 + 6400 + 11740
  #   = 153150.
  # Jul 14-Feb 15: B + G = 51770 + 8700 = 60470; DA Round(60470 x 1.07) = Round(64702.9)
  #   = 64703; HRA Round(18141) = 18141; TPA 3200 + 3424 = 6624;
  #   MGC Round((60470 + 64703) x 0.1) = Round(12517.3) = 12517;
  #   total 51770 + 8700 + 64703 + 18141 + 6624 + 12517 = 162455.
  # Totals: basic 4 x 50000 + 8 x 51770 = 614160; grade 12 x 8700 = 104400;
  #   DA 2 x 5870 + 4 x 58700 + 8 x 64703 = 11740 + 234800 + 517624 = 764164;
  #   HRA 4 x 17610 + 8 x 18141 = 70440 + 145128 = 215568;
  #   MGC 2 x 587 + 4 x 11740 + 8 x 12517 = 1174 + 46960 + 100136 = 148270;
  #   TPA 2 x 320 + 4 x 6400 + 8 x 6624 = 640 + 25600 + 52992 = 79232;
  #   total 2 x 6777 + 4 x 153150 + 8 x 162455 = 13554 + 612600 + 1299640 = 1925794;
  #   grand total 1925794 + arrears 12000 + other 8000 = 1945794.
  # DA arrears row: 11740, MGC 1174, TPA 640, total 13554.
  salary_rows="Mar 14 50000 8700 58700 17610 11740 6400 153150@8
Apr 14 50000 8700 58700 17610 11740 6400 153150@8
May 14 50000 8700 58700 17610 11740 6400 153150@8
Jun 14 50000 8700 58700 17610 11740 6400 153150@8
Jul 14 51770 8700 64703 18141 12517 6624 162455@8
Aug 14 51770 8700 64703 18141 12517 6624 162455@8
Sep 14 51770 8700 64703 18141 12517 6624 162455@8
Oct 14 51770 8700 64703 18141 12517 6624 162455@8
Nov 14 51770 8700 64703 18141 12517 6624 162455@8
Dec 14 51770 8700 64703 18141 12517 6624 162455@8
Jan 15 51770 8700 64703 18141 12517 6624 162455@8
Feb 15 51770 8700 64703 18141 12517 6624 162455@8
DA Arr. 11740 1174 640 13554@8
Totals 614160 104400 764164 215568 148270 79232 1925794@8
Other Allowances :- 8000@8
Over Time Allowance :- 0@8
Honorarium :- 0@8
Tuition Fee :- 0@8
Bonus :- 0@8
Arrears :- 12000@8
GRAND TOTAL :- 1945794@8"
  # Back: gross 1945794; TPA exemption 12 x 800 = 9600.
  # HRA sheet: salary 614160 + 764164 + 104400 = 1482724; 10% = Round(148272.4) = 148272;
  #   rent 360000 - 148272 = 211728, below the HRA drawn 215568: exemption 211728.
  rent=360000
  other_sources=25000
  house=rented
  house_inputs=(240000 9600 100000 5000)   # rental value, property taxes, interest, others
  # House: gross 240000 - 9600 = 230400; repairs Round(69120) = 69120;
  #   deductions 100000 + 69120 + 5000 = 174120; income 230400 - 174120 = 56280.
  deductions=(0 0 0 40000 100000 0 0 15000 15000 0 0 10000 - - 0 35000 2000 0)
  # 80C 40000 + 100000 + 15000 + 15000 = 170000; 80CCC 10000; both NPS shares 148270;
  #   170000 + 10000 + 148270 = 328270 > 150000, so 150000 + 148270 = 298270.
  # Mediclaim 35000 is cut to 30000. Grand total 298270 + 30000 + 2000 = 330270.
  # The printed NPS row adds both shares: 148270 + 148270 = 296540.
  relief89=5000
  tax_deducted=250000
  # Main sheet: exempt 9600 + 211728 = 221328; salary income 1945794 - 221328 = 1724466;
  #   gross total 1724466 + 56280 + 25000 = 1805746;
  #   net taxable Round((1805746 - 330270) / 10) x 10 = Round(147547.6) x 10 = 1475480.
  #   Tax Round((1475480 - 1000000) x 0.3) + 125000 = 142644 + 125000 = 267644; no 87A;
  #   net 267644 - 5000 = 262644; cess Round(7879.32) = 7879; total 270523;
  #   balance 270523 - 250000 = 20523.
  tax_lines="CALCULATION OF INCOME TAX FOR THE YEAR 2014-15
Chitra Rao
Gross Salary :- 1945794@6
Transport Allowance :- 9600@5
House Rent Allowance :- 211728 221328@6
1724466@7
Annual Rental Value 240000@6
Less Property Taxes :- 9600@6
Gross Income from House Property :- 230400@6
Repairs & Maintenance :- 69120@5
Interest on Borrowed Capital :- 100000@5
Others :- 5000 174120@6
56280@7
INCOME FROM 'OTHER SOURCES' :- 25000@7
GROSS TOTAL INCOME :- 1805746@7
GPF - 0@5
CGEGIS - 0@5
HBA - 0@5
LIC - 40000@5
PPF - 100000@5
NSC - 0@5
NSC Interest - 0@5
Tuition Fee (I) - 15000@5
Tuition Fee (II) - 15000@5
Infrastructure Bonds - 0@5
Other Savings - 0@5
Total (80C) - 170000@5
Jeevan Suraksha (80CCC) :- 10000@5
NPS (EC + GC) (80CCD):- 296540@5
Total(80C+80CCC+80CCD) - 298270@6
Infrastructure Bonds (80CCF) - 0@6
Mediclaim/CGHS (80D) : - 30000@6
Donations (80G) :- 2000@6
Other Deductions :- 0@6
Total Deductions u/s 80 :- 330270@7
NET TAXABLE INCOME :- 1475480@7
GROSS TAX :- 267644@7
Relief u/s 87A :- 0@7
Relief u/s 89 :- 5000@7
NET TAX :- 262644@7
Education Cess :- 7879@7
TOTAL TAX :- 270523@7
TAX DEDUCTED :- 250000@7
BALANCE TAX :- 20523@7"
  ;;
*)
  fail "no such employee: $employee"
  ;;
esac

# --- The run ---------------------------------------------------------------------------------

step="start-up"
"$program" >"$work/program.log" 2>&1 &
app_pid=$!
# The splash shows for 3 s; the main sheet follows with the focus in the name.
focus "$main_caption"
typein "$name"

step="salary sheet"
keys Tab                               # salary "Calc."
press space
focus "$salary_caption"                # the focus is in cbonps
"${nps_choice[@]}"
keys Tab; "${hra_choice[@]}"           # cboclass1: its text is selected on entry
keys Tab; "${tpa_choice[@]}"           # cboclass3
keys Tab                               # chkinc, ticked at start
[ "$increment" = on ] || keys space
keys Tab; typein "$bp"                 # txtbp(0), copied down to Feb 15
keys Tab; typein "$gp"                 # txtgp(0)
# On past the other thirteen rows (two cells each) to the annual figures.
keys --repeat 27 Tab
for amount in "${others[@]}"; do
  typein "$amount"
  keys Tab
done
press Return                           # Calculate, the default button
press alt+b                            # Back: the sheet stays open behind the main sheet
wait_active "$main_caption"

step="HRA sheet"
focus "$main_caption"                  # the focus is on the HRA "Calc."
press space
focus "$hra_caption"                   # the focus is in the rent
typein "$rent"
press Return                           # Calculate
press alt+b                            # Back
wait_gone "$hra_caption"

step="other sources and house property"
focus "$main_caption"                  # the focus is in other sources
typein "$other_sources"
keys Tab                               # house-property "Calc."
press space
focus "$house_caption"                 # the focus is on "Rented Out"
if [ "$house" = selfoccupied ]; then
  keys Left                            # "Self Occupied"; "After 1-4-99" stays chosen
  sleep "$settle"
  keys Tab; typein "${house_inputs[0]}"   # interest: the other boxes are greyed
else
  for amount in "${house_inputs[@]}"; do   # rental value, property taxes, interest, others
    keys Tab; typein "$amount"
  done
fi
press Return                           # Calculate
press alt+b                            # Back
wait_gone "$house_caption"

step="deductions sheet"
focus "$main_caption"                  # the focus is on the deductions "Calc."
press space
focus "$deductions_caption"            # the focus is in GPF
# In tab order: GPF, CGEGIS, HBA, LIC, PPF, NSC, NSC interest, tuition fee I and II,
# infrastructure bonds, other savings, 80CCC, the two pension-scheme shares ("-": left as
# the salary sheet filled them), 80CCF, mediclaim, 80G, other deductions.
tab_first=0
for i in "${!deductions[@]}"; do
  [ "$tab_first" -eq 0 ] || keys Tab
  tab_first=1
  amount=${deductions[$i]}
  [ "$amount" = - ] && continue
  typein "$amount"
  if [ "$i" -eq 15 ] && [ "$amount" -gt 30000 ]; then
    # The mediclaim ceiling: the program's message, answered with Enter, leaves 30000 in
    # the box and the focus in 80G.
    focus "$message_caption"
    press Return
    wait_gone "$message_caption"
    focus "$deductions_caption"
    tab_first=0
  fi
done
press Return                           # Calculate
press alt+b                            # Back
wait_gone "$deductions_caption"

step="main sheet"
focus "$main_caption"                  # the focus is in relief u/s 89
typein "$relief89"
keys Tab; typein "$tax_deducted"
press Return                           # Calculate
press alt+p                            # Print: the tax statement
wait_for_job 1
check_page "$job_pdf" "tax statement" "INCOME FROM 'SALARY'
Less Allowances Exempt u/s 10 :-
INCOME FROM 'HOUSE PROPERTY'
Less Deductions u/s 24 :-
Deductions u/s 80 :-
Section 80C :-
$tax_lines"

step="salary statement"
focus "$salary_caption"
press alt+p                            # Print: the salary statement
wait_for_job 2
salary_pdf=$job_pdf
check_page "$salary_pdf" "salary statement" "DETAILS OF SALARY RECEIVED FOR THE YEAR 2014 - 2015
$name
Month Basic GP Dearness HRA MGC Tpt. All. Total@8
Pay Allowance@4
$salary_rows
Generated by Morvel1314"
# The salary statement is a landscape page.
pdfinfo "$salary_pdf" | grep -q '^Page rot: *90' || pdfinfo "$salary_pdf" | awk '/^Page size/ { exit !($3 > $5) }' \
  || fail "the salary statement is not a landscape page: $(pdfinfo "$salary_pdf" | grep -i page)"

step="exit"
# Nothing printed twice, and no message left open: only the two sheets still show.
[ "$(jobs_printed)" -eq 2 ] || fail "$(jobs_printed) jobs reached the printer, not 2"
showing=$(for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
  xdotool getwindowname "$id"; done | sort)
[ "$showing" = "$(printf '%s\n' "$salary_caption" "$main_caption" | sort)" ] \
  || fail "other windows than the main and salary sheets show"
focus "$main_caption"
xdotool key alt+x
status=0
wait_for_exit "$app_pid" 10 || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status (124: still running); its output: $(cat "$work/program.log")"
app_pid=
echo "PASS ($employee): both statements printed the figures worked out by hand; Alt+X ended the run with status 0"
