#!/usr/bin/env bash
# --template and --ranges: the subcommands that read the template or the
# print-range table read the file named there; a file named there that cannot
# be read stops every subcommand with status 1 and one line naming it, before
# any output.
source "$(dirname "$0")/cli_lib.bash"

doc=$DATA/spf/minimal.spf
shipped=$(dirname "$CLI")
out=$SCRATCH/out
# One valid invocation of each subcommand; nothing named out* may appear when refused.
invocations=(
  "dump $doc"
  "header $doc"
  "resave $doc $out.spf"
  "expr 1+2"
  "eval $doc Aktywa =1"
  "recalc $doc -o $out.spf"
  "set $doc -o $out.spf Aktywa!C3=1"
  "export-xlsx $doc $out.xlsx"
  "new -o $out.spf"
  "rollover $doc -o $out.spf"
  "check $doc"
  "print-pdf $doc $out.pdf"
)
help=$("$CLI" --help)
mkdir "$SCRATCH/folder"
for inv in "${invocations[@]}"; do
  read -r -a words <<<"$inv"
  # print-pdf exists only where the build has the printing layer.
  case $help in *"  ${words[0]} "*) ;; *) continue ;; esac
  for option in --template --ranges; do
    expect_status 1 "$CLI" "${words[@]}" "$option" "$SCRATCH/missing.txt"
    expect_eq "$ERR" "sprawozdanie-cli: $SCRATCH/missing.txt: No such file or directory" "$inv $option missing"
    expect_eq "$OUT" "" "$inv $option: no output"
    expect_status 1 "$CLI" "${words[@]}" "$option=$SCRATCH/folder"
    expect_eq "$ERR" "sprawozdanie-cli: $SCRATCH/folder: Is a directory" "$inv $option folder"
    expect_eq "$(cd "$SCRATCH" && echo out*)" "out*" "$inv $option: output written"
  done
  # Naming the files beside the program changes nothing.
  "$CLI" "${words[@]}" >"$SCRATCH/implicit" 2>&1
  implicit=$?
  rm -f "$out".*
  "$CLI" "${words[@]}" --template "$shipped/empty.spf" --ranges "$shipped/zakresdrukowania.txt" >"$SCRATCH/explicit" 2>&1
  expect_eq "$?" "$implicit" "$inv: status with the shipped files named"
  cmp -s "$SCRATCH/implicit" "$SCRATCH/explicit" || fail "$inv: output differs with the shipped files named"
  rm -f "$out".*
done

# new starts from the template named.
expect_status 0 "$CLI" new -o "$out.spf" --template "$doc"
expect_eq "$("$CLI" header "$out.spf" | sed -n 's/^Sheets=//p')" "Aktywa,AF_Wskazniki" "new from another template"
rm -f "$out.spf"

# print-pdf reads the table named: a bad line of it is refused, naming the file.
case $help in
  *"  print-pdf "*)
    printf 'heading\r\nAktywa\tB2\tB3\tx\t4\t5\t-3\r\n' >"$SCRATCH/bad_ranges.txt"
    expect_status 1 "$CLI" print-pdf "$doc" "$out.pdf" --ranges "$SCRATCH/bad_ranges.txt"
    expect_contains "$ERR" "sprawozdanie-cli: $SCRATCH/bad_ranges.txt" "bad table named"
    [ -e "$out.pdf" ] && fail "a PDF written from a bad table"
    ;;
esac

expect_status 2 "$CLI" header "$doc" --template=
expect_contains "$ERR" "--template needs a value" "empty path"
finish
