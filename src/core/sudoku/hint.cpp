#include "core/sudoku/hint.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zorvek::sudoku {
namespace {

constexpr unsigned kAllDigits = 0x3FEu;  // bits 1..9, as hints write digit sets

// The 27 units, each as its nine cells (row-major indexes) in reading order:
// rows 0..8, columns 9..17, boxes 18..26.
struct UnitTable {
  std::array<std::array<int, 9>, 27> cells{};
  constexpr UnitTable() {
    for (int u = 0; u < 9; ++u)
      for (int p = 0; p < 9; ++p) {
        cells[u][p] = u * 9 + p;
        cells[9 + u][p] = p * 9 + u;
        cells[18 + u][p] = (u / 3 * 3 + p / 3) * 9 + u % 3 * 3 + p % 3;
      }
  }
};
constexpr UnitTable kUnits;

constexpr int RowUnit(int i) { return i / 9; }
constexpr int ColumnUnit(int i) { return 9 + i % 9; }
constexpr int BoxUnit(int i) { return 18 + i / 27 * 3 + i % 9 / 3; }

std::string UnitName(int unit) {
  static constexpr const char* kKinds[] = {"row ", "column ", "box "};
  return kKinds[unit / 9] + std::to_string(unit % 9 + 1);
}

std::string Name(int i) { return CellName(i / 9 + 1, i % 9 + 1); }

int Count(unsigned digits) { return std::popcount(digits); }

struct Board {
  int value[81] = {};           // placed digit, 0 while open
  std::uint16_t cand[81] = {};  // an open cell's candidates, bit d for digit d
};

// A placement and what shows it.
struct Single {
  int cell = -1, digit = 0;
  bool hidden = false;
  std::string technique;
  std::vector<int> cells;
};

// One elimination step: what it is, the cells that make it, and the digits it
// takes out of each cell (only digits actually there).
struct Elimination {
  std::string technique;
  std::vector<int> cells;
  std::vector<std::pair<int, unsigned>> removals;
};

// Candidates from the placed digits alone: the player's marks are no help
// here, as they may be missing or wrong.
Board BuildBoard(const SudPuzzle& puzzle) {
  Board b;
  for (int i = 0; i < 81; ++i) {
    const SudCell& c = puzzle.cells[i / 9][i % 9];
    b.value[i] = c.given ? c.solution : c.entry;
    if (b.value[i] == 0) b.cand[i] = kAllDigits;
  }
  for (int i = 0; i < 81; ++i) {
    if (b.value[i] == 0) continue;
    const auto bit = static_cast<std::uint16_t>(1u << b.value[i]);
    for (const int unit : {RowUnit(i), ColumnUnit(i), BoxUnit(i)})
      for (const int j : kUnits.cells[unit]) b.cand[j] &= static_cast<std::uint16_t>(~bit);
  }
  return b;
}

// For a naked single, one placed peer for each digit it rules out, so the
// board can point at why the other eight are gone.
std::vector<int> Excluders(const Board& b, int cell, int digit) {
  std::vector<int> cells;
  for (int d = 1; d <= 9; ++d) {
    if (d == digit) continue;
    bool found = false;
    for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
      for (const int j : kUnits.cells[unit])
        if (b.value[j] == d) {
          if (std::find(cells.begin(), cells.end(), j) == cells.end()) cells.push_back(j);
          found = true;
          break;
        }
      if (found) break;
    }
  }
  std::sort(cells.begin(), cells.end());
  return cells;
}

std::optional<Single> FindSingle(const Board& b) {
  for (int i = 0; i < 81; ++i)
    if (b.value[i] == 0 && Count(b.cand[i]) == 1) {
      const int d = std::countr_zero(static_cast<unsigned>(b.cand[i]));
      return Single{i, d, false, "Naked single", Excluders(b, i, d)};
    }
  // Boxes first: a digit missing from a box is the easiest to spot.
  for (const int first : {18, 0, 9})
    for (int unit = first; unit < first + 9; ++unit) {
      const auto& cells = kUnits.cells[unit];
      unsigned placed = 0;
      for (const int j : cells) placed |= 1u << b.value[j];
      for (int d = 1; d <= 9; ++d) {
        if (placed >> d & 1u) continue;
        int where = -1, count = 0;
        for (const int j : cells)
          if (b.value[j] == 0 && (b.cand[j] >> d & 1u)) {
            where = j;
            ++count;
          }
        if (count == 1)
          return Single{where, d, true, "Hidden single in " + UnitName(unit),
                        std::vector<int>(cells.begin(), cells.end())};
      }
    }
  return std::nullopt;
}

