#!/usr/bin/env bash
# print-pdf: the example statement printed to PDF and read back as text.
# Arguments: the tool, the test data folder, a scratch folder, the example statement.
source "$(dirname "$0")/../cli/cli_lib.bash"
EXAMPLE=$4
pdf=$SCRATCH/statement.pdf
text() { pdftotext -layout "$1" - 2>/dev/null; }
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }

expect_status 0 "$CLI" print-pdf "$EXAMPLE" "$pdf"
all=$(text "$pdf")
for want in "(pieczątka jednostki)" "Rachunek zysków i strat" "3 335 000,00" "Sporządzono" \
    "(nazwisko i imię, podpis kierownika jednostki)" "Bilans" "ciąg dalszy z poprzedniej strony" \
    "Kapitał zapasowy" "Strona 1"; do
  expect_contains "$all" "$want" "whole statement"
done
total=$(pages "$pdf")

# Geometry in points on A4: the page number centred under the usable width
# (left margin 14.99 mm, right 10 mm, so at 107.5 mm = 304.7 pt) in the footer
# band above the 12.7 mm bottom margin; body text at 8 points, labels of the
# signature block at 6.
boxes=$(pdftotext -f 1 -l 1 -bbox "$pdf" - 2>/dev/null)
word_box() { echo "$boxes" | grep -m1 ">$1<" | sed -E 's/.*xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)".*/\1 \2 \3 \4/'; }
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }' || fail "$4: $1 not in [$2, $3]"; }
read -r x1 y1 _ y2 <<<"$(word_box Strona)"
within "$x1" 285 295 "page number left edge"
within "$y2" 783 806 "page number in the footer band"
read -r _ y1 _ y2 <<<"$(word_box Wyszczególnienie)"
within "$(awk -v a="$y1" -v b="$y2" 'BEGIN { print b - a }')" 8 10 "8-point text height"
read -r _ y1 _ y2 <<<"$(word_box Sporządzono)"
within "$(awk -v a="$y1" -v b="$y2" 'BEGIN { print b - a }')" 6 7.5 "6-point label height"
expect_contains "$all" "Strona $total" "the last page's number"

# No table is squeezed to unreadable type (the smallest print is the 6-point signature labels).
tiny=$(pdftotext -bbox "$pdf" - 2>/dev/null | awk -F'"' '/<word/ && $8 - $4 < 5 { print $9 }' | head -3)
[ -z "$tiny" ] || fail "text below 5 points: $tiny"

# One sheet; every page of it numbered from 1.
expect_status 0 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/rzis.pdf" --sheet RZiS_p
one=$(text "$SCRATCH/rzis.pdf")
expect_contains "$one" "(wariant porównawczy)" "--sheet"
case "$one" in *"Bilans"*) fail "--sheet RZiS_p printed the balance sheet" ;; esac
[ "$(pages "$SCRATCH/rzis.pdf")" -lt "$total" ] || fail "--sheet printed as many pages as the whole statement"

# A batch job without a desktop session writes nothing to standard error on success.
errors=$(env -u XDG_RUNTIME_DIR "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/quiet.pdf" --sheet Aktywa 2>&1 >/dev/null)
[ -z "$errors" ] || fail "print-pdf wrote to standard error on success: $errors"

# Whole zloty: the amounts lose their grosze.
expect_status 0 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/whole.pdf" --sheet RZiS_p --whole-zloty
whole=$(text "$SCRATCH/whole.pdf")
expect_contains "$whole" "3 335 000 " "--whole-zloty"
case "$whole" in *"3 335 000,00"*) fail "--whole-zloty kept the grosze" ;; esac

# Without splitting no table is continued, and tables shrink to fit instead.
expect_status 0 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/whole-tables.pdf" --no-split --same-size
case "$(text "$SCRATCH/whole-tables.pdf")" in *"ciąg dalszy"*) fail "--no-split continued a table" ;; esac

expect_status 0 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/a3.pdf" --paper a3 --font-size 12 --font "Liberation Serif"
expect_contains "$(pdfinfo "$SCRATCH/a3.pdf")" "842 x 1191" "--paper a3"

# Failures leave no output behind.
expect_status 2 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/x.pdf" --paper B5
expect_status 2 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/x.pdf" --font-size 30
expect_status 2 "$CLI" print-pdf "$EXAMPLE"
expect_status 1 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/x.pdf" --sheet Nieznany
expect_contains "$ERR" "Nieznany" "unknown sheet"
expect_status 1 "$CLI" print-pdf "$SCRATCH/missing.spf" "$SCRATCH/x.pdf"
expect_status 1 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/x.pdf" --ranges "$SCRATCH/missing.txt"
expect_status 1 "$CLI" print-pdf "$EXAMPLE" "$SCRATCH/no/such/folder/x.pdf"
[ ! -e "$SCRATCH/x.pdf" ] || fail "a failed print-pdf left x.pdf"
finish
