#!/usr/bin/env bash
# sprawozdanie-cli set: typing into cells as a user does, with the sheet
# recalculation that follows each edit.
# Arguments: the tool, the test data folder, a scratch folder.
set -u
cli=$1
book=$2/formula/small_book.spf
out=$3/set
failures=0
. "$(dirname "$0")/cell_checks.bash"
rm -rf "$out" && mkdir -p "$out"

"$cli" set "$book" -o "$out/amount.spf" 'A!B2=1 234,5' || fail "set exited $?"
expect_cell "$out/amount.spf" 'A!B2' 1234,50 123450 1234,50
# The edited sheet is recalculated...
expect_cell "$out/amount.spf" 'A!C2' 1259,50 125950
expect_cell "$out/amount.spf" 'A!C3' 239,30 23930
# ...but nothing that reads it on another sheet, whose dependants are not known yet.
expect_cell "$out/amount.spf" 'B!C2' '' ''

"$cli" set "$book" -o "$out/recalc.spf" --recalc 'A!B2=1234.5' 'A!B3=1000,01' || fail "set --recalc exited $?"
expect_cell "$out/recalc.spf" 'A!B3' 1000,01 100001
expect_cell "$out/recalc.spf" 'B!C2' 4469,02 446902

# Assignments apply in order; the last one to a cell wins.
"$cli" set "$book" -o "$out/order.spf" 'A!B2=1' 'A!B2=2' || fail "set in order exited $?"
expect_cell "$out/order.spf" 'A!B2' 2,00 200

# Texts go to the language of the document; a typed text is the cell's value.
"$cli" set "$book" -o "$out/text.spf" 'A!B4=Strata' || fail "set text exited $?"
expect_cell "$out/text.spf" 'A!B4' Strata Strata Strata Profit
expect_cell "$out/text.spf" 'A!C6' '###' '###'
"$cli" set "$book" -o "$out/english.spf" --lang en 'A!B4=Loss' || fail "set --lang en exited $?"
expect_cell "$out/english.spf" 'A!B4' Loss Loss Zysk Loss
"$cli" header "$out/english.spf" | grep -qx 'LangID=1' || fail "--lang en did not set LangID"

# Pasted amounts read as meant, rounded on their digits.
"$cli" set "$book" -o "$out/pasted.spf" 'A!B2=(1.234,50 zł)' 'A!B3=1,015' || fail "set pasted exited $?"
expect_cell "$out/pasted.spf" 'A!B2' -1234,50 -123450
expect_cell "$out/pasted.spf" 'A!B3' 1,02 102
expect_cell "$out/pasted.spf" 'A!C2' -1233,48 -123348

# An empty text empties an amount cell; its sheet totals what is left.
"$cli" set "$book" -o "$out/cleared.spf" 'A!B2=' || fail "set empty exited $?"
expect_cell "$out/cleared.spf" 'A!B2' '' ''
expect_cell "$out/cleared.spf" 'A!C2' 25,00 2500

# A text that is not an amount, typed into an amount cell, is refused.
for typed in abc 12,3450,00; do
    err=$("$cli" set "$book" -o "$out/bad.spf" 'A!B3=7' "A!B2=$typed" 2>&1 >/dev/null)
    rc=$?
    [ "$rc" = 1 ] || fail "\"$typed\" was accepted as an amount (status $rc)"
    case $err in *small_book.spf*A!B2*"$typed"*) ;; *) fail "no file, cell and text in [$err]" ;; esac
    [ ! -e "$out/bad.spf" ] || fail "a refused amount wrote its output"
done

# Refused: nothing is written.
err=$("$cli" set "$book" -o "$out/refused.spf" 'A!B2=5' 'A!C2=5' 2>&1 >/dev/null)
rc=$?
[ "$rc" = 1 ] || fail "a formula cell was accepted (status $rc)"
case $err in *small_book.spf*A!C2*) ;; *) fail "no file and cell in [$err]" ;; esac
[ ! -e "$out/refused.spf" ] || fail "a refused set wrote its output"
expect_status 1 "$cli" set "$book" -o "$out/refused.spf" 'Nieznany!B2=5'
expect_status 1 "$cli" set "$book" -o "$out/refused.spf" 'A!Z99=5'
[ ! -e "$out/refused.spf" ] || fail "a refused set wrote its output"

expect_status 2 "$cli" set "$book" -o "$out/x.spf"
expect_status 2 "$cli" set "$book" 'A!B2=5'
expect_status 2 "$cli" set "$book" -o "$out/x.spf" 'A!B2'
expect_status 2 "$cli" set "$book" -o "$out/x.spf" 'B2=5'
expect_status 2 "$cli" set "$book" -o "$out/x.spf" 'A!2B=5'
expect_status 2 "$cli" set "$book" -o "$out/x.spf" --lang de 'A!B2=5'

[ "$failures" = 0 ]
