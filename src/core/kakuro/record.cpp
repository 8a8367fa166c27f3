#include "core/kakuro/record.h"

#include <cstring>

#include "core/common/types.h"

namespace zorvek::kakuro {
namespace {

bool HeaderIsValid(const KakHeader& h) {
  return h.difficulty <= kHard && h.rows >= 7 && h.rows <= 11 && h.cols >= 7 && h.cols <= 13;
}

bool SettingsAreValid(const KakHeader& h) {
  return h.playState <= kTimerRunning && h.elapsed >= 0 && h.lowestDigit >= 0 &&
         h.lowestDigit <= h.highestDigit && h.highestDigit <= 9;
}

// The number of white cells directly after (r, c) in one direction.
int WhiteRunAfter(const KakGrid& grid, const KakHeader& h, int r, int c, bool down) {
  int n = 0;
  for (;;) {
    down ? ++r : ++c;
    if (r > h.rows || c > h.cols || grid.cells[r][c].colour != kWhite) return n;
    ++n;
  }
}

bool CellIsValid(const KakGrid& grid, const KakHeader& h, int r, int c) {
  const KakCell& cell = grid.cells[r][c];
  if (cell.entry < -1 || cell.entry > 9 || cell.mark > 4 || cell.textLength > 9) return false;
  for (std::uint8_t p : cell.pencil)
    if (p > 1) return false;
  for (int i = 0; i < cell.textLength; ++i)
    if (cell.text[i] < '0' || cell.text[i] > '9') return false;
  if (cell.colour == kBlack) {
    const int across = WhiteRunAfter(grid, h, r, c, false);
    const int down = WhiteRunAfter(grid, h, r, c, true);
    // A clue belongs to a run: its length must be the run the cells show, and
    // a sum without a run would make the window look up a zero-length list.
    return cell.sum >= 0 && cell.sum <= 45 && cell.downSum >= 0 && cell.downSum <= 45 &&
           across <= 9 && down <= 9 && cell.acrossLength == across && cell.downLength == down &&
           (across > 0 || cell.sum == 0) && (down > 0 || cell.downSum == 0);
  }
  if (cell.colour != kWhite) return false;
  // The clue row and column frame the board: every white cell needs a head.
  if (r == 0 || c == 0) return false;
  const int lowest = h.zeroAllowed ? 0 : 1;
  return cell.sum >= lowest && cell.sum <= 9;
}

}  // namespace

bool BlocksAreValid(const KakHeader& header, const KakGrid& grid) {
  if (!HeaderIsValid(header) || !SettingsAreValid(header)) return false;
  for (int r = 0; r <= header.rows; ++r)
    for (int c = 0; c <= header.cols; ++c)
      if (!CellIsValid(grid, header, r, c)) return false;
  return true;
}


}  // namespace zorvek::kakuro
