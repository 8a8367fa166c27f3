#pragma once
// What Kakuro and HexKakuro share about a sum over a run of cells: the sets
// of distinct digits 1..9 that make it, which of them are still alive given
// the digits already entered, and how a clue click narrows pencil marks.
#include <cstdint>
#include <string>
#include <vector>

namespace zorvek::sums {

// Every set of `length` distinct digits 1..9 adding up to `sum`, in
// lexicographic order, e.g. "1,9/2,8/3,7/4,6" for (2, 10). Empty for an
// impossible pair and for a length outside 2..9 or a sum outside 1..45.
const std::string& CombinationText(int length, int sum);

struct Combinations {
  std::vector<std::string> entries;  // "1,5,9", ...
  std::vector<bool> alive;           // holds every digit already entered
  bool entered[10] = {};
  bool possible[10] = {};  // the digits of the alive sets
};

// The sets of a run, a set alive while it holds every digit of `entered`
// (a digit is held when its character occurs in the set's text).
Combinations Load(int length, int sum, const bool (&entered)[10]);

// One cell's pencil marks, `count` bytes for the digits first, first + 1, ...:
// a cell without marks gets every possible digit not yet entered; a cell with
// marks keeps only those of its marks that are such digits, so a repeated
// click narrows and never adds. True when a mark changed.
bool NarrowMarks(std::uint8_t* marks, int first, int count, const Combinations& list);

}  // namespace zorvek::sums
