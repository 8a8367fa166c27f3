#include "core/sudoku/hint.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/play/route.h"

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

// Eliminations by how hard they are to see, simplest first.
enum Tier { kIntersection, kPair, kTriple, kQuad, kQuint };

// One elimination step. An intersection: digit `digit` of unit `from` lies
// only where it crosses unit `to` (a box's digit in one line is pointing, a
// line's digit in one box is box/line reduction). A naked subset: the
// `members` positions of unit `from`. `cells` make the step, `removals` are
// what it takes out of the board it was derived on.
struct Step {
  int tier = kIntersection;
  int from = 0, to = -1, digit = 0;
  unsigned members = 0;
  std::vector<int> cells;
  std::vector<std::pair<int, unsigned>> removals;
};

bool DeriveIntersection(const Board& b, Step& step) {
  const unsigned at = Holders(b, step.from, step.digit);
  if (Count(at) < 2) return false;  // one place is a hidden single
  step.cells = CellsAt(step.from, at);
  const auto& crossing = kUnits.cells[step.to];
  for (const int j : step.cells)
    if (std::find(crossing.begin(), crossing.end(), j) == crossing.end()) return false;
  const auto& mine = kUnits.cells[step.from];
  step.removals.clear();
  for (const int j : crossing)
    if (b.value[j] == 0 && (b.cand[j] >> step.digit & 1u) && std::find(mine.begin(), mine.end(), j) == mine.end())
      step.removals.emplace_back(j, 1u << step.digit);
  return !step.removals.empty();
}

// `size` open cells of a unit holding just `size` digits between them: the
// unit's other cells lose those digits.
bool DeriveSubset(const Board& b, Step& step) {
  const auto& cells = kUnits.cells[step.from];
  unsigned digits = 0;
  for (int p = 0; p < 9; ++p)
    if (step.members >> p & 1u) {
      if (b.value[cells[p]] != 0) return false;
      digits |= b.cand[cells[p]];
    }
  if (Count(digits) != Count(step.members)) return false;
  step.cells = CellsAt(step.from, step.members);
  step.removals.clear();
  for (int p = 0; p < 9; ++p) {
    const int j = cells[p];
    if (!(step.members >> p & 1u) && b.value[j] == 0 && (b.cand[j] & digits) != 0)
      step.removals.emplace_back(j, b.cand[j] & digits);
  }
  return !step.removals.empty();
}

// What the step removes from this board; false when it no longer holds or
// removes nothing.
bool Derive(const Board& b, Step& step) {
  return step.tier == kIntersection ? DeriveIntersection(b, step) : DeriveSubset(b, step);
}

void Apply(Board& b, const Step& step) {
  for (const auto& [cell, digits] : step.removals) b.cand[cell] = static_cast<std::uint16_t>(b.cand[cell] & ~digits);
}

// Calls f with each step of the tier that removes something, stopping when f
// returns true. Intersections: pointing by box and digit, then box/line
// reduction by row, column and digit. Subsets: rows, columns, then boxes.
template <class F>
void ForEachStep(const Board& b, int tier, F&& f) {
  Step step{tier, 0, -1, 0, 0, {}, {}};
  if (tier == kIntersection) {
    for (int box = 18; box < 27; ++box)
      for (int d = 1; d <= 9; ++d) {
        const unsigned at = Holders(b, box, d);
        if (Count(at) < 2) continue;
        // In reading order a box's first and last holders share a row only
        // when all do; otherwise only a column can hold them all.
        const int first = kUnits.cells[box][std::countr_zero(at)];
        const int last = kUnits.cells[box][std::bit_width(at) - 1];
        step.from = box, step.to = RowUnit(first) == RowUnit(last) ? RowUnit(first) : ColumnUnit(first);
        step.digit = d;
        if (DeriveIntersection(b, step) && f(step)) return;
      }
    for (int line = 0; line < 18; ++line)
      for (int d = 1; d <= 9; ++d) {
        const unsigned at = Holders(b, line, d);
        if (Count(at) < 2) continue;
        step.from = line, step.to = BoxUnit(kUnits.cells[line][std::countr_zero(at)]), step.digit = d;
        if (DeriveIntersection(b, step) && f(step)) return;
      }
    return;
  }
  const int size = tier - kPair + 2;
  for (int unit = 0; unit < 27; ++unit) {
    unsigned usable = 0;
    for (int p = 0; p < 9; ++p) {
      const int j = kUnits.cells[unit][p];
      if (b.value[j] == 0 && Count(b.cand[j]) <= size) usable |= 1u << p;
    }
    if (Count(usable) < size) continue;
    step.from = unit;
    for (unsigned members = 1; members < 512; ++members) {
      if ((members & ~usable) != 0 || Count(members) != size) continue;
      step.members = members;
      if (DeriveSubset(b, step) && f(step)) return;
    }
  }
}

// Whether the digit is a single at the cell on this board, and as what.
std::optional<Single> SingleAt(const Board& b, int cell, int digit) {
  if (b.value[cell] != 0 || !(b.cand[cell] >> digit & 1u)) return std::nullopt;
  if (b.cand[cell] == 1u << digit) return Single{cell, digit, false, "Naked single", {}};
  for (const int unit : {BoxUnit(cell), RowUnit(cell), ColumnUnit(cell)})
    if (Count(Holders(b, unit, digit)) == 1)
      return Single{cell, digit, true, "Hidden single in " + UnitName(unit), {}};
  return std::nullopt;
}