// The open cells of a unit holding digit d, as unit positions.
unsigned Holders(const Board& b, int unit, int d) {
  unsigned positions = 0;
  for (int p = 0; p < 9; ++p) {
    const int j = kUnits.cells[unit][p];
    if (b.value[j] == 0 && (b.cand[j] >> d & 1u)) positions |= 1u << p;
  }
  return positions;
}

std::vector<int> CellsAt(int unit, unsigned positions) {
  std::vector<int> cells;
  for (int p = 0; p < 9; ++p)
    if (positions >> p & 1u) cells.push_back(kUnits.cells[unit][p]);
  return cells;
}

// Digit d of `from` lies only where `from` crosses `to`: the rest of `to`
// loses it.
std::vector<std::pair<int, unsigned>> CrossRemovals(const Board& b, int from, int to, int d) {
  const auto& mine = kUnits.cells[from];
  std::vector<std::pair<int, unsigned>> removals;
  for (const int j : kUnits.cells[to])
    if (b.value[j] == 0 && (b.cand[j] >> d & 1u) &&
        std::find(mine.begin(), mine.end(), j) == mine.end())
      removals.emplace_back(j, 1u << d);
  return removals;
}

// A digit of a box confined to one row or column (pointing), then a digit of
// a row or column confined to one box (box/line reduction).
std::optional<Elimination> FindIntersection(const Board& b) {
  for (int box = 18; box < 27; ++box)
    for (int d = 1; d <= 9; ++d) {
      const unsigned at = Holders(b, box, d);
      if (Count(at) < 2) continue;  // one place is a hidden single
      const std::vector<int> cells = CellsAt(box, at);
      int line = -1;
      if (std::all_of(cells.begin(), cells.end(), [&](int j) { return RowUnit(j) == RowUnit(cells[0]); }))
        line = RowUnit(cells[0]);
      else if (std::all_of(cells.begin(), cells.end(),
                           [&](int j) { return ColumnUnit(j) == ColumnUnit(cells[0]); }))
        line = ColumnUnit(cells[0]);
      if (line < 0) continue;
      auto removals = CrossRemovals(b, box, line, d);
      if (removals.empty()) continue;
      return Elimination{(cells.size() == 2 ? "Pointing pair in " : "Pointing triple in ") + UnitName(box),
                         cells, std::move(removals)};
    }
  for (int line = 0; line < 18; ++line)
    for (int d = 1; d <= 9; ++d) {
      const unsigned at = Holders(b, line, d);
      if (Count(at) < 2) continue;
      const std::vector<int> cells = CellsAt(line, at);
      if (!std::all_of(cells.begin(), cells.end(), [&](int j) { return BoxUnit(j) == BoxUnit(cells[0]); }))
        continue;
      auto removals = CrossRemovals(b, line, BoxUnit(cells[0]), d);
      if (removals.empty()) continue;
      return Elimination{"Box/line reduction in " + UnitName(line), cells, std::move(removals)};
    }
  return std::nullopt;
}

// `size` open cells of a unit holding just `size` digits between them: the
// unit's other cells lose those digits. Smaller subsets first.
std::optional<Elimination> FindNakedSubset(const Board& b) {
  static constexpr const char* kSizes[] = {"", "", "pair", "triple", "quad", "quint"};
  for (int size = 2; size <= 5; ++size)
    for (int unit = 0; unit < 27; ++unit) {
      const auto& cells = kUnits.cells[unit];
      unsigned usable = 0;
      for (int p = 0; p < 9; ++p)
        if (b.value[cells[p]] == 0 && Count(b.cand[cells[p]]) <= size) usable |= 1u << p;
      if (Count(usable) < size) continue;
      for (unsigned members = 1; members < 512; ++members) {
        if ((members & ~usable) != 0 || Count(members) != size) continue;
        unsigned digits = 0;
        for (int p = 0; p < 9; ++p)
          if (members >> p & 1u) digits |= b.cand[cells[p]];
        if (Count(digits) != size) continue;
        std::vector<std::pair<int, unsigned>> removals;
        for (int p = 0; p < 9; ++p) {
          const int j = cells[p];
          if (!(members >> p & 1u) && b.value[j] == 0 && (b.cand[j] & digits) != 0)
            removals.emplace_back(j, b.cand[j] & digits);
        }
        if (removals.empty()) continue;
        return Elimination{std::string("Naked ") + kSizes[size] + " in " + UnitName(unit),
                           CellsAt(unit, members), std::move(removals)};
      }
    }
  return std::nullopt;
}

