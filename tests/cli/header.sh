#!/usr/bin/env bash
# header: key=value lines in the order of the file's header records.
source "$(dirname "$0")/cli_lib.bash"

expect_status 0 "$CLI" header "$DATA/spf/minimal.spf"
expected='FileVersion=130
SheetsCount=2
Miasto=Łódź
Firma=Zakład „Ślęża” sp. z o.o.
Osoba=Jan Kowalski
RokBiezacy=2004
DataSporzadzenia=23.04.2004
Podatek1=19
Podatek2=27
AFAkcje1=100
AFAkcje2=90
AFAkcje3=80
AFBO=01.01.2004
AFBZ=31.12.2004
LangID=0
Chckd=1,3
Sheets=Aktywa,AF_Wskazniki
Sheet=Aktywa,6,8
Sheet=AF_Wskazniki,9,66'
expect_eq "$OUT" "$expected" "header of minimal.spf"

# A document of an older version reports its own version.
expect_status 0 "$CLI" header "$DATA/spf/legacy129.spf"
expect_contains "$OUT" "FileVersion=129" "legacy version"
expect_contains "$OUT" "Sheets=Aktywa,nota_10,AF_Wskazniki" "legacy sheets"
# A document saved as UTF-8 by another editor, with or without a byte-order mark.
for f in utf8 utf8_bom; do
  expect_status 0 "$CLI" header "$DATA/spf/$f.spf"
  expect_contains "$OUT" "Miasto=Poznań
Firma=Zakład „Ślęża”" "$f"
done
finish
