#pragma once
// The tests' independent checker for all four kinds: each puzzle becomes
// plain constraints (groups of distinct digits, some with a sum, and pairs of
// cells where one is greater), counted by brute-force search. It shares no
// code or tables with the engines, so an engine fault cannot vouch for itself.
#include <string>
#include <utility>
#include <vector>

#include "core/futoshiki/record.h"
#include "core/hexkakuro/record.h"
#include "core/kakuro/record.h"
#include "core/sudoku/record.h"

namespace zorvek::testing {

struct Problem {
  struct Group {
    std::vector<int> cells;  // digits all different
    int sum = -1;            // -1: no sum rule
  };
  int digits = 9;              // every cell takes 1..digits
  std::vector<int> given;      // per cell: 0 open, else its digit
  std::vector<int> solution;   // per cell: the answer the record stores
  std::vector<Group> groups;
  std::vector<std::pair<int, int>> greater;  // cell first > cell second
  std::string fault;  // set by an adapter when the record breaks a layout rule
};

// Solutions of the givens, counting no further than `limit`; the first found
// goes to *first.
int CountSolutions(const Problem& p, int limit = 2, std::vector<int>* first = nullptr);

// "" when the layout is sound, the stored solution is the only one, and it
// keeps every rule; otherwise what is wrong.
std::string Verdict(const Problem& p);

// Cells are numbered row-major over each kind's own grid.
Problem SudokuProblem(const sudoku::SudPuzzle& puzzle);
Problem FutoshikiProblem(const futoshiki::FutHeader& header, const futoshiki::FutGrid& grid);
// Runs come from the cell colours; checks the clue frame, stored run
// lengths, runs of 2..9, the half-turn symmetry the header claims, and that
// no play field is set.
Problem KakuroProblem(const kakuro::KakHeader& header, const kakuro::KakGrid& grid);
// Runs come from hexagon centre distances; checks the clue and white lattice,
// stored counts, and that every white cell lies in exactly two runs.
Problem HexKakuroProblem(const hexkakuro::HexGrid& grid, int rows, int cols);
// Whether two HexKakuro cells touch, from their hexagons' centres.
bool HexTouching(int r1, int c1, int r2, int c2);

}  // namespace zorvek::testing
