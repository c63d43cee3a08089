#!/usr/bin/env bash
# Exported statements, opened by a spreadsheet program that recalculates
# every formula on loading, show every amount the program shows, to the
# grosz: the values, the formulas with the program's own figures cached, and
# the same formulas with their cached figures zeroed, so that only the
# spreadsheet's own calculation can make them right.
# Arguments: the tool, a scratch folder, the statements.
set -u
cli=$1
out=$2
shift 2
rm -rf "$out" && mkdir -p "$out/profile/user" "$out/csv"

fail() { echo "FAIL: $*"; exit 1; }

files=()
for doc in "$@"; do
  name=$(basename "$doc" .spf)
  "$cli" export-xlsx "$doc" "$out/${name}_values.xlsx" || fail "export of the values of $doc exited $?"
  "$cli" export-xlsx "$doc" "$out/${name}_formulas.xlsx" --formulas || fail "export of the formulas of $doc exited $?"
  "$cli" recalc "$doc" -o "$out/$name.spf" || fail "recalc of $doc exited $?"
  "$cli" dump "$out/$name.spf" >"$out/$name.tsv" || fail "dump of $doc exited $?"
  # Reading a document rebuilds the ratio sheet empty, so its figures are read
  # from the recalculated workbook itself, one formula cell at a time.
  awk -F'\t' '$1 == "AF_Wskazniki" && $9 != "0" && $8 != "" { print $2 }' "$out/$name.tsv" |
    while read -r cell; do
      printf '%s\t%s\n' "$cell" "$("$cli" eval "$doc" AF_Wskazniki "=RANGE('$cell')" --recalc)"
    done >"$out/$name.ratios" || fail "eval of the ratios of $doc"
  python3 - "$out/${name}_formulas.xlsx" "$out/${name}_uncached.xlsx" <<'PY' || fail "zeroing the cached figures"
import re, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as src, zipfile.ZipFile(sys.argv[2], "w", zipfile.ZIP_DEFLATED) as dst:
    for item in src.infolist():
        data = src.read(item)
        if item.filename.startswith("xl/worksheets/sheet"):
            data = re.sub(rb"(</f>)<v>[^<]*</v>", rb"\1<v>0</v>", data)
        dst.writestr(item, data)
PY
  files+=("$out/${name}_values.xlsx" "$out/${name}_formulas.xlsx" "$out/${name}_uncached.xlsx")
done

# Recalculate every formula on loading, whatever the file says.
cat >"$out/profile/user/registrymodifications.xcu" <<'XCU'
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
XCU
# Tab-separated, UTF-8, raw values rather than the formatted text, every sheet to its own file.
filter='csv:Text - txt - csv (StarCalc):9,34,76,1,,1033,false,false,false,false,false,-1'
soffice -env:UserInstallation="file://$out/profile" --headless --norestore --convert-to "$filter" \
  --outdir "$out/csv" "${files[@]}" >"$out/soffice.log" 2>&1 \
  || { cat "$out/soffice.log"; fail "soffice exited $?"; }

failed=0
for doc in "$@"; do
  name=$(basename "$doc" .spf)
  python3 - "$out/$name.tsv" "$out/$name.ratios" "$out/csv" "${name}_values" "${name}_formulas" "${name}_uncached" <<'PY' || failed=1
import csv, os, sys
shown_file, ratios_file, folder, *files = sys.argv[1:]

def number(text):
    text = text.replace(" ", "").replace(",", ".")
    try:
        return round(float(text) * 100)
    except ValueError:
        return None

def hundredths(text):
    value = number(text)
    return 0 if value is None else value  # a failed or empty amount is exported as 0

# Cells the program writes its texts into (format 3) keep a text as a text.
texts = {}

amounts = {}
with open(shown_file, encoding="utf-8") as f:
    rows = csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE)
    header = next(rows)
    at = {name: i for i, name in enumerate(header)}
    for r in rows:
        shown = r[at["shown"]]
        if r[at["format"]] == "3" and shown.strip() and number(shown) is None:
            texts[(r[at["sheet"]], int(r[at["col"]]), int(r[at["row"]]))] = (r[at["cell"]], shown)
        elif r[at["format"]] != "0":
            amounts[(r[at["sheet"]], int(r[at["col"]]), int(r[at["row"]]))] = (r[at["cell"]], hundredths(r[at["shown"]]))
ratios = {}
with open(ratios_file, encoding="utf-8") as f:
    for line in f:
        cell, val = line.rstrip("\n").split("\t")
        ratios[cell] = int(val) if val.lstrip("-").isdigit() else 0
for key, (cell, expected) in amounts.items():
    if cell in ratios:
        amounts[key] = (cell, ratios[cell])
if not ratios:
    print("FAIL: no ratio read")
    sys.exit(1)
sheets = sorted({k[0] for k in amounts})
failures = 0
for name in files:
    checked = 0
    for sheet in sheets:
        path = os.path.join(folder, f"{name}-{sheet}.csv")
        if not os.path.exists(path):
            print(f"FAIL: {name}: no worksheet {sheet}")
            failures += 1
            continue
        with open(path, encoding="utf-8", newline="") as f:
            grid = list(csv.reader(f, delimiter="\t"))
        for (s, col, row), (cell, expected) in amounts.items():
            if s != sheet:
                continue
            line = grid[row - 1] if row - 1 < len(grid) else []
            text = line[col - 1] if col - 1 < len(line) else ""
            try:
                value = float(text) if text else 0.0
            except ValueError:
                value = None
            checked += 1
            if value is None or abs(value * 100 - expected) > 1e-3:
                failures += 1
                if failures <= 40:
                    print(f"FAIL: {name}: {cell} shows {text!r} in the spreadsheet, {expected / 100:.2f} in the program")
        for (s, col, row), (cell, shown) in texts.items():
            if s != sheet:
                continue
            line = grid[row - 1] if row - 1 < len(grid) else []
            text = line[col - 1] if col - 1 < len(line) else ""
            if text != shown:
                failures += 1
                if failures <= 40:
                    print(f"FAIL: {name}: {cell} shows {text!r} in the spreadsheet, {shown!r} in the program")
    print(f"{name}: {checked} amounts and {len(texts)} written texts compared")
sys.exit(1 if failures else 0)
PY
done
exit $failed
