#include "core/sudoku/hint.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/sudoku/generator.h"
#include "core/sudoku/play.h"
#include "support/brute.h"
#include "support/hint_path.h"

namespace zorvek::sudoku {
namespace {

SudPuzzle Made(int difficulty, std::uint64_t seed, bool fromPool = false) {
  Random random(seed * 7919);
  Generator g(random);
  SolverBoard board;
  SudPuzzle puzzle{};
  std::uint8_t used[kPoolSize] = {};
  // Capped, so a broken solver fails here instead of looping for ever.
  for (int attempt = 0; attempt < 5000; ++attempt)
    if ((fromPool ? g.PuzzleFromPool(board, used) : g.GeneratePuzzle(difficulty, board)) &&
        g.FinalizePuzzle(difficulty, board, puzzle))
      return puzzle;
  ADD_FAILURE() << "no puzzle in 5000 attempts";
  return puzzle;
}

int CountGivens(const SudPuzzle& p) {
  int n = 0;
  for (const auto& row : p.cells)
    for (const SudCell& c : row) n += c.given;
  return n;
}

// What a player could notice about a fresh puzzle: within the level's givens,
// one solution (the stored one), play fields clear. That Easy needs nothing
// but naked singles shows in its hints.
void ExpectSound(const SudPuzzle& p, int difficulty) {
  EXPECT_LE(CountGivens(p), ParametersFor(difficulty).maxGivens);
  EXPECT_EQ(testing::Verdict(testing::SudokuProblem(p)), "");
}

int Placed(const SudPuzzle& p, HintCell at) {
  const SudCell& x = p.cells[at.row][at.col];
  return x.given ? x.solution : x.entry;
}

bool Peers(HintCell a, HintCell b) {
  return a.row == b.row || a.col == b.col || (a.row / 3 == b.row / 3 && a.col / 3 == b.col / 3);
}

// Whether the unit a technique names ("... in box 5") holds the cell.
bool NamedUnitHolds(const std::string& technique, HintCell cell) {
  const int n = std::stoi(technique.substr(technique.rfind(' ') + 1)) - 1;
  if (technique.find(" in row ") != std::string::npos) return cell.row == n;
  if (technique.find(" in column ") != std::string::npos) return cell.col == n;
  return technique.find(" in box ") != std::string::npos && cell.row / 3 * 3 + cell.col / 3 == n;
}

// Follows the hints to the end through the shared walk, checking each
// against the position it was given for; returns the techniques used.
std::set<std::string> FollowHints(SudPuzzle puzzle, std::uint64_t seed) {
  SudSettings settings{};
  SudokuPlayAdapter adapter(settings, puzzle);
  Random random(seed);
  std::set<std::string> used;
  testing::ExpectHintsSolve(adapter, random, false, [&](const Hint& hint) {
    const HintCell t = hint.target;
    EXPECT_NE(hint.conclusion.find(std::to_string(hint.digit) + " goes in " + CellName(t.row + 1, t.col + 1)),
              std::string::npos);
    for (const HintRemoval& r : hint.removals) {
      unsigned present = 0x3FE;  // what the placed digits leave the cell
      for (int k = 0; k < 81; ++k)
        if (Peers(r.cell, {k / 9, k % 9})) present &= ~(1u << Placed(puzzle, {k / 9, k % 9}));
      EXPECT_EQ(r.digits & ~present, 0u);
    }
    if (hint.technique == "Naked single") {
      unsigned seen = 1u << hint.digit;  // the cells show the other eight digits
      for (const HintCell& c : hint.cells) seen |= Peers(c, t) ? 1u << Placed(puzzle, c) : 0;
      EXPECT_EQ(seen, 0x3FEu);
    } else {
      for (const HintCell& c : hint.cells) EXPECT_TRUE(NamedUnitHolds(hint.technique, c));
      EXPECT_TRUE(!hint.removals.empty() || NamedUnitHolds(hint.technique, t));
    }
    used.insert(hint.technique.substr(0, hint.technique.find(" in ")));
  });
  return used;
}

// Generated puzzles are sound and hints alone finish every level.
TEST(SudokuHint, HintsAloneFinishEveryLevel) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    const SudPuzzle easy = Made(kEasy, seed), medium = Made(kMedium, seed);
    ExpectSound(easy, kEasy);
    ExpectSound(medium, kMedium);
    EXPECT_EQ(FollowHints(easy, seed), std::set<std::string>{"Naked single"});
    FollowHints(medium, seed);
  }
  std::set<std::string> hard;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    const SudPuzzle puzzle = Made(kHard, seed, seed > 2);
    if (seed <= 2) ExpectSound(puzzle, kHard);
    hard.merge(FollowHints(puzzle, seed));
  }
  // Generated puzzles need no more than pointing before a single, so the
  // other eliminations may not show here; the positions below have them.
  for (const char* technique : {"Hidden single", "Pointing pair", "Pointing triple"})
    EXPECT_TRUE(hard.count(technique)) << technique << " never needed";
}

