#!/usr/bin/env bash
# Prints a booklet through a real CUPS queue: installs the scheduler and the
# CUPS-PDF driver when missing, starts cupsd, adds a CUPS-PDF queue, prints
# with `zorvek print --printer`, and checks the PDF the queue writes (page
# count and page titles). Exits 0 after a good booklet, 1 on a bad one, and
# 77 with "SKIPPED" when no scheduler can run here (no CUPS installed, no
# root), so ctest reports it as skipped. The packages are installed only with
# --install; a scheduler the script starts is stopped again at the end.
# Usage: print-check.sh [--install] [PATH_TO_ZORVEK]
set -u
install=0
if [ "${1:-}" = --install ]; then install=1; shift; fi
zorvek=${1:-build/src/cli/zorvek}
queue=ZorvekCheck
cupspid=""
cleanup() {
  lpadmin -x "$queue" 2>/dev/null
  [ -n "$cupspid" ] && kill "$cupspid" 2>/dev/null
}
trap cleanup EXIT
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$zorvek" ] || fail "no zorvek at $zorvek"
if ! command -v cupsd >/dev/null || [ ! -e /usr/lib/cups/backend/cups-pdf ] || ! command -v pdfinfo >/dev/null; then
  if [ "$install" = 1 ] && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y cups printer-driver-cups-pdf poppler-utils >/dev/null ||
      skip "could not install cups, printer-driver-cups-pdf and poppler-utils"
  else
    skip "cups, printer-driver-cups-pdf or poppler-utils missing (run with --install as root)"
  fi
fi

# Start the scheduler unless one answers already.
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  if [ "$(id -u)" != 0 ]; then skip "no running CUPS scheduler and no root to start one"; fi
  # In the foreground, so this script knows the scheduler's process and ends it.
  cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
  "$cupsd" -f 2>/dev/null &
  cupspid=$!
  for _ in $(seq 1 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
  lpstat -r 2>/dev/null | grep -q "is running" || skip "the CUPS scheduler did not start"
fi

# CUPS-PDF writes into ~/PDF of the job's user, or /var/spool/cups-pdf/ANONYMOUS.
ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')
[ -n "$ppd" ] || ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" 2>/dev/null || skip "could not add a CUPS-PDF queue"
cupsenable "$queue" 2>/dev/null; cupsaccept "$queue" 2>/dev/null

"$zorvek" print --list-printers | grep -qx "$queue" || fail "zorvek print --list-printers does not list $queue"

outdirs=("$HOME/PDF" /var/spool/cups-pdf/ANONYMOUS "/var/spool/cups-pdf/$(id -un)" /root/PDF)
stamp=$(mktemp)
sleep 1
"$zorvek" print --sudoku 1:easy --kakuro 1:easy:1 --futoshiki 1:easy:1 --hexkakuro 1:easy:1 \
  --solutions --seed 7 --printer "$queue" || fail "zorvek print --printer failed"

pdf=""
for _ in $(seq 1 150); do
  pdf=$(find "${outdirs[@]}" -name '*.pdf' -newer "$stamp" 2>/dev/null | head -n 1)
  [ -n "$pdf" ] && [ -s "$pdf" ] && sleep 1 && break
  sleep 0.2
done
rm -f "$stamp"
[ -n "$pdf" ] || fail "the queue wrote no PDF (looked in ${outdirs[*]})"

pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
title=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Title: *//p')
echo "queue $queue wrote $pdf: $pages pages, title $title"
[ "$pages" = 8 ] || fail "expected 8 pages (4 puzzle, 4 solution), got $pages"
grep -q "Zorvek Number Puzzles" <<<"$title" || fail "the job is not titled Zorvek Number Puzzles"

# CUPS-PDF passes the pages through Ghostscript, which may turn the fonts
# into bitmaps; the page titles are then read from the same booklet written
# straight to PDF.
titles() {
  local text n
  text=$(pdftotext -layout "$1" - 2>/dev/null)
  for kind in Sudoku Kakuro Futoshiki HexKakuro; do
    n=$(grep -cw "$kind Puzzles by Zorvek Number Puzzles *Difficulty : Easy" <<<"$text")
    [ "$n" = 2 ] || return 1
  done
}
if titles "$pdf"; then
  echo "page titles read from the queue's PDF"
else
  direct=$(mktemp --suffix=.pdf)
  "$zorvek" print --sudoku 1:easy --kakuro 1:easy:1 --futoshiki 1:easy:1 --hexkakuro 1:easy:1 \
    --solutions --seed 7 --out "$direct" >/dev/null || fail "zorvek print --out failed"
  titles "$direct" || fail "a kind's title is missing from its two pages"
  [ "$(pdfinfo "$direct" | awk '/^Pages:/ {print $2}')" = 8 ] || fail "the direct PDF has not 8 pages"
  rm -f "$direct"
  echo "page text rasterised by the queue; page titles read from the same booklet written to PDF"
fi
echo "PASS: a booklet of 8 pages with every kind's title printed through CUPS"
