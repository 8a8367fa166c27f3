// The Futoshiki step finder: whole logical paths over generated and stored
// puzzles, and the few steps a path cannot single out.
#include "core/futoshiki/hint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/futoshiki/play.h"
#include "support/brute.h"
#include "support/capped.h"
#include "support/hint_path.h"

namespace zorvek::futoshiki {
namespace {

FutHeader Header(int n, int difficulty) {
  FutHeader h{};
  h.size = n;
  h.difficulty = static_cast<std::uint8_t>(difficulty);
  return h;
}

int Solution(const FutGrid& g, const HintCell& c) { return g.cells[c.row][c.col].solution; }

// What each named technique claims about its cells, checked on the solution.
void ExpectShape(const FutHeader& h, const FutGrid& g, const Hint& hint) {
  std::string text;
  for (const HintCell& c : hint.cells) {
    if (!text.empty()) text += ' ';
    text += CellName(c.row + 1, c.col + 1);
  }
  EXPECT_EQ(hint.cellsText, text);
  const std::string& t = hint.technique;
  // "... in row 4" / "... in column 3": every proving cell lies in it.
  const auto inLine = [&] {
    const bool row = t.find(" in row ") != std::string::npos;
    const int line = std::atoi(t.c_str() + t.rfind(' ')) - 1;
    for (const HintCell& c : hint.cells) EXPECT_EQ(row ? c.row : c.col, line) << t;
  };
  if (t == "Sign bound" || t == "Sign chain") {
    ASSERT_EQ(hint.cells.size() == 2, t == "Sign bound") << hint.cellsText;
    for (std::size_t i = 0; i + 1 < hint.cells.size(); ++i) {
      const HintCell a = hint.cells[i], b = hint.cells[i + 1];
      EXPECT_EQ(std::abs(a.row - b.row) + std::abs(a.col - b.col), 1) << hint.cellsText;
      const HintCell first = a.row < b.row || a.col < b.col ? a : b;
      const FutGridCell& x = g.cells[first.row][first.col];
      EXPECT_NE(a.row == b.row ? x.signRight : x.signDown, 0) << hint.cellsText;
      EXPECT_GT(Solution(g, a), Solution(g, b)) << "greater first: " << hint.cellsText;
    }
  } else if (t == "Naked single") {
    EXPECT_EQ(hint.cells, std::vector<HintCell>{hint.target});
  } else if (t.starts_with("Hidden single in ")) {
    EXPECT_EQ(static_cast<int>(hint.cells.size()), h.size);
    EXPECT_NE(std::find(hint.cells.begin(), hint.cells.end(), hint.target), hint.cells.end());
    inLine();
  } else {
    const std::string sizes[] = {"pair", "triple", "quad", "quint"};
    const auto k = std::find_if(sizes, sizes + 4,
                                [&](const std::string& x) { return t.starts_with("Naked " + x + " in "); });
    ASSERT_NE(k, sizes + 4) << t;
    EXPECT_EQ(hint.cells.size(), k - sizes + 2u) << t;
    inLine();
  }
}

// The shared walk, and each step's cells fit its name. Returns how many
// hints needed eliminations.
int ExpectSolvedByHints(FutHeader& h, FutGrid& g, Random& random) {
  const FutGrid start = g;
  FutoshikiPlayAdapter adapter(h, g);
  return testing::ExpectHintsSolve(adapter, random, false, [&](const Hint& hint) { ExpectShape(h, start, hint); });
}

constexpr int kDr[4] = {0, 1, 0, -1};
constexpr int kDc[4] = {1, 0, -1, 0};

bool ChainFrom(const FutGrid& g, int n, int r, int c, int depth) {
  if (depth == 3) return true;
  const bool greater[4] = {c + 1 < n && g.cells[r][c].signRight == 1, r + 1 < n && g.cells[r][c].signDown == 1,
                           c > 0 && g.cells[r][c - 1].signRight == 2, r > 0 && g.cells[r - 1][c].signDown == 2};
  for (int d = 0; d < 4; ++d)
    if (greater[d] && ChainFrom(g, n, r + kDr[d], c + kDc[d], depth + 1)) return true;
  return false;
}

// Every size and level: the stored solution is the only one (which makes it a
// Latin square keeping every sign), clues within the band, no sign chains of
// three on 5 x 5; the first few also solve by hints alone, as do puzzles from
// the banks Hard draws from when the generator gives up.
TEST(FutoshikiHint, GeneratedAndStoredPuzzlesAreUniqueAndSolveByHintsAlone) {
  testing::Problem open = testing::FutoshikiProblem(Header(5, kEasy), FutGrid{});
  EXPECT_EQ(testing::CountSolutions(open), 2) << "the checker sees second solutions";
  for (int size : {5, 7, 9})
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      FutHeader h = Header(size, difficulty);
      const GenerationParameters p = ParametersFor(difficulty, size);
      Random random(1000 + size * 10 + difficulty);
      int eliminating = 0;
      for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(std::to_string(size) + " level " + std::to_string(difficulty) + " #" + std::to_string(i));
        CreateProgress progress;
        FutGrid grid{};
        ASSERT_TRUE(testing::FutoshikiWithinCap(random, difficulty, size));
        ASSERT_TRUE(CreateFutoshikiForPrint(random, progress, difficulty, size, grid, nullptr));
        ASSERT_EQ(testing::Verdict(testing::FutoshikiProblem(h, grid)), "");
        int clues = 0;
        for (int r = 0; r < size; ++r)
          for (int c = 0; c < size; ++c) {
            const FutGridCell& cell = grid.cells[r][c];
            clues += cell.given + (cell.signRight != 0) + (cell.signDown != 0);
            EXPECT_FALSE(size == 5 && ChainFrom(grid, size, r, c, 0)) << r << "," << c;
          }
        EXPECT_TRUE(clues >= p.fewestClues && clues <= p.mostClues) << clues;
        Random marks(i);
        if (i < 3) eliminating += ExpectSolvedByHints(h, grid, marks);
      }
      if (difficulty == kHard) {
        EXPECT_GT(eliminating, 0) << size;
      }
    }
  // The banks Hard draws from when the generator gives up.
  Random bankRandom(5);
  for (int id : {kBankHard9, kBankHard7}) {
    const BankInfo& bank = Bank(id);
    FutHeader h = Header(bank.size, bank.difficulty);
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(std::string(bank.name) + " #" + std::to_string(i * 211));
      FutBoard board{};
      FutGrid grid{};
      ASSERT_TRUE(DecodeBankEntry(h, bank.entries[i * 211], board));
      ASSERT_TRUE(SolveAndExport(h, board, grid));
      ExpectSolvedByHints(h, grid, bankRandom);
    }
  }
}

