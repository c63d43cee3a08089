#!/usr/bin/env bash
# sprawozdanie-cli eval: a formula evaluated by the workbook pipeline in a
# loaded document, "###" when it fails.
# Arguments: the tool, the test data folder, a scratch folder.
set -u
cli=$1
book=$2/formula/small_book.spf
failures=0
. "$(dirname "$0")/cell_checks.bash"

# expect VALUE SHEET FORMULA [OPTION]
expect() {
    local want=$1 got rc
    shift
    got=$("$cli" eval "$book" "$@" 2>/dev/null)
    rc=$?
    if [ "$got" != "$want" ] || [ "$rc" != 0 ]; then
        printf 'FAIL: eval %s\n  expected [%s] status 0\n  got      [%s] status %s\n' "$*" "$want" "$got" "$rc"
        failures=$((failures + 1))
    fi
}

expect 12500 A "=RANGE('A!B2')+RANGE('A!B3')"
expect 12500 A "RANGE('A!B2')+RANGE('A!B3')"
expect 12500 A "=SUM(RANGE('A!B2'):RANGE('A!B3'))"
# A local reference reads the formula's own sheet.
expect 100 B "=RANGE('B2')+100"
expect 2500 A "=RANGE('B3')"
expect 2375 A "=IF(RANGE('A!B2')+RANGE('A!B3')>0,(RANGE('A!B2')+RANGE('A!B3'))*PODATEK/100,0)"
expect ABC A "=FIRMA"
expect 2003 A "=ROKB"
expect '###' A "=1/0"
# Whole amounts stay exact up to 2^53; beyond, the formula fails.
expect 1999999999999998 A "=SUM(999999999999999,999999999999999)"
expect '###' A "=2^63"
expect '###' A "=RANGE('A!Z9')"
expect '###' A "=RANGE('Opcje!A1')"
# Formula cells hold nothing until a recalculation.
expect 0 A "=RANGE('B!C2')"
expect 25000 A "=RANGE('B!C2')" --recalc
expect 25001 B "=RANGE('A!C4')" --recalc

err=$("$cli" eval "$book" Nieznany "=1" 2>&1 >/dev/null)
rc=$?
[ "$rc" = 1 ] || fail "an unknown sheet gives status $rc"
case $err in *small_book.spf*Nieznany*) ;; *) fail "no file and sheet in [$err]" ;; esac
expect_status 1 "$cli" eval "$3/missing.spf" A "=1"
expect_status 2 "$cli" eval "$book" A
expect_status 2 "$cli" eval "$book" A "=1" extra
expect_status 2 "$cli" eval "$book" A "=1" --passes 2

[ "$failures" = 0 ]
