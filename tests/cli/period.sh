#!/usr/bin/env bash
# new, rollover and check: the general data of a new statement, next year's
# statement, and the consistency check with its exit status.
source "$(dirname "$0")/cli_lib.bash"
TAB=$'\t'
EXAMPLE=$DATA/../../examples/przyklad.spf

header_value() { "$CLI" header "$1" | sed -n "s/^$2=//p"; }
shown() { "$CLI" dump "$1" --sheet "$2" | awk -F'\t' -v cell="$2!$3" '$2 == cell { print $5 }'; }

# new: the general data as the dialog's OK sets them.
expect_status 0 "$CLI" new -o "$SCRATCH/new.spf" --year 2006 --company "Meblex Sp. z o.o." --town Warszawa \
  --preparer "Jan Nowak" --date 05.03.2007 --tax 19 --variant kalkulacyjny
expect_eq "$(header_value "$SCRATCH/new.spf" RokBiezacy)" "2006" "year"
expect_eq "$(header_value "$SCRATCH/new.spf" Firma)" "Meblex Sp. z o.o." "company"
expect_eq "$(header_value "$SCRATCH/new.spf" DataSporzadzenia)" "05.03.2007" "date of preparation"
expect_eq "$(header_value "$SCRATCH/new.spf" AFBZ)" "31.12.2006" "closing balance moves with the year"
expect_eq "$(header_value "$SCRATCH/new.spf" Podatek2)" "19" "tax rate of both years"
rows=$("$CLI" header "$SCRATCH/new.spf" | sed -n 's/^Sheet=RZiS_p,[0-9]*,//p')
expect_eq "$(shown "$SCRATCH/new.spf" RZiS_p "B$((rows - 3))")" "Warszawa, 5.03.2007 r." "place-and-date line"
expect_eq "$(shown "$SCRATCH/new.spf" RZiS_p "B$((rows - 2))")" "Jan Nowak" "preparer line"
expect_eq "$(shown "$SCRATCH/new.spf" AF_RZiS D3)" "Dynamika 2006/2005" "analysis heading"
expect_eq "$(shown "$SCRATCH/new.spf" AF_Wskazniki C4)" "2006" "ratio heading"
expect_eq "$(shown "$SCRATCH/new.spf" AF_Wskazniki E4)" "2005" "ratio heading of the year before"
expect_eq "$(shown "$SCRATCH/new.spf" Aktywa D4)" "2006" "statement heading recalculated"
expect_contains "$("$CLI" dump "$SCRATCH/new.spf" --sheet Przeplywy_mp | grep 'Przeplywy_mp!D6')" "RZiS_k!D47" "variant"
expect_eq "$(shown "$SCRATCH/new.spf" nota_12 B3)" "Wartości niematerialne i prawne w roku obrotowym 2006" "note title"
expect_eq "$(shown "$SCRATCH/new.spf" Wykaz_not D17)" "Wartości niematerialne i prawne w roku obrotowym 2006" "notes list title"

# Without --date a new statement is prepared today; the balance dates follow the year.
expect_status 0 "$CLI" new -o "$SCRATCH/plain.spf" --year 2008
expect_eq "$(header_value "$SCRATCH/plain.spf" DataSporzadzenia)" "$(date +%d.%m.%Y)" "prepared today"
expect_eq "$(header_value "$SCRATCH/plain.spf" AFBO)" "01.01.2008" "opening balance follows the year"

# Wrong values are usage errors and write nothing.
for args in "--year 1899" "--year 10000" "--tax 101" "--date 31.02.2006" "--variant roczny"; do
  # shellcheck disable=SC2086
  expect_status 2 "$CLI" new -o "$SCRATCH/bad.spf" $args
  [ -e "$SCRATCH/bad.spf" ] && fail "new $args left a file"
done
expect_status 2 "$CLI" new --year 2006

# rollover: next year's statement; the figures and the year move on.
expect_status 0 "$CLI" rollover "$EXAMPLE" -o "$SCRATCH/next.spf"
expect_eq "$(header_value "$SCRATCH/next.spf" RokBiezacy)" "$(($(header_value "$EXAMPLE" RokBiezacy) + 1))" "rolled year"
expect_eq "$(shown "$SCRATCH/next.spf" Aktywa E79)" "$(shown "$EXAMPLE" Aktywa D79)" "total assets of last year"
expect_eq "$(shown "$SCRATCH/next.spf" Aktywa D79)" "0,00" "this year's total starts again"
expect_eq "$(shown "$SCRATCH/next.spf" nota_25 D6)" "$(shown "$EXAMPLE" nota_25 D6)" "a note's text stays"
expect_eq "$(shown "$SCRATCH/next.spf" Wykaz_not D18)" "Rzeczowe aktywa trwałe w roku obrotowym 2006" "notes list title of the new year"
# Last year's figures, moved, still agree with each other; this year's are
# not filled in yet, so the check does not pass as a whole.
expect_status 1 "$CLI" check "$SCRATCH/next.spf"
expect_eq "$(grep -c 'rok poprzedni' <<<"$OUT")" "0" "last year's figures agree"
expect_status 1 "$CLI" rollover "$SCRATCH/missing.spf" -o "$SCRATCH/never.spf"
[ -e "$SCRATCH/never.spf" ] && fail "rollover of a missing file left an output"

# check: silent and 0 on the example; a line per disagreement and 1 otherwise.
expect_status 0 "$CLI" check "$EXAMPLE"
expect_eq "$OUT" "" "example agrees"
expect_status 0 "$CLI" check "$EXAMPLE" --json
expect_eq "$OUT" "[]" "empty JSON array"

expect_status 0 "$CLI" set "$EXAMPLE" -o "$SCRATCH/unbalanced.spf" "Aktywa!D9=18001,50"
expect_status 1 "$CLI" check "$SCRATCH/unbalanced.spf"
expect_contains "$OUT" "Pasywa!D55${TAB}Aktywa razem = Pasywa razem (rok bieżący)${TAB}" "imbalance line"
expect_eq "$(grep '^Pasywa!D55' <<<"$OUT" | cut -f5)" "-1,50" "difference"
expect_status 1 "$CLI" check "$SCRATCH/unbalanced.spf" --json
expect_contains "$OUT" "{\"cell\": \"Pasywa!D55\", \"rule\": \"Aktywa razem = Pasywa razem (rok bieżący)\"" "JSON object"
expect_contains "$OUT" "\"difference\": \"-1.50\"}" "JSON difference with a dot"
if command -v python3 >/dev/null; then
  python3 -c 'import json,sys; a=json.load(sys.stdin); assert a and all(set(o)=={"cell","rule","expected","actual","difference"} for o in a)' <<<"$OUT" ||
    fail "check --json is no array of the five fields"
fi
finish
