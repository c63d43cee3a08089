# Shared by the sprawozdanie-cli test scripts, which source it (ctest runs
# only the *.sh files). Arguments: CLI DATA_DIR SCRATCH_DIR.
CLI=$1
DATA=$2
SCRATCH=$3/$(basename "$0" .sh)
rm -rf "$SCRATCH" && mkdir -p "$SCRATCH"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_status WANT CMD... : runs CMD, keeping stdout in $OUT and stderr in $ERR.
expect_status() {
  local want=$1
  shift
  OUT=$("$@" 2>"$SCRATCH/stderr")
  local got=$?
  ERR=$(cat "$SCRATCH/stderr")
  [ "$got" -eq "$want" ] || fail "exit $got (want $want): $* ; stderr: $ERR"
}

expect_eq() { [ "$1" == "$2" ] || fail "$3: got [$1] want [$2]"; }

expect_contains() {
  case "$1" in *"$2"*) ;; *) fail "$3: [$2] not in [$1]" ;; esac
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
