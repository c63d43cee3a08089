#!/usr/bin/env bash
# dump: tab-separated cells, escaped fields, sheet selection and properties.
source "$(dirname "$0")/cli_lib.bash"
TAB=$'\t'

expect_status 0 "$CLI" dump "$DATA/spf/minimal.spf" --sheet Aktywa
expect_eq "$(head -1 <<<"$OUT")" "sheet${TAB}cell${TAB}col${TAB}row${TAB}shown${TAB}grid${TAB}val${TAB}formula${TAB}format${TAB}edit${TAB}text1${TAB}text2" "header line"
expect_eq "$(sed -n 2p <<<"$OUT")" "Aktywa${TAB}Aktywa!B2${TAB}2${TAB}2${TAB}Aktywa trwałe${TAB}Aktywa trwałe${TAB}${TAB}${TAB}0${TAB}0${TAB}Aktywa trwałe${TAB}Fixed assets" "text cell"
expect_contains "$OUT" "Aktywa${TAB}Aktywa!D3${TAB}4${TAB}3${TAB}246,90${TAB}246,90${TAB}24690${TAB}=RANGE('Aktywa!D3')*2${TAB}2${TAB}0${TAB}246,90${TAB}" "formula cell"
expect_contains "$OUT" "Aktywa!C3${TAB}3${TAB}3${TAB}123,45${TAB}123,45${TAB}12345${TAB}${TAB}2${TAB}1${TAB}" "editable amount"
expect_contains "$OUT" "Pierwsza linia\\r\\ndruga linia${TAB}Pierwsza linia\\r\\ndruga linia" "escaped line break"
# Only the chosen sheet, and every line has twelve fields.
expect_eq "$(cut -f1 <<<"$OUT" | sort -u | tr '\n' ' ')" "Aktywa sheet " "sheets listed"
expect_eq "$(awk -F'\t' 'NF != 12' <<<"$OUT")" "" "field count"

# The merged lower half differs from a plain cell only in its properties.
expect_status 0 "$CLI" dump "$DATA/spf/minimal.spf" --sheet aktywa --props
expect_contains "$(head -1 <<<"$OUT")" "text2${TAB}align${TAB}bold${TAB}color${TAB}indent${TAB}notesel${TAB}merge" "props header"
expect_contains "$OUT" "Aktywa!D4${TAB}4${TAB}4${TAB}${TAB}${TAB}${TAB}${TAB}0${TAB}0${TAB}${TAB}${TAB}L${TAB}0${TAB}15398909${TAB}0${TAB}0${TAB}4,3,4,4" "merged lower half"
expect_contains "$OUT" "Aktywa!B2${TAB}2${TAB}2${TAB}Aktywa trwałe${TAB}Aktywa trwałe${TAB}${TAB}${TAB}0${TAB}0${TAB}Aktywa trwałe${TAB}Fixed assets${TAB}C${TAB}1${TAB}255${TAB}2${TAB}0${TAB}" "title props"

# All sheets by default, the ratio sheet last.
expect_status 0 "$CLI" dump "$DATA/spf/minimal.spf"
expect_eq "$(tail -1 <<<"$OUT" | cut -f2)" "AF_Wskazniki!B65" "last line"

expect_status 1 "$CLI" dump "$DATA/spf/minimal.spf" --sheet Pasywa
expect_eq "$ERR" "sprawozdanie-cli: $DATA/spf/minimal.spf: no sheet named Pasywa" "unknown sheet"

# A malformed document: one line naming the file, the line and the reason.
expect_status 1 "$CLI" dump "$DATA/spf/malformed/cell_outside_sheet.spf"
expect_eq "$ERR" "sprawozdanie-cli: $DATA/spf/malformed/cell_outside_sheet.spf:9: cell (6,2) is outside sheet Aktywa of 6 columns and 8 rows" "malformed"
expect_eq "$OUT" "" "no output for a malformed document"
# Damaged documents are refused the same way, never read in part.
expect_status 1 "$CLI" dump "$DATA/spf/malformed/ends_early.spf"
expect_eq "$ERR" "sprawozdanie-cli: $DATA/spf/malformed/ends_early.spf:18: the file ends early: 2 of 3 sheets" "ends early"
expect_eq "$OUT" "" "no output for a document that ends early"
expect_status 1 "$CLI" dump "$DATA/spf/malformed/nul_byte.spf"
expect_eq "$ERR" "sprawozdanie-cli: $DATA/spf/malformed/nul_byte.spf:4: a NUL byte, which no statement document holds" "NUL byte"
# A FIFO would block a reader forever.
mkfifo "$SCRATCH/pipe.spf"
expect_status 1 timeout 10 "$CLI" dump "$SCRATCH/pipe.spf"
expect_eq "$ERR" "sprawozdanie-cli: $SCRATCH/pipe.spf: not a regular file" "FIFO"
expect_status 1 "$CLI" dump "$SCRATCH/missing.spf"
expect_eq "$ERR" "sprawozdanie-cli: $SCRATCH/missing.spf: No such file or directory" "missing file"
finish
