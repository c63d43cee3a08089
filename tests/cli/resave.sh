#!/usr/bin/env bash
# resave: load and save as the application does, with the backup beside OUT.
source "$(dirname "$0")/cli_lib.bash"

out=$SCRATCH/out.spf
expect_status 0 "$CLI" resave "$DATA/spf/minimal.spf" "$out"
cmp -s "$out" "$DATA/spf/minimal.written.spf" || fail "resave differs from the writer's reference"
[ -e "$SCRATCH/out.BAK" ] && fail "a backup without a previous file"

# Saving over OUT keeps the previous OUT as its backup; a second save is byte-identical.
cp "$DATA/spf/legacy129.spf" "$out"
expect_status 0 "$CLI" resave "$out" "$out"
cmp -s "$SCRATCH/out.BAK" "$DATA/spf/legacy129.spf" || fail "backup is not the previous file"
cp "$out" "$SCRATCH/first.spf"
expect_status 0 "$CLI" resave "$out" "$out"
cmp -s "$out" "$SCRATCH/first.spf" || fail "a resaved file resaved again is not identical"
cmp -s "$SCRATCH/out.BAK" "$SCRATCH/first.spf" || fail "the backup is not the version before the save"
expect_eq "$(ls -A "$SCRATCH" | tr '\n' ' ')" "first.spf out.BAK out.spf stderr " "no temporary files left"

# A failed write names the file and leaves nothing behind.
expect_status 1 "$CLI" resave "$DATA/spf/minimal.spf" "$SCRATCH/no/such/folder/x.spf"
expect_contains "$ERR" "sprawozdanie-cli: $SCRATCH/no/such/folder/x.spf: cannot create a temporary file in $SCRATCH/no/such/folder: No such file or directory" "unwritable output"
for bad in too_many_sheets ends_early; do
  expect_status 1 "$CLI" resave "$DATA/spf/malformed/$bad.spf" "$SCRATCH/bad.spf"
  [ -e "$SCRATCH/bad.spf" ] && fail "output written for $bad.spf"
done
finish
