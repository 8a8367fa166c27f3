#include "core/futoshiki/hint.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/futoshiki/play.h"
#include "core/play/route.h"

namespace zorvek::futoshiki {
namespace {

using Bits = std::uint16_t;  // bit d for digit d
constexpr int kStride = kMaxSize;
constexpr int kCells = kMaxSize * kMaxSize;

Bits DigitsUpTo(int n) { return static_cast<Bits>((2u << n) - 2u); }
Bits Bit(int d) { return static_cast<Bits>(1u << d); }
int Count(Bits m) { return std::popcount(m); }
int Lowest(Bits m) { return std::countr_zero(m); }
int Highest(Bits m) { return std::bit_width(m) - 1; }

// Steps by how hard they are to see, simplest first.
enum Tier { kSignBound, kSignChain, kPair, kTriple, kQuad, kQuint };

// The candidates the finder works on. A known cell (a given or an entry)
// holds its digit alone and never loses it.
struct Board {
  int n = 0;
  Bits cand[kCells] = {};
  bool open[kCells] = {};
};

int LineCell(bool row, int line, int p) { return row ? line * kStride + p : p * kStride + line; }

struct Step {
  int tier = kSignBound;
  // A sign or chain, greater cell first; a subset's members.
  std::vector<int> cells;
  bool row = true;  // a subset's line
  int line = 0;
  std::vector<std::pair<int, Bits>> removals;
};

// The signs as (greater, smaller) in reading order of the cell holding them,
// and every run of two or three signs of one sense through distinct cells.
struct Signs {
  std::vector<std::vector<int>> pairs, chains;
};

Signs ListSigns(const FutGrid& grid, int n) {
  Signs signs;
  std::vector<int> smallerOf[kCells];
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      for (bool down : {false, true}) {
        const int sign = down ? grid.cells[r][c].signDown : grid.cells[r][c].signRight;
        if (sign == 0 || (down ? r : c) + 1 >= n) continue;
        const int here = r * kStride + c, next = here + (down ? kStride : 1);
        const int g = sign == 1 ? here : next, s = sign == 1 ? next : here;
        signs.pairs.push_back({g, s});
        smallerOf[g].push_back(s);
      }
  for (const std::vector<int>& p : signs.pairs)
    for (int c : smallerOf[p[1]])
      if (c != p[0]) signs.chains.push_back({p[0], p[1], c});
  const std::size_t threes = signs.chains.size();
  for (std::size_t k = 0; k < threes; ++k) {
    const std::vector<int> chain = signs.chains[k];
    for (int d : smallerOf[chain[2]])
      if (d != chain[0] && d != chain[1]) signs.chains.push_back({chain[0], chain[1], chain[2], d});
  }
  return signs;
}

// The bounds of a sign or chain carried along it until they settle: each
// greater cell above its smaller neighbour's lowest digit, each smaller cell
// below its greater neighbour's highest.
bool DeriveSigns(const Board& b, Step& step) {
  step.removals.clear();
  const std::vector<int>& c = step.cells;
  const int k = static_cast<int>(c.size());
  Bits local[4] = {};
  for (int i = 0; i < k; ++i) local[i] = b.cand[c[i]];
  for (bool again = true; again;) {
    again = false;
    for (int i = 0; i + 1 < k; ++i) {
      Bits &g = local[i], &s = local[i + 1];
      if (g == 0 || s == 0) break;  // a broken board: nothing to carry
      const Bits dropG = g & DigitsUpTo(Lowest(s));
      const Bits dropS = s & ~DigitsUpTo(Highest(g) - 1);
      if (b.open[c[i]] && dropG) g &= ~dropG, again = true;
      if (b.open[c[i + 1]] && dropS) s &= ~dropS, again = true;
    }
  }
  for (int i = 0; i < k; ++i)
    if (const Bits gone = b.cand[c[i]] & ~local[i]) step.removals.push_back({c[i], gone});
  return !step.removals.empty();
}

// k open cells of a line holding k digits between them: the line's other
// cells lose those digits.
bool DeriveSubset(const Board& b, Step& step) {
  step.removals.clear();
  Bits digits = 0;
  for (int m : step.cells) {
    if (!b.open[m]) return false;
    digits |= b.cand[m];
  }
  if (Count(digits) != static_cast<int>(step.cells.size())) return false;
  for (int p = 0; p < b.n; ++p) {
    const int i = LineCell(step.row, step.line, p);
    bool member = false;
    for (int m : step.cells) member = member || m == i;
    if (!member && b.open[i] && (b.cand[i] & digits)) step.removals.push_back({i, b.cand[i] & digits});
  }
  return !step.removals.empty();
}

// What the step removes from this board; false when it removes nothing.
bool Derive(const Board& b, Step& step) {
  return step.tier <= kSignChain ? DeriveSigns(b, step) : DeriveSubset(b, step);
}

void Apply(Board& b, const Step& step) {
  for (const auto& [cell, digits] : step.removals) b.cand[cell] &= static_cast<Bits>(~digits);
}

// Subsets of size k among pool[from..], members' digits so far in `digits`.
template <class F>
bool Choose(const Board& b, Step& step, const int* pool, int size, int from, int k, Bits digits, F& f) {
  if (static_cast<int>(step.cells.size()) == k)
    return Count(digits) == k && DeriveSubset(b, step) && f(step);
  for (int j = from; j < size; ++j) {
    const Bits more = digits | b.cand[pool[j]];
    if (Count(more) > k) continue;
    step.cells.push_back(pool[j]);
    const bool stop = Choose(b, step, pool, size, j + 1, k, more, f);
    step.cells.pop_back();
    if (stop) return true;
  }
  return false;
}

// Calls f with each step of the tier that removes something, in reading
// order (rows before columns); stops when f returns true.
template <class F>
void ForEachStep(const Board& b, const Signs& signs, int tier, F&& f) {
  if (tier <= kSignChain) {
    for (const std::vector<int>& cells : tier == kSignBound ? signs.pairs : signs.chains) {
      Step step{tier, cells, true, 0, {}};
      if (DeriveSigns(b, step) && f(step)) return;
    }
    return;
  }
  const int k = tier - kPair + 2;
  for (bool row : {true, false})
    for (int line = 0; line < b.n; ++line) {
      int pool[kMaxSize], size = 0;
      for (int p = 0; p < b.n; ++p) {
        const int i = LineCell(row, line, p);
        if (b.open[i] && Count(b.cand[i]) >= 2 && Count(b.cand[i]) <= k) pool[size++] = i;
      }
      Step step{tier, {}, row, line, {}};
      if (size >= k && Choose(b, step, pool, size, 0, k, 0, f)) return;
    }
}

struct Single {
  int cell = -1, digit = 0;
  bool hidden = false;
  bool row = true;  // a hidden single's line
  int line = 0;
};

enum class Scan { None, Found, Broken };

// The first naked single in reading order, else the first hidden single
// (rows before columns). Broken: a cell or a line digit with no place left.
Scan FindSingle(const Board& b, Single& out) {
  for (int r = 0; r < b.n; ++r)
    for (int c = 0; c < b.n; ++c) {
      const int i = r * kStride + c;
      if (!b.open[i]) continue;
      if (b.cand[i] == 0) return Scan::Broken;
      if (Count(b.cand[i]) == 1) {
        out = {i, Lowest(b.cand[i]), false, true, 0};
        return Scan::Found;
      }
    }
  const Bits all = DigitsUpTo(b.n);
  for (bool row : {true, false})
    for (int line = 0; line < b.n; ++line) {
      Bits placed = 0, once = 0, twice = 0;
      for (int p = 0; p < b.n; ++p) {
        const int i = LineCell(row, line, p);
        if (!b.open[i]) {
          placed |= b.cand[i];
        } else {
          twice |= once & b.cand[i];
          once |= b.cand[i];
        }
      }
      if (all & ~(placed | once)) return Scan::Broken;
      if (const Bits single = all & once & ~twice & ~placed) {
        const int d = Lowest(single);
        for (int p = 0; p < b.n; ++p) {
          const int i = LineCell(row, line, p);
          if (b.open[i] && (b.cand[i] & Bit(d))) out = {i, d, true, row, line};
        }
        return Scan::Found;
      }
    }
  return Scan::None;
}

// Whether the digit is a single at the cell on this board, and as what.
bool SingleAt(const Board& b, int cell, int digit, Single& out) {
  if (!b.open[cell] || !(b.cand[cell] & Bit(digit))) return false;
  if (b.cand[cell] == Bit(digit)) {
    out = {cell, digit, false, true, 0};
    return true;
  }
  for (bool row : {true, false}) {
    const int line = row ? cell / kStride : cell % kStride;
    bool alone = true;
    for (int p = 0; p < b.n && alone; ++p) {
      const int i = LineCell(row, line, p);
      alone = i == cell || !(b.cand[i] & Bit(digit));
    }
    if (alone) {
      out = {cell, digit, true, row, line};
      return true;
    }
  }
  return false;
}

// Whether steps of tiers up to `ceiling` lead to a single at all. Every step
// only narrows, so applying all there are until one shows or none is left
// answers for any order; no look-ahead, so it is cheap next to Search.
bool Reaches(const Board& base, const Signs& signs, int ceiling) {
  Board b = base;
  for (;;) {
    Single unused;
    const Scan scan = FindSingle(b, unused);
    if (scan != Scan::None) return scan == Scan::Found;
    std::vector<Step> steps;
    for (int tier = kSignBound; tier <= ceiling; ++tier) {
      // A chain narrows no further than its signs one at a time.
      if (tier == kSignChain) continue;
      ForEachStep(b, signs, tier, [&](const Step& step) {
        steps.push_back(step);
        return false;
      });
    }
    if (steps.empty()) return false;
    // Removals found on this board stay true as it narrows.
    for (const Step& step : steps) Apply(b, step);
  }
}

using Route = HintRoute<Step, Single>;

// Eliminations of tiers up to `ceiling` until a single shows. The simplest
// step after which a single shows is taken at once; otherwise the simplest
// step there is, and the search goes on from there.
bool Search(const Board& base, const Signs& signs, int ceiling, Route& route) {
  Board b = base;
  route.steps.clear();
  for (;;) {
    const Scan scan = FindSingle(b, route.single);
    if (scan != Scan::None) return scan == Scan::Found;
    std::optional<Step> first, direct;
    for (int tier = kSignBound; tier <= ceiling && !direct; ++tier)
      ForEachStep(b, signs, tier, [&](const Step& step) {
        if (!first) first = step;
        Board next = b;
        Apply(next, step);
        Single unused;
        if (FindSingle(next, unused) != Scan::Found) return false;
        direct = step;
        return true;
      });
    if (!first) return false;
    route.steps.push_back(direct ? std::move(*direct) : std::move(*first));
    Apply(b, route.steps.back());
  }
}

HintCell CellOf(int i) { return {i / kStride, i % kStride}; }
std::string NameOf(int i) { return CellName(i / kStride + 1, i % kStride + 1); }
std::string LineName(bool row, int line) {
  return (row ? "row " : "column ") + std::to_string(line + 1);
}

std::string StepName(const Step& step) {
  static constexpr const char* kSubsets[] = {"pair", "triple", "quad", "quint"};
  if (step.tier == kSignBound) return "Sign bound";
  if (step.tier == kSignChain) return "Sign chain";
  return std::string("Naked ") + kSubsets[step.tier - kPair] + " in " + LineName(step.row, step.line);
}

std::string SingleName(const Single& single) {
  return single.hidden ? "Hidden single in " + LineName(single.row, single.line) : "Naked single";
}

void SetCells(Hint& hint, const std::vector<int>& cells) {
  for (int i : cells) {
    hint.cells.push_back(CellOf(i));
    if (!hint.cellsText.empty()) hint.cellsText += ' ';
    hint.cellsText += NameOf(i);
  }
}

std::string RemovalText(const std::vector<HintRemoval>& removals) {
  std::vector<std::pair<std::string, std::uint16_t>> named;
  for (const HintRemoval& r : removals) named.push_back({NameOf(r.cell.row * kStride + r.cell.col), r.digits});
  return RemovalList(named);
}

}  // namespace

Hint FindHint(const FutHeader& header, const FutGrid& grid) {
  if (!BlocksAreValid(header, grid)) return {};
  const int n = header.size;
  Board base;
  base.n = n;
  bool full = true;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      const FutGridCell& x = grid.cells[r][c];
      const int i = r * kStride + c;
      if (!x.given && x.entry != 0 && x.entry != x.solution) {
        Hint hint;
        hint.type = Hint::Type::WrongEntry;
        hint.technique = "Wrong entry";
        hint.conclusion = "Wrong entry at " + NameOf(i);
        SetCells(hint, {i});
        hint.target = CellOf(i);
        return hint;
      }
      const int known = x.given ? x.solution : x.entry;
      base.open[i] = known == 0;
      base.cand[i] = known ? Bit(known) : DigitsUpTo(n);
      full = full && known != 0;
    }
  if (full) return {};
  // Candidates: what no known digit of the row or column rules out.
  for (int i = 0; i < n * kStride; ++i) {
    if (i % kStride >= n || base.open[i]) continue;
    for (int p = 0; p < n; ++p)
      for (int j : {LineCell(true, i / kStride, p), LineCell(false, i % kStride, p)})
        if (base.open[j]) base.cand[j] &= static_cast<Bits>(~base.cand[i]);
  }