// Whether steps of tiers up to `ceiling` lead to a single at all. Every step
// only narrows, so applying all there are until one shows or none is left
// answers for any order; the board is left narrowed, so the next tier can go
// on from it.
bool Reaches(Board& b, int ceiling) {
  for (;;) {
    if (FindSingle(b)) return true;
    std::vector<Step> steps;
    for (int tier = kIntersection; tier <= ceiling; ++tier)
      ForEachStep(b, tier, [&](const Step& step) {
        steps.push_back(step);
        return false;
      });
    if (steps.empty()) return false;
    // Removals found on this board stay true as it narrows.
    for (const Step& step : steps) Apply(b, step);
  }
}

// Whether a single shows once the step is made on a board that has none: at
// a cell it narrows, or for a digit it takes out, in a unit of that cell.
bool MakesSingle(const Board& base, const Step& step) {
  Board b = base;
  Apply(b, step);
  for (const auto& [cell, digits] : step.removals) {
    if (Count(b.cand[cell]) == 1) return true;
    for (unsigned rest = digits; rest != 0; rest &= rest - 1)
      for (const int unit : {BoxUnit(cell), RowUnit(cell), ColumnUnit(cell)})
        if (Count(Holders(b, unit, std::countr_zero(rest))) == 1) return true;
  }
  return false;
}

using Route = HintRoute<Step, Single>;

// Eliminations of tiers up to `ceiling` until a single shows. The simplest
// step after which a single shows is taken at once; otherwise the simplest
// step there is, and the search goes on from there.
bool Search(const Board& base, int ceiling, Route& route) {
  Board b = base;
  for (;;) {
    if (std::optional<Single> single = FindSingle(b)) {
      route.single = std::move(*single);
      return true;
    }
    std::optional<Step> first, direct;
    for (int tier = kIntersection; tier <= ceiling && !direct; ++tier)
      ForEachStep(b, tier, [&](const Step& step) {
        if (!first) first = step;
        if (!MakesSingle(b, step)) return false;
        direct = step;
        return true;
      });
    if (!first) return false;
    route.steps.push_back(direct ? std::move(*direct) : std::move(*first));
    Apply(b, route.steps.back());
  }
}

std::string StepName(const Step& step) {
  static constexpr const char* kSizes[] = {"pair", "triple", "quad", "quint"};
  if (step.tier != kIntersection)
    return std::string("Naked ") + kSizes[step.tier - kPair] + " in " + UnitName(step.from);
  if (step.from < 18) return "Box/line reduction in " + UnitName(step.from);
  return (step.cells.size() == 2 ? "Pointing pair in " : "Pointing triple in ") + UnitName(step.from);
}

void SetCells(Hint& hint, const std::vector<int>& cells) {
  for (const int j : cells) {
    hint.cells.push_back({j / 9, j % 9});
    if (!hint.cellsText.empty()) hint.cellsText += ' ';
    hint.cellsText += Name(j);
  }
}

std::string RemovalText(const std::vector<HintRemoval>& removals) {
  std::vector<std::pair<std::string, std::uint16_t>> named;
  for (const HintRemoval& r : removals) named.push_back({CellName(r.cell.row + 1, r.cell.col + 1), r.digits});
  return RemovalList(named);
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
    if (b.value[i] == 0 && !(b.cand[i] >> solution(i) & 1u)) return NoStepHint();

  if (std::optional<Single> single = FindSingle(b)) {
    if (single->digit != solution(single->cell)) return NoStepHint();
    Hint hint;
    hint.type = Hint::Type::Placement;
    hint.technique = single->technique;
    hint.conclusion = std::to_string(single->digit) + " goes in " + Name(single->cell);
    hint.target = {single->cell / 9, single->cell % 9};
    hint.digit = single->digit;
    SetCells(hint, single->cells);
    return hint;
  }

  // The simplest kinds of step that reach a single at all: intersections
  // alone first, then subsets one size larger at a time.
  int ceiling = kIntersection;
  for (Board narrowed = b; ceiling <= kQuint && !Reaches(narrowed, ceiling);) ++ceiling;
  Route route;
  if (ceiling > kQuint || !Search(b, ceiling, route)) return NoStepHint();
  PruneRoute(b, route, Derive, Apply, [](const Board& at, const Single& single) {
    return SingleAt(at, single.cell, single.digit);
  });

  Hint hint;
  hint.type = Hint::Type::Placement;
  hint.target = {route.single.cell / 9, route.single.cell % 9};
  hint.digit = route.single.digit;
  hint.technique = StepName(route.steps.front());
  SetCells(hint, route.steps.front().cells);
  for (const Step& step : route.steps)
    for (const auto& [cell, digits] : step.removals) {
      const HintCell at{cell / 9, cell % 9};
      auto it = std::find_if(hint.removals.begin(), hint.removals.end(),
                             [&](const HintRemoval& r) { return r.cell == at; });
      if (it == hint.removals.end())
        hint.removals.push_back({at, static_cast<std::uint16_t>(digits)});
      else
        it->digits = static_cast<std::uint16_t>(it->digits | digits);
    }
  hint.conclusion = "remove " + RemovalText(hint.removals) + ", then " + std::to_string(hint.digit) + " goes in " +
                    Name(route.single.cell);
  if (route.single.hidden) {
    std::string name = route.single.technique;
    name[0] = static_cast<char>(name[0] - 'A' + 'a');
    hint.conclusion += " by a " + name;
  }
  // Logic from a sound puzzle never contradicts its solution; a record whose
  // solution breaks its own givens gets no step rather than a false one.
  for (const HintRemoval& r : hint.removals)
    if (r.digits >> solution(r.cell.row * 9 + r.cell.col) & 1u) return NoStepHint();
  if (hint.digit != solution(route.single.cell)) return NoStepHint();
  return hint;
}

}  // namespace zorvek::sudoku
