#!/usr/bin/env bash
# The zorvek tool end to end: per kind generate -> show -> solve, the same
# seed giving the same bytes on one thread and two, and the exit codes for
# bad files and arguments.
# Usage: cli_test.sh PATH_TO_ZORVEK
set -u
zorvek=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# A broken engine must fail the run within a minute, not hang it.
printf '#!/bin/sh\nexec timeout 60 "%s" "$@"\n' "$zorvek" >"$dir/zorvek-limited"
chmod +x "$dir/zorvek-limited"
zorvek=$dir/zorvek-limited
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect CODE PATTERN COMMAND...: exit code CODE, output matching PATTERN.
expect() {
  local code=$1 pattern=$2
  shift 2
  local out rc
  out=$("$@" 2>&1)
  rc=$?
  [ "$rc" -eq "$code" ] || fail "exit $rc, not $code: $*"
  grep -qE -- "$pattern" <<<"$out" || fail "no '$pattern' from: $*"
}

for entry in "sudoku Sudoku SudokuMedium_1" "kakuro Kakuro KakuroMedium8x8_1 --size 7x7" \
            "futoshiki Futoshiki FutoshikiMedium5_1 --size 5" "hexkakuro HexKakuro HexKakuroMedium9x9_1"; do
  read -r kind name file size <<<"$entry"
  # One thread and two write the same files for one seed.
  for run in 1 2; do
    expect 0 "$name" "$zorvek" generate "$kind" --difficulty medium --seed 11 --count 3 --threads $run \
      --out "$dir/$run" $size
  done
  diff -r "$dir/1" "$dir/2" >/dev/null || fail "$kind: the same seed gave other bytes on two threads"
  [ "$(ls "$dir/1" | grep -c "^${file%_1}_[123].puz$")" = 3 ] || fail "$kind: files $(ls "$dir/1")"
  expect 0 "Kind: +$name" "$zorvek" show "$dir/1/$file.puz"
  expect 0 "matches the stored solution" "$zorvek" solve "$dir/1/$file.puz"
  expect 0 "^[A-Z][^:]*: .*goes in r[0-9]+c[0-9]+.* \(r[0-9]+c[0-9]+" "$zorvek" hint "$dir/1/$file.puz"
  expect 0 "^1\. [A-Z].*goes in" "$zorvek" solve "$dir/1/$file.puz" --steps
  head -c 100 "$dir/1/$file.puz" >"$dir/cut.puz"
  expect 1 "Unrecognized file format" "$zorvek" show --as "$kind" "$dir/cut.puz"
done
expect 1 "is a Sudoku puzzle" "$zorvek" show --as kakuro "$dir/1/SudokuMedium_1.puz"

for bad in "generate chess --difficulty easy" "generate sudoku --difficulty hardest" \
           "generate sudoku" "generate kakuro --difficulty easy --size 8x8x" \
           "show $dir/none.puz" "solve" "frobnicate"; do
  expect 2 "zorvek: " "$zorvek" $bad
done

# solve fails on a file that loads but that its solver cannot finish (no
# givens left), or whose stored solution is not the one solved (one digit
# changed). A Sudoku record: 8 bytes of header, 12 of settings, then 32 per
# cell with the given flag first and the solution at byte 4.
poke() { printf "$(printf '\\%03o' "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
byte() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }
sudoku=$dir/1/SudokuMedium_1.puz
cp "$sudoku" "$dir/nogivens.puz"
cp "$sudoku" "$dir/wrong.puz"
for k in $(seq 0 80); do poke "$dir/nogivens.puz" $((20 + 32 * k)) 0; done
expect 1 "Not solved" "$zorvek" solve "$dir/nogivens.puz"
k=0
while [ "$(byte "$sudoku" $((20 + 32 * k)))" != 0 ]; do k=$((k + 1)); done
poke "$dir/wrong.puz" $((24 + 32 * k)) $(($(byte "$sudoku" $((24 + 32 * k))) % 9 + 1))
expect 1 "differs from the solution stored" "$zorvek" solve "$dir/wrong.puz"

[ "$failures" -eq 0 ] && echo "all zorvek checks passed"
exit $((failures > 0))
