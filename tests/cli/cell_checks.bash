# Helpers for the scripts that check cells of written documents (sourced).
# Needs $cli; counts mismatches in $failures.

# The dump line of one cell: sheet, cell, col, row, shown, grid, val, formula,
# format, edit, text1, text2 (tab-separated).
cell_line() {
    "$cli" dump "$1" | awk -F'\t' -v cell="$2" '$2 == cell'
}

# expect_cell FILE CELL SHOWN VAL [TEXT1 [TEXT2]]
expect_cell() {
    local file=$1 cell=$2 got want
    got=$(cell_line "$file" "$cell" | awk -F'\t' -v n=$# '{ if (n > 5) print $5 "|" $7 "|" $11 "|" $12; else if (n > 4) print $5 "|" $7 "|" $11; else print $5 "|" $7 }')
    want=$3\|$4
    [ $# -gt 4 ] && want=$want\|$5
    [ $# -gt 5 ] && want=$want\|$6
    if [ "$got" != "$want" ]; then
        printf 'FAIL: %s %s\n  expected [%s]\n  got      [%s]\n' "$(basename "$file")" "$cell" "$want" "$got"
        failures=$((failures + 1))
    fi
}

# expect_status STATUS COMMAND...: the exit status of a command whose output is not checked.
expect_status() {
    local want=$1 rc
    shift
    "$@" >/dev/null 2>&1
    rc=$?
    if [ "$rc" != "$want" ]; then
        printf 'FAIL: %s\n  expected status %s, got %s\n' "$*" "$want" "$rc"
        failures=$((failures + 1))
    fi
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