std::optional<Elimination> FindElimination(const Board& b) {
  if (auto step = FindIntersection(b)) return step;
  return FindNakedSubset(b);
}

void SetCells(Hint& hint, const std::vector<int>& cells) {
  for (const int j : cells) {
    hint.cells.push_back({j / 9, j % 9});
    if (!hint.cellsText.empty()) hint.cellsText += ' ';
    hint.cellsText += Name(j);
  }
}

// "2 and 7 from r4c1 r4c2, 3 from r6c6": cells grouped by the digits they
// lose, in the order they first lose them.
std::string RemovalText(const std::vector<HintRemoval>& removals) {
  std::vector<std::pair<std::uint16_t, std::string>> groups;
  for (const HintRemoval& r : removals) {
    auto it = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == r.digits; });
    if (it == groups.end()) {
      groups.emplace_back(r.digits, DigitList(r.digits) + " from");
      it = groups.end() - 1;
    }
    it->second += ' ' + CellName(r.cell.row + 1, r.cell.col + 1);
  }
  std::string text;
  for (const auto& g : groups) text += (text.empty() ? "" : ", ") + g.second;
  return text;
}

Hint NoStep() {
  Hint hint;
  hint.technique = "No logical step found";
  return hint;
}

}  // namespace

Hint FindHint(const SudPuzzle& puzzle) {
  auto solution = [&](int i) { return puzzle.cells[i / 9][i % 9].solution; };
  // No puzzle yet (or a record no check has passed): nothing to hint.
  for (const auto& row : puzzle.cells)
    for (const SudCell& c : row)
      if (c.solution < 1 || c.solution > 9 || c.entry > 9) return {};
  for (int i = 0; i < 81; ++i) {
    const SudCell& c = puzzle.cells[i / 9][i % 9];
    if (c.given || c.entry == 0 || c.entry == c.solution) continue;
    Hint hint;
    hint.type = Hint::Type::WrongEntry;
    hint.technique = "Wrong entry";
    hint.conclusion = "Wrong entry at " + Name(i);
    hint.target = {i / 9, i % 9};
    SetCells(hint, {i});
    return hint;
  }

  Board b = BuildBoard(puzzle);
  if (std::none_of(std::begin(b.value), std::end(b.value), [](int v) { return v == 0; })) return {};
  // Every step below keeps each cell's stored digit, so on a record whose
  // placed digits already rule one out (a damaged file) nothing is offered.
  for (int i = 0; i < 81; ++i)
    if (b.value[i] == 0 && !(b.cand[i] >> solution(i) & 1u)) return NoStep();

  std::optional<Elimination> first;
  std::vector<HintRemoval> removals;
  for (;;) {
    if (std::optional<Single> single = FindSingle(b)) {
      if (single->digit != solution(single->cell)) return NoStep();
      Hint hint;
      hint.type = Hint::Type::Placement;
      hint.target = {single->cell / 9, single->cell % 9};
      hint.digit = single->digit;
      std::string placed = std::to_string(single->digit) + " goes in " + Name(single->cell);
      if (!first) {
        hint.technique = single->technique;
        hint.conclusion = placed;
        SetCells(hint, single->cells);
        return hint;
      }
      hint.technique = first->technique;
      SetCells(hint, first->cells);
      hint.conclusion = "remove " + RemovalText(removals) + ", then " + placed;
      if (single->hidden) {
        std::string name = single->technique;
        name[0] = static_cast<char>(name[0] - 'A' + 'a');
        hint.conclusion += " by a " + name;
      }
      hint.removals = std::move(removals);
      return hint;
    }
    std::optional<Elimination> step = FindElimination(b);
    if (!step) return NoStep();
    // Each step takes out at least one candidate, so this ends.
    for (const auto& [cell, digits] : step->removals) {
      if (digits >> solution(cell) & 1u) return NoStep();
      b.cand[cell] = static_cast<std::uint16_t>(b.cand[cell] & ~digits);
      const HintCell at{cell / 9, cell % 9};
      auto it = std::find_if(removals.begin(), removals.end(), [&](const HintRemoval& r) { return r.cell == at; });
      if (it == removals.end())
        removals.push_back({at, static_cast<std::uint16_t>(digits)});
      else
        it->digits = static_cast<std::uint16_t>(it->digits | digits);
    }
    if (!first) first = std::move(step);
  }
}

}  // namespace zorvek::sudoku
