#pragma once
// What every kind's hints must do, checked through the real adapter: the
// logical path agrees with the stored solution step by step, and wrong
// entries are named first. All four kinds' hint tests share it.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "core/common/random.h"
#include "core/play/hint.h"
#include "core/play/play.h"

namespace zorvek::testing {

// Before the walk: pencil marks at random (hints must not trust them) and,
// with `preEntered`, about a third of the cells entered correctly. Then each
// hint, checked before it is applied, places the solution's digit in a cell
// still empty, no removal takes a solution digit out, lands on a filled or
// given cell or names a digit twice for one cell, and `shape` (the kind's own claims
// about the position the hint was given for) holds. The grid ends solved with
// no hint left. Returns the number of steps that needed removals.
inline int ExpectHintsSolve(PlayAdapter& adapter, Random& random, bool preEntered,
                            const std::function<void(const Hint&)>& shape = {}) {
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
  int withRemovals = 0;
  // Each step fills a cell, so a walk longer than the grid has gone wrong.
  for (int step = 0; step <= adapter.Rows() * adapter.Cols(); ++step) {
    const Hint hint = adapter.NextHint();
    if (!hint.Found()) break;
    SCOPED_TRACE(HintLine(hint));
    EXPECT_EQ(hint.type, Hint::Type::Placement);
    EXPECT_EQ(hint.digit, adapter.Solution(hint.target.row, hint.target.col));
    EXPECT_FALSE(hint.cells.empty());
    std::set<std::pair<int, int>> removed;  // (cell index, digit) within this hint
    for (const HintRemoval& removal : hint.removals) {
      const int r = removal.cell.row, c = removal.cell.col;
      EXPECT_EQ(removal.digits >> adapter.Solution(r, c) & 1u, 0u);
      EXPECT_FALSE(filled.contains({r, c}) || adapter.IsGiven(r, c));
      EXPECT_NE(removal.digits, 0);
      for (int d = 0; d <= 9; ++d) {
        if (removal.digits >> d & 1u) {
          EXPECT_TRUE(removed.insert({r * 100 + c, d}).second) << "digit " << d;
        }
      }
    }
    if (shape) shape(hint);
    withRemovals += !hint.removals.empty();
    EXPECT_TRUE(filled.insert({hint.target.row, hint.target.col}).second);
    EXPECT_TRUE(ApplyHint(adapter, hint));
  }
  for (int r = 0; r < adapter.Rows(); ++r)
    for (int c = 0; c < adapter.Cols(); ++c)
      if (adapter.IsCell(r, c)) {
        EXPECT_EQ(adapter.Entry(r, c), adapter.Solution(r, c)) << r << "," << c;
      }
  EXPECT_FALSE(adapter.NextHint().Found());
  return withRemovals;
}

// The open cells in reading order get: the first its answer, the fourth and
// then the second a wrong digit. The first hint takes out the second cell's
// entry, the next the fourth's; then hints finish the grid, and nothing is
// left until an entry goes wrong again. Returns the first hint, for the
// kind's own cell names.
inline Hint ExpectWrongEntriesFirst(PlayAdapter& adapter) {
  std::vector<HintCell> open;
  for (int r = 0; r < adapter.Rows(); ++r)
    for (int c = 0; c < adapter.Cols(); ++c)
      if (adapter.IsCell(r, c) && !adapter.IsGiven(r, c)) open.push_back({r, c});
  if (open.size() < 5) {
    ADD_FAILURE() << "only " << open.size() << " open cells";
    return {};
  }
  const int low = adapter.MarkLow(), high = adapter.MarkHigh();
  auto enter = [&](HintCell at, bool right) {
    const int answer = adapter.Solution(at.row, at.col);
    adapter.SetEntry(at.row, at.col, right ? answer : (answer - low + 1) % (high - low + 1) + low);
  };
  enter(open[0], true);
  enter(open[3], false);
  enter(open[1], false);
  const Hint first = adapter.NextHint();
  EXPECT_TRUE(ApplyHint(adapter, first));
  for (const auto& [hint, at] : {std::pair{first, open[1]}, {adapter.NextHint(), open[3]}}) {
    EXPECT_EQ(hint.type, Hint::Type::WrongEntry);
    EXPECT_EQ(hint.target, at);
    EXPECT_EQ(hint.digit, 0);
    EXPECT_EQ(hint.cells, std::vector<HintCell>{at});
    EXPECT_EQ(hint.conclusion, "Wrong entry at " + hint.cellsText);
  }
  LogicalPath(adapter);
  for (const HintCell& at : open) EXPECT_EQ(adapter.Entry(at.row, at.col), adapter.Solution(at.row, at.col));
  EXPECT_FALSE(adapter.NextHint().Found());
  enter(open.back(), false);
  EXPECT_EQ(adapter.NextHint().target, open.back());
  return first;
}

}  // namespace zorvek::testing
