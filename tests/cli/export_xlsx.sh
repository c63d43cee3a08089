#!/usr/bin/env bash
# sprawozdanie-cli export-xlsx: the chosen sheets in workbook order, the
# workbook recalculated first, and failures that write nothing.
. "$(dirname "$0")/cli_lib.bash"
example=$DATA/../../examples/przyklad.spf

# Prints the worksheet names, then every formula with its cached figure,
# one per line.
read_xlsx() {
  python3 - "$1" <<'PY'
import re, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    print(",".join(re.findall(r'<sheet name="([^"]*)"', z.read("xl/workbook.xml").decode())))
    for name in z.namelist():
        if name.startswith("xl/worksheets/"):
            for f, v in re.findall(r"<f>([^<]*)</f><v>([^<]*)</v>", z.read(name).decode()):
                print(f + "\t" + v)
PY
}

expect_status 0 "$CLI" export-xlsx "$DATA/spf/minimal.spf" "$SCRATCH/two.xlsx" --sheet AF_Wskazniki --sheet aktywa
expect_eq "$(read_xlsx "$SCRATCH/two.xlsx" | head -1)" "Aktywa,AF_Wskazniki" "chosen sheets in workbook order"

# The ratio sheet is empty until the workbook is recalculated.
expect_status 0 "$CLI" export-xlsx "$example" "$SCRATCH/ratios.xlsx" --formulas --sheet AF_Wskazniki --sheet AF_Bilans
ratios=$(read_xlsx "$SCRATCH/ratios.xlsx")
expect_contains "$ratios" "TRUNC('AF_Bilans'!C33/SUM('AF_Bilans'!C24:C24,'AF_Bilans'!E24:E24)*200*100)/100	7.12" \
  "the current ratio with its figure"

# Every amount formula of the fixture is one the spreadsheet computes alike
# (the spreadsheet's figures are checked in tests/export).
expect_status 0 "$CLI" export-xlsx "$DATA/export/formulas.spf" "$SCRATCH/formulas.xlsx" --formulas --sheet A
formulas=$(read_xlsx "$SCRATCH/formulas.xlsx" | tail -n +2)
expect_eq "$(printf '%s\n' "$formulas" | wc -l)" 14 "formulas written"
expect_contains "$formulas" "IF(MOD('A'!B3,1)=0.5,2*ROUND('A'!B3/2,0),ROUND('A'!B3,0))	-1224" "ZAOKR of a half"

expect_status 1 "$CLI" export-xlsx "$example" "$SCRATCH/none.xlsx" --sheet Nieznany
expect_contains "$ERR" "no sheet named Nieznany" "unknown sheet"
expect_status 1 "$CLI" export-xlsx "$example" "$SCRATCH/missing/out.xlsx"
expect_eq "$ERR" "sprawozdanie-cli: $SCRATCH/missing/out.xlsx: No such file or directory" "unwritable target"
expect_status 2 "$CLI" export-xlsx "$example"
expect_eq "$(ls "$SCRATCH" | grep -v stderr | sort | tr '\n' ' ')" "formulas.xlsx ratios.xlsx two.xlsx " "nothing else written"
finish
