#!/usr/bin/env bash
# zorvek print end to end: each kind's puzzle file to PDF with and without
# its solution, a booklet's page count, and the exit codes for bad requests.
# Usage: print_test.sh PATH_TO_ZORVEK
set -u
zorvek=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$dir
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pages() { grep -acE '/Type */Page *$' "$1" 2>/dev/null; }

for kind in sudoku kakuro futoshiki hexkakuro; do
  "$zorvek" generate "$kind" --difficulty easy --seed 3 --out "$dir/$kind" >/dev/null || fail "$kind: generate"
  file=$(ls "$dir/$kind"/*.puz)
  "$zorvek" print "$file" --solution --partial --out "$dir/$kind.pdf" >/dev/null 2>&1 || fail "$kind: print"
  [ "$(pages "$dir/$kind.pdf")" = 1 ] || fail "$kind: not one page"
done

"$zorvek" print --sudoku 2:easy --futoshiki 1:easy:1 --kakuro 1:easy:2 --solutions --seed 5 --out "$dir/b.pdf" \
  >"$dir/b.txt" 2>&1 || fail "booklet"
[ "$(pages "$dir/b.pdf")" = 8 ] || fail "booklet: $(pages "$dir/b.pdf") pages, not 8"
grep -q "^20 puzzles created" "$dir/b.txt" || fail "booklet: $(cat "$dir/b.txt")"

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
expect_code 1 "$zorvek" print --sudoku 1:easy --printer "No Such Printer"
expect_code 0 "$zorvek" print --list-printers
[ -e "$dir/x.pdf" ] && fail "a refused request wrote a PDF"

[ "$failures" = 0 ] && echo "print_test: all passed"
exit $((failures > 0))
