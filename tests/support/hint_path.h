#pragma once
// Walks a kind's logical path with the real adapter and checks every step
// against the stored solution; the Kakuro and HexKakuro hint tests share it.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/common/random.h"
#include "core/play/hint.h"
#include "core/play/play.h"

namespace zorvek::testing {

// Before the walk: pencil marks at random (hints must not trust them) and,
// with `preEntered`, about a third of the cells entered correctly. Then each
// step places the solution's digit in a cell still empty, no removal takes a
// solution digit out, lands on a filled cell or names a digit twice for one
// cell, and the grid ends solved with no hint left. Returns the number of
// steps that needed removals.
inline int ExpectHintsSolve(PlayAdapter& adapter, Random& random, bool preEntered) {
  std::set<std::pair<int, int>> filled;
  for (int r = 0; r < adapter.Rows(); ++r)
    for (int c = 0; c < adapter.Cols(); ++c) {
      if (!adapter.IsCell(r, c)) continue;
      for (int d = adapter.MarkLow(); d <= adapter.MarkHigh(); ++d) adapter.SetMark(r, c, d, random(2) == 0);
      if (preEntered && random(3) == 0) {
        adapter.SetEntry(r, c, adapter.Solution(r, c));
        filled.insert({r, c});
      }
    }
  const std::vector<Hint> path = LogicalPath(adapter);
  int withRemovals = 0;
  for (const Hint& hint : path) {
    SCOPED_TRACE(HintLine(hint));
    EXPECT_EQ(hint.type, Hint::Type::Placement);
    EXPECT_EQ(hint.digit, adapter.Solution(hint.target.row, hint.target.col));
    EXPECT_FALSE(hint.cells.empty());
    std::set<std::pair<int, int>> removed;  // (cell index, digit) within this hint
    for (const HintRemoval& removal : hint.removals) {
      const int r = removal.cell.row, c = removal.cell.col;
      EXPECT_EQ(removal.digits >> adapter.Solution(r, c) & 1u, 0u);
      EXPECT_FALSE(filled.contains({r, c}));
      EXPECT_NE(removal.digits, 0);
      for (int d = 0; d <= 9; ++d) {
        if (removal.digits >> d & 1u) {
          EXPECT_TRUE(removed.insert({r * 100 + c, d}).second) << "digit " << d;
        }
      }
    }
    withRemovals += !hint.removals.empty();
    EXPECT_TRUE(filled.insert({hint.target.row, hint.target.col}).second);
  }
  for (int r = 0; r < adapter.Rows(); ++r)
    for (int c = 0; c < adapter.Cols(); ++c)
      if (adapter.IsCell(r, c)) {
        EXPECT_EQ(adapter.Entry(r, c), adapter.Solution(r, c)) << r << "," << c;
      }
  EXPECT_FALSE(adapter.NextHint().Found());
  return withRemovals;
}

}  // namespace zorvek::testing
