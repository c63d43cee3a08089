#!/usr/bin/env bash
# sprawozdanie-cli recalc: the workbook recalculation N times, then the
# document written out.
# Arguments: the tool, the test data folder, a scratch folder.
set -u
cli=$1
book=$2/formula/small_book.spf
out=$3/recalc
failures=0
. "$(dirname "$0")/cell_checks.bash"
rm -rf "$out" && mkdir -p "$out"

"$cli" recalc "$book" -o "$out/once.spf" || fail "recalc exited $?"
expect_cell "$out/once.spf" 'A!C2' 125,00 12500
expect_cell "$out/once.spf" 'A!C3' 23,75 2375
expect_cell "$out/once.spf" 'A!D2' 2003 2003
expect_cell "$out/once.spf" 'B!C2' 250,00 25000
# Read before B!C2 is calculated: the recalculation still brings it up to date.
expect_cell "$out/once.spf" 'A!C4' 250,01 25001
# Failures: "–" in an amount cell, a text cell reads as 0 (it holds no value).
expect_cell "$out/once.spf" 'A!C5' – –
expect_cell "$out/once.spf" 'A!C6' 0 0
expect_cell "$out/once.spf" 'A!B2' 100,00 10000

"$cli" recalc "$book" -o "$out/none.spf" --passes 0 || fail "recalc --passes 0 exited $?"
expect_cell "$out/none.spf" 'A!C2' '' ''
"$cli" recalc "$book" -o "$out/three.spf" --passes 3 || fail "recalc --passes 3 exited $?"
expect_cell "$out/three.spf" 'A!C4' 250,01 25001

# A net profit typed without recalculating reaches Pasywa!D13 through nota_10,
# later in the workbook, and D13 lies below the totals D5 and D55 that add it:
# one recalculation leaves them agreeing with it.
example=$2/../../examples/przyklad.spf
"$cli" set "$example" -o "$out/profit.spf" 'RZiS_p!D7=9 000 000,00' || fail "set exited $?"
"$cli" recalc "$out/profit.spf" -o "$out/profit_once.spf" --passes 1 || fail "recalc of the example exited $?"
expect_cell "$out/profit_once.spf" 'Pasywa!D5' 6419000,00 641900000
expect_cell "$out/profit_once.spf" 'Pasywa!D55' 7620000,00 762000000

# Writing over an existing file keeps its backup.
"$cli" recalc "$out/once.spf" -o "$out/once.spf" || fail "recalc over its input exited $?"
[ -f "$out/once.BAK" ] || fail "no backup of the overwritten document"

expect_status 2 "$cli" recalc "$book"
expect_status 2 "$cli" recalc "$book" -o "$out/x.spf" --passes many
expect_status 2 "$cli" recalc "$book" -o "$out/x.spf" --passes -1
expect_status 1 "$cli" recalc "$out/missing.spf" -o "$out/x.spf"
expect_status 1 "$cli" recalc "$book" -o "$out/no/such/folder/x.spf"
[ ! -e "$out/x.spf" ] || fail "a failed recalc left $out/x.spf"

[ "$failures" = 0 ]
