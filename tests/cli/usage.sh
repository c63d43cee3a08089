#!/usr/bin/env bash
# Usage errors exit 2 with one line on stderr; --help describes everything.
source "$(dirname "$0")/cli_lib.bash"

expect_status 0 "$CLI" --help
for word in dump header resave --sheet --props --template --ranges "Exit status"; do
  expect_contains "$OUT" "$word" "--help"
done
expect_status 0 "$CLI" dump --help
expect_contains "$OUT" "Usage: sprawozdanie-cli dump FILE" "dump --help"

expect_status 2 "$CLI"
expect_status 2 "$CLI" nonsense
expect_contains "$ERR" "unknown subcommand nonsense" "unknown subcommand"
expect_status 2 "$CLI" dump
expect_status 2 "$CLI" dump a.spf b.spf
expect_status 2 "$CLI" header "$DATA/spf/minimal.spf" --bogus
expect_contains "$ERR" "unknown option --bogus" "unknown option"
expect_status 2 "$CLI" dump "$DATA/spf/minimal.spf" --sheet
expect_status 2 "$CLI" resave "$DATA/spf/minimal.spf"
expect_eq "$(wc -l <<<"$ERR")" "1" "one line on stderr"

# Options shared by all subcommands are accepted anywhere.
expect_status 0 "$CLI" header --template "$DATA/spf/minimal.spf" "$DATA/spf/minimal.spf" \
  --ranges="$(dirname "$CLI")/zakresdrukowania.txt"
finish