  const Signs signs = ListSigns(grid, n);
  // The simplest kinds of step that reach a single at all: sign steps
  // alone first, then subsets one size larger at a time.
  int ceiling = kSignChain;
  while (ceiling <= kQuint && !Reaches(base, signs, ceiling)) ++ceiling;
  Route route;
  if (ceiling > kQuint || !Search(base, signs, ceiling, route)) return NoStepHint();
  PruneRoute(base, route, Derive, Apply, [](const Board& at, const Single& single) {
    Single again;
    return SingleAt(at, single.cell, single.digit, again) ? std::optional<Single>(again) : std::nullopt;
  });

  Hint hint;
  hint.type = Hint::Type::Placement;
  hint.target = CellOf(route.single.cell);
  hint.digit = route.single.digit;
  const std::string placement = std::to_string(hint.digit) + " goes in " + NameOf(route.single.cell);
  if (route.steps.empty()) {
    hint.technique = SingleName(route.single);
    hint.conclusion = placement;
    if (!route.single.hidden) {
      SetCells(hint, {route.single.cell});
    } else {
      std::vector<int> line;
      for (int p = 0; p < n; ++p) line.push_back(LineCell(route.single.row, route.single.line, p));
      SetCells(hint, line);
    }
  } else {
    hint.technique = StepName(route.steps.front());
    SetCells(hint, route.steps.front().cells);
    for (const Step& step : route.steps)
      for (const auto& [cell, digits] : step.removals) hint.removals.push_back({CellOf(cell), digits});
    hint.conclusion = "remove " + RemovalText(hint.removals) + ", then " + placement;
    if (route.single.hidden)
      hint.conclusion += " by a hidden single in " + LineName(route.single.row, route.single.line);
  }

  // Logic from a sound puzzle never contradicts its solution; a file whose
  // solution breaks its own givens or signs gets no step rather than a false one.
  for (const HintRemoval& r : hint.removals)
    if (r.digits & Bit(grid.cells[r.cell.row][r.cell.col].solution)) return NoStepHint();
  if (hint.digit != grid.cells[hint.target.row][hint.target.col].solution) return NoStepHint();
  return hint;
}

Hint FutoshikiPlayAdapter::NextHint() const { return FindHint(settings_, block_); }

}  // namespace zorvek::futoshiki
