#!/usr/bin/env bash
# --template and --ranges: a file named there that cannot be read stops every
# subcommand with status 1 and one line naming it, before any output.
source "$(dirname "$0")/cli_lib.bash"

doc=$DATA/spf/minimal.spf
shipped=$(dirname "$CLI")
out=$SCRATCH/out.spf
# One valid invocation of each subcommand; OUT must not appear when refused.
invocations=(
  "dump $doc"
  "header $doc"
  "resave $doc $out"
  "expr 1+2"
  "eval $doc Aktywa =1"
  "recalc $doc -o $out"
  "set $doc -o $out Aktywa!C3=1"
)
mkdir "$SCRATCH/folder"
for inv in "${invocations[@]}"; do
  read -r -a words <<<"$inv"
  for option in --template --ranges; do
    expect_status 1 "$CLI" "${words[@]}" "$option" "$SCRATCH/missing.txt"
    expect_eq "$ERR" "sprawozdanie-cli: $SCRATCH/missing.txt: No such file or directory" "$inv $option missing"
    expect_eq "$OUT" "" "$inv $option: no output"
    [ -e "$out" ] && fail "$inv $option: output written" && rm -f "$out"
    expect_status 1 "$CLI" "${words[@]}" "$option=$SCRATCH/folder"
    expect_eq "$ERR" "sprawozdanie-cli: $SCRATCH/folder: Is a directory" "$inv $option folder"
  done
  # The files beside the program, named explicitly, are accepted.
  expect_status 0 "$CLI" "${words[@]}" --template "$shipped/empty.spf" --ranges "$shipped/zakresdrukowania.txt"
  rm -f "$out" "$SCRATCH/out.BAK"
done

expect_status 2 "$CLI" header "$doc" --template=
expect_contains "$ERR" "--template needs a value" "empty path"
finish