// A 5 x 5 Latin square, no clues yet.
struct Small {
  FutHeader h = Header(5, kMedium);
  FutGrid g{};
  Small() {
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 5; ++c) g.cells[r][c].solution = (r + c) % 5 + 1;
  }
  void Give(int r, int c) { g.cells[r][c].given = 1, g.cells[r][c].entry = g.cells[r][c].solution; }
};

TEST(FutoshikiHint, CluelessAndSelfContradictingBoardsGiveNone) {
  Small open;  // many solutions: nothing follows
  EXPECT_EQ(FindHint(open.h, open.g).technique, "No logical step found");
  // A solution breaking its own sign: no step may contradict it.
  open.Give(0, 2), open.Give(0, 3), open.Give(0, 4);
  open.g.cells[0][0].signRight = 1;  // r1c1 > r1c2, but the solution holds 1 < 2
  EXPECT_EQ(FindHint(open.h, open.g).technique, "No logical step found");
}

// Sign steps name the signed cells, greater first. r1c2 > r1c1, both left
// {1, 2} by the givens: the one sign decides. r3c1 > r2c1 > r1c1 with r3c1
// left {2, 3}: no one sign decides a cell, the chain decides all three. Row 1
// needs two signs to leave 5 one place; the sign at r1c2 comes first in
// reading order but plays no part, so the hint leaves it out.
TEST(FutoshikiHint, SignStepsNameTheirCells) {
  Small bound, chain, two;
  bound.Give(0, 2), bound.Give(0, 3), bound.Give(0, 4);
  bound.g.cells[0][0].signRight = 2;
  EXPECT_EQ(HintLine(FindHint(bound.h, bound.g)), "Sign bound: remove 1 from r1c2, 2 from r1c1, then 1 goes in r1c1 (r1c2 r1c1)");
  chain.Give(2, 1), chain.Give(2, 2), chain.Give(2, 3);
  chain.g.cells[0][0].signDown = 2, chain.g.cells[1][0].signDown = 2;
  EXPECT_EQ(HintLine(FindHint(chain.h, chain.g)),
            "Sign chain: remove 2 from r3c1, 1, 3, 4 and 5 from r2c1, 2, 3, 4 and 5 from r1c1, "
            "then 1 goes in r1c1 (r3c1 r2c1 r1c1)");
  two.Give(0, 0), two.Give(3, 1);
  two.g.cells[0][1].signDown = two.g.cells[0][2].signDown = two.g.cells[0][3].signDown = 2;
  EXPECT_EQ(HintLine(FindHint(two.h, two.g)),
            "Sign bound: remove 1 and 2 from r2c3 r2c4, 5 from r1c3 r1c4, then 5 goes in r1c5 by a hidden "
            "single in row 1 (r2c3 r1c3)");
}

}  // namespace
}  // namespace zorvek::futoshiki
