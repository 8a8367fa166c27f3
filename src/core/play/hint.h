#pragma once
// A hint: the simplest next logical step from the player's entries, as each
// kind's step finder names it. Kind-neutral, so the play window and the
// command-line tool show, print and make any kind's step alike.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zorvek {

class PlayAdapter;

// A cell in the adapter's own coordinates (the block's row and column).
struct HintCell {
  int row = -1, col = -1;
  bool operator==(const HintCell&) const = default;
};

// Digits taken out of a cell's candidates: bit d for digit d.
struct HintRemoval {
  HintCell cell;
  std::uint16_t digits = 0;
};

struct Hint {
  enum class Type {
    None,        // solved, full, or no logical step from here
    WrongEntry,  // an entry differs from the solution: take it out
    Placement,   // a digit goes in a cell (after `removals`, if any)
  };
  Type type = Type::None;
  // As players know it, with its place: "Hidden single in row 4",
  // "Only combination for 17 in 2 cells", "Wrong entry".
  std::string technique;
  // What follows: "7 goes in r4c3", "remove 2 and 7 from r4c1 r4c2, then 5
  // goes in r4c3", "Wrong entry at r4c7".
  std::string conclusion;
  // The cells that prove it (the unit, run or sign chain), and the same
  // written as the board shows them: "r4c1 r4c2 r4c3".
  std::vector<HintCell> cells;
  std::string cellsText;
  // Candidates the step removes on the way to its placement, in order.
  std::vector<HintRemoval> removals;
  // The cell the step decides (the wrong entry's cell for WrongEntry) and its
  // digit (0 for WrongEntry: the entry is taken out).
  HintCell target;
  int digit = 0;

  bool Found() const { return type != Type::None; }
};

// "r4c3": a cell named by its row and column as the board shows them,
// counted from 1.
std::string CellName(int shownRow, int shownCol);
// "7", "2 and 7", "2, 5 and 7": the digits of a bit set (bit d for digit d).
std::string DigitList(std::uint16_t digits);
// "2 and 7 from r4c1 r4c2, 3 from r6c6": removals given as (cell name,
// digits), each cell's taken together, cells losing the same digits named
// together, in the order they first appear.
std::string RemovalList(const std::vector<std::pair<std::string, std::uint16_t>>& removals);
// What a finder answers when no technique it knows applies.
Hint NoStepHint();
// One line for the tool: "<Technique>: <conclusion> (<cells>)".
std::string HintLine(const Hint& hint);

// Makes the step on the adapter's blocks: the removals leave the player's
// pencil marks, the target gets its digit (or loses a wrong entry). The
// caller records it as a move. False when the hint has nothing to make.
bool ApplyHint(PlayAdapter& adapter, const Hint& hint);

// The whole logical path from the adapter's current entries: asks for a hint
// and makes it until none is left. The blocks end as the last step left them.
std::vector<Hint> LogicalPath(PlayAdapter& adapter, int maxSteps = 1000);

}  // namespace zorvek