TEST(SudokuHint, EliminationsNameTheirUnitAndLeadToTheirSingle) {
  const char* solution = "581493672396271845274865319429718563837546921165932784948327156653184297712659438";
  const char* cases[][4] = {
      {"5........39...1..52......1......8.6.8..........5.3...49...2.1.....1...977..6..43.",
       "Box/line reduction in row 6", "r6c1 r6c2", "remove 1 from r4c1 r4c2 r4c3 r5c2 r5c3, then 4 goes in r4c1"},
      {"58...36....6.........865.......18....3..4.9...6.9.2....4..2.....53..429..........",
       "Naked pair in column 5", "r1c5 r2c5", "remove 7 from r6c5 r8c5, 7 and 9 from r9c5, then 8 goes in r8c5"},
      {"..1493...39.2.1...2........4...1........4....1..9.2.8.....2...6.......9....6...3.",
       "Naked quint in row 3", "r3c2 r3c3 r3c4 r3c5 r3c6",
       "remove 4, 5, 6, 7 and 8 from r3c7, 4, 5, 6 and 7 from r3c8, 4, 5, 7 and 8 from r3c9, then 1 goes in r3c8"},
      // Pointing 1 in box 3 comes first in reading order, but 1 in r3c8 needs only the 3 and 9 gone.
      {".8.4.3672....7..45....6..........5......4...........84......1.6...1..2.7......4.8",
       "Pointing triple in box 9", "r7c8 r8c8 r9c8", "remove 3 and 9 from r3c8 r4c8 r5c8, then 1 goes in r3c8"},
  };
  for (const auto& [givens, technique, cells, conclusion] : cases) {
    SudPuzzle puzzle{};
    for (int i = 0; i < 81; ++i) {
      SudCell& c = puzzle.cells[i / 9][i % 9];
      c.solution = solution[i] - '0';
      c.given = givens[i] != '.';
      c.entry = static_cast<std::uint8_t>(c.given * c.solution);
    }
    const Hint hint = FindHint(puzzle);
    EXPECT_EQ(hint.technique, technique);
    EXPECT_EQ(hint.cellsText, cells) << technique;
    EXPECT_EQ(hint.conclusion, conclusion) << technique;
  }
}

TEST(SudokuHint, NoStepWhereLogicCannotGoOn) {
  SudSettings settings{};
  SudPuzzle empty{};  // no givens: every grid fits
  for (int k = 0; k < 81; ++k) empty.cells[k / 9][k % 9].solution = (k / 9 * 3 + k / 27 + k) % 9 + 1;
  EXPECT_EQ(SudokuPlayAdapter(settings, empty).NextHint().technique, "No logical step found");

  // A damaged record: two open cells of a row with their answers swapped.
  // Hints may lead up to them but never place a digit the record disagrees with.
  SudPuzzle damaged = Made(kMedium, 6);
  std::vector<SudCell*> open;
  for (SudCell& c : damaged.cells[4])
    if (!c.given) open.push_back(&c);
  ASSERT_GE(open.size(), 2u);
  std::swap(open[0]->solution, open[1]->solution);
  SudokuPlayAdapter adapter(settings, damaged);
  for (const Hint& hint : LogicalPath(adapter))
    EXPECT_EQ(hint.digit, damaged.cells[hint.target.row][hint.target.col].solution);
  EXPECT_EQ(adapter.NextHint().technique, "No logical step found");
}

}  // namespace
}  // namespace zorvek::sudoku
