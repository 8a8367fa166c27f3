#!/usr/bin/env bash
# zorvek print end to end: each kind's puzzle file to PDF with and without
# its solution, a booklet's page count, fresh booklets and their seeds, the
# error texts, and the exit codes for bad requests.
# Usage: print_test.sh PATH_TO_ZORVEK
set -u
zorvek=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# A broken engine must fail the run within a minute, not hang it.
printf '#!/bin/sh\nexec timeout 60 "%s" "$@"\n' "$zorvek" >"$dir/zorvek-limited"
chmod +x "$dir/zorvek-limited"
zorvek=$dir/zorvek-limited
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$dir
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pages() { grep -acE '/Type */Page *$' "$1" 2>/dev/null; }

for kind in sudoku kakuro futoshiki hexkakuro; do
  "$zorvek" generate "$kind" --difficulty easy --seed 3 --out "$dir/$kind" >/dev/null 2>&1 || fail "$kind: generate"
  file=$(ls "$dir/$kind"/*.puz)
  "$zorvek" print "$file" --solution --partial --out "$dir/$kind.pdf" >/dev/null 2>&1 || fail "$kind: print"
  [ "$(pages "$dir/$kind.pdf")" = 1 ] || fail "$kind: not one page"
done

"$zorvek" print --sudoku 2:easy --futoshiki 1:easy:1 --kakuro 1:easy:2 --solutions --seed 5 --out "$dir/b.pdf" \
  >"$dir/b.txt" 2>&1 || fail "booklet"
[ "$(pages "$dir/b.pdf")" = 8 ] || fail "booklet: $(pages "$dir/b.pdf") pages, not 8"
grep -q "^20 puzzles created" "$dir/b.txt" || fail "booklet: $(cat "$dir/b.txt")"

# Without --seed every booklet is new; each names its seed on stderr, and
# that seed makes the same booklet again (the PDFs differ only in their date).
body() { grep -av CreationDate "$1"; }
seed_of() { sed -n 's/^zorvek: seed \([0-9]*\) .*/\1/p' "$1"; }
for run in 1 2; do
  "$zorvek" print --futoshiki 1:easy:1 --out "$dir/new$run.pdf" >/dev/null 2>"$dir/new$run.err" || fail "no seed: run $run"
done
seed=$(seed_of "$dir/new1.err")
[ -n "$seed" ] && [ -n "$(seed_of "$dir/new2.err")" ] || fail "no seed named: $(cat "$dir/new1.err")"
cmp -s <(body "$dir/new1.pdf") <(body "$dir/new2.pdf") && fail "two booklets without --seed are the same"
"$zorvek" print --futoshiki 1:easy:1 --seed "$seed" --out "$dir/again.pdf" >/dev/null 2>&1
cmp -s <(body "$dir/new1.pdf") <(body "$dir/again.pdf") || fail "--seed $seed did not remake the booklet"

# Failures name the file or printer and the reason, in one line, with no
# Qt noise, and leave no file behind.
expect_error() {
  local pattern=$1
  shift
  "$@" >"$dir/out.txt" 2>"$dir/err.txt" && fail "succeeded: $*"
  grep -v '^zorvek: seed ' "$dir/err.txt" >"$dir/msg.txt"
  [ "$(wc -l <"$dir/msg.txt")" = 1 ] && grep -qE -- "$pattern" "$dir/msg.txt" ||
    fail "not one line matching '$pattern': $(cat "$dir/err.txt")"
  grep -q "^zorvek: seed " "$dir/err.txt" && fail "created puzzles for a target that fails: $*"
}
expect_error "zorvek: $dir/none.puz does not exist" "$zorvek" print "$dir/none.puz" --out "$dir/x.pdf"
expect_error "$dir/no/x.pdf could not be written: No such file or directory" \
  "$zorvek" print --sudoku 1:easy --out "$dir/no/x.pdf"
expect_error "$dir/sudoku could not be written: it is a folder" "$zorvek" print --sudoku 1:easy --out "$dir/sudoku"
expect_error "no printer named 'No Such Printer'" "$zorvek" print --sudoku 1:easy --printer "No Such Printer"

expect_code() {
  local code=$1
  shift
  "$@" >/dev/null 2>&1
  local rc=$?
  [ "$rc" -eq "$code" ] || fail "exit $rc, not $code: $*"
}
expect_code 2 "$zorvek" print --sudoku 5:easy --out "$dir/x.pdf"
expect_code 2 "$zorvek" print --kakuro 1:easy --out "$dir/x.pdf"
expect_code 2 "$zorvek" print --sudoku 1:easy
expect_code 2 "$zorvek" print --sudoku 0:easy --out "$dir/x.pdf"
expect_code 1 "$zorvek" print "$dir/b.txt" --out "$dir/x.pdf"
expect_code 0 "$zorvek" print --list-printers
[ -e "$dir/x.pdf" ] && fail "a refused request wrote a PDF"

[ "$failures" = 0 ] && echo "print_test: all passed"
exit $((failures > 0))
