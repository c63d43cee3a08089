#!/usr/bin/env bash
# sprawozdanie-cli expr: the value type and text, or "error" and the engine's
# message with exit status 1.
# Arguments: the tool, the test data folder, a scratch folder.
set -u
cli=$1
failures=0

# expect STATUS OUTPUT ARG...
expect() {
    local status=$1 output=$2
    shift 2
    local got rc
    got=$("$cli" expr "$@" 2>/dev/null)
    rc=$?
    if [ "$got" != "$output" ] || [ "$rc" != "$status" ]; then
        printf 'FAIL: expr %s\n  expected [%s] status %s\n  got      [%s] status %s\n' "$*" "$output" "$status" "$got" "$rc"
        failures=$((failures + 1))
    fi
}

tab=$'\t'
expect 0 "Integer${tab}7" '1+2*3'
expect 0 "Float${tab}3,5" '7/2'
expect 0 "String${tab}ab1" "'ab'+1"
expect 0 "Boolean${tab}TRUE" "'10'<9"
expect 0 "Float${tab}1E20" '1e20'
expect 0 "Integer${tab}1" -- '-1+2'
# Texts are escaped as in every tab-separated output of the tool.
expect 0 "String${tab}a\\tb\\\\c" "'a${tab}b\\c'"
expect 1 "error${tab}Unterminated string" "'abc"
expect 1 "error${tab}Operator opMinus incompatible with String" "'x'-1"
expect 1 "error${tab}Unknown Identifier FOO" 'foo'
expect 1 "error${tab}Unexpected end of factor" ''
expect 1 "error${tab}Floating point division by zero" '1/0'
expect 1 "error${tab}Division by zero" '1 DIV 0'

# The identifiers of a document are not known here.
expect 1 "error${tab}Unknown Identifier ROKA" 'ROKA'

# A failure also says why on standard error.
err=$("$cli" expr "'abc" 2>&1 >/dev/null)
case $err in
    *"Unterminated string"*) ;;
    *) echo "FAIL: no reason on standard error: [$err]"; failures=$((failures + 1)) ;;
esac

# Usage errors are status 2.
"$cli" expr >/dev/null 2>&1
[ $? = 2 ] || { echo "FAIL: expr without TEXT is not a usage error"; failures=$((failures + 1)); }
"$cli" expr 1 2 >/dev/null 2>&1
[ $? = 2 ] || { echo "FAIL: expr with two texts is not a usage error"; failures=$((failures + 1)); }

[ "$failures" = 0 ]
