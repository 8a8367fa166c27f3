#include "core/play/run_hints.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace zorvek::runhints {
namespace {

using Bits = std::uint16_t;  // bit d for digit d

constexpr int kMaxSum = 45;

int Count(unsigned bits) { return std::popcount(bits); }
bool Has(unsigned bits, int d) { return d >= 0 && d <= 9 && (bits >> d & 1u) != 0; }
Bits Bit(int d) { return d >= 0 && d <= 9 ? static_cast<Bits>(1u << d) : 0; }  // 0 off the digits

// "8", "8 or 9", "1, 2 or 3": the digits a cell cannot take.
std::string OrList(Bits digits) {
  std::string list = DigitList(digits);
  const std::size_t pos = list.rfind(" and ");
  if (pos != std::string::npos) list.replace(pos, 5, " or ");
  return list;
}

std::string RunName(const SumRun& run) {
  const std::size_t n = run.cells.size();
  return std::to_string(run.sum) + " in " + std::to_string(n) + (n == 1 ? " cell" : " cells");
}

// What a run still allows, from its cells' candidates.
struct Analysis {
  std::vector<Bits> combos;   // digit sets of the sum that some filling of the cells uses
  Bits allowed = 0;           // their union
  Bits needed = 0;            // their intersection
  std::vector<Bits> support;  // per run position: the digits some filling puts there
};

struct Step {
  std::string technique;
  std::vector<int> cells;  // the proving cells
  std::vector<std::pair<int, Bits>> removals;
};

struct Placement {
  std::string technique;
  std::vector<int> cells;
  int cell = -1;
  int digit = 0;
};

class Finder {
 public:
  explicit Finder(const RunPuzzle& puzzle);
  Hint Find();

 private:
  bool Empty(int cell) const { return puzzle_.cells[cell].entry < 0; }
  const SumRun& Run(int r) const { return puzzle_.runs[r]; }
  void Analyse(int r);
  bool Contradiction() const;

  bool FindPlacement(Placement& out) const;
  bool LastCell(Placement& out) const;
  bool NakedSingle(Placement& out) const;
  bool CrossingRuns(Placement& out) const;
  bool OnePlaceLeft(Placement& out) const;

  bool FindElimination(Step& out) const;
  bool RunRestriction(bool onlyCombination, Step& out) const;
  bool NakedSubset(int r, int size, Step& out) const;
  bool SumOutOfReach(Step& out) const;

  Hint Build(const Placement& placement, const std::vector<Step>& steps) const;
  std::string CellsText(const std::vector<int>& cells) const;
  std::string RemovalText(const Step& step) const;

  const RunPuzzle& puzzle_;
  std::vector<Bits> cand_;
  std::vector<std::vector<int>> runsOf_;
  std::vector<std::vector<Bits>> sets_;  // per run: every digit set of its size and sum
  std::vector<Analysis> analysis_;
  std::vector<char> dirty_;
  std::vector<char> touched_;  // runs whose cells lost candidates in this hint
  std::vector<int> order_;     // the runs eliminations look at: touched ones first
};

Finder::Finder(const RunPuzzle& puzzle) : puzzle_(puzzle) {
  const int n = static_cast<int>(puzzle.cells.size());
  const int low = std::clamp(puzzle.lowDigit, 0, 9), high = std::clamp(puzzle.highDigit, 0, 9);
  Bits range = 0;
  for (int d = low; d <= high; ++d) range |= static_cast<Bits>(1u << d);

  // Every set of distinct digits in range, by size and total.
  std::vector<std::vector<Bits>> table(11 * (kMaxSum + 1));
  for (unsigned set = 1; set < 1024; ++set) {
    if (set & ~unsigned{range}) continue;
    int total = 0;
    for (int d = 0; d <= 9; ++d)
      if (Has(set, d)) total += d;
    table[Count(set) * (kMaxSum + 1) + total].push_back(static_cast<Bits>(set));
  }

  const int runs = static_cast<int>(puzzle.runs.size());
  runsOf_.assign(n, {});
  sets_.assign(runs, {});
  for (int r = 0; r < runs; ++r) {
    const SumRun& run = puzzle.runs[r];
    for (int cell : run.cells) runsOf_[cell].push_back(r);
    const int size = static_cast<int>(run.cells.size());
    if (size >= 1 && size <= 10 && run.sum >= 0 && run.sum <= kMaxSum)
      sets_[r] = table[size * (kMaxSum + 1) + run.sum];
  }

  // An empty cell starts with what a player reads off its clues: digits no
  // cell of its runs holds yet, from sets holding every digit entered there.
  std::vector<Bits> entered(runs, 0);
  for (int r = 0; r < runs; ++r)
    for (int cell : puzzle.runs[r].cells)
      entered[r] |= Bit(puzzle.cells[cell].entry);
  cand_.assign(n, range);
  for (int i = 0; i < n; ++i)
    if (!Empty(i)) cand_[i] = Bit(puzzle.cells[i].entry);
  for (int r = 0; r < runs; ++r) {
    Bits allowed = 0;
    for (Bits set : sets_[r])
      if ((set & entered[r]) == entered[r]) allowed |= set;
    for (int cell : puzzle.runs[r].cells)
      if (Empty(cell)) cand_[cell] &= allowed & static_cast<Bits>(~entered[r]);
  }
  analysis_.assign(runs, {});
  dirty_.assign(runs, 1);
  touched_.assign(runs, 0);
}

// A set is kept when its digits can be dealt out one to a cell, each cell
// getting one of its candidates. Forward and backward reachability over the
// set's digits tell which digit each position can take in such a filling.
void Finder::Analyse(int r) {
  const std::vector<int>& cells = Run(r).cells;
  const int n = static_cast<int>(cells.size());
  Analysis& out = analysis_[r];
  out.combos.clear();
  out.allowed = 0;
  out.needed = 0x3FF;
  out.support.assign(n, 0);
  if (n == 0 || n > 10) return;
  const int states = 1 << n;
  const unsigned full = static_cast<unsigned>(states - 1);
  std::vector<std::uint8_t> forward((n + 1) * states), backward((n + 1) * states);
  for (Bits set : sets_[r]) {
    int digits[10];
    int k = 0;
    for (int d = 0; d <= 9; ++d)
      if (Has(set, d)) digits[k++] = d;
    unsigned local[10];  // per position: bit j when the set's j-th digit is a candidate
    for (int i = 0; i < n; ++i) {
      local[i] = 0;
      for (int j = 0; j < n; ++j)
        if (Has(cand_[cells[i]], digits[j])) local[i] |= 1u << j;
    }
    std::fill(forward.begin(), forward.end(), 0);
    std::fill(backward.begin(), backward.end(), 0);
    forward[0] = 1;
    for (int i = 0; i < n; ++i)
      for (unsigned m = 0; m <= full; ++m) {
        if (!forward[i * states + m]) continue;
        for (unsigned free = local[i] & ~m; free; free &= free - 1)
          forward[(i + 1) * states + (m | (free & -free))] = 1;
      }
    if (!forward[n * states + full]) continue;
    backward[n * states] = 1;
    for (int i = n - 1; i >= 0; --i)
      for (unsigned m = 0; m <= full; ++m) {
        if (!backward[(i + 1) * states + m]) continue;
        for (unsigned free = local[i] & ~m; free; free &= free - 1)
          backward[i * states + (m | (free & -free))] = 1;
      }
    for (int i = 0; i < n; ++i)
      for (unsigned m = 0; m <= full; ++m) {
        if (!forward[i * states + m]) continue;
        for (unsigned free = local[i] & ~m; free; free &= free - 1) {
          const unsigned bit = free & -free;
          if (backward[(i + 1) * states + (full ^ m ^ bit)])
            out.support[i] |= static_cast<Bits>(1u << digits[std::countr_zero(bit)]);
        }
      }
    out.combos.push_back(set);
    out.allowed |= set;
    out.needed &= set;
  }
  if (out.combos.empty()) out.needed = 0;
}

bool Finder::Contradiction() const {
  for (std::size_t i = 0; i < cand_.size(); ++i)
    if (cand_[i] == 0) return true;
  for (std::size_t r = 0; r < analysis_.size(); ++r)
    if (!Run(static_cast<int>(r)).cells.empty() && analysis_[r].combos.empty()) return true;
  return false;
}

// --- placements, simplest first ---

bool Finder::FindPlacement(Placement& out) const {
  // Crossing runs before naked singles: a player sees the digit two clues
  // leave a cell as their crossing, not as a lone candidate.
  return LastCell(out) || CrossingRuns(out) || NakedSingle(out) || OnePlaceLeft(out);
}

// Every other cell of the run is entered: the last one makes up the sum.
bool Finder::LastCell(Placement& out) const {
  for (std::size_t r = 0; r < puzzle_.runs.size(); ++r) {
    const SumRun& run = puzzle_.runs[r];
    int last = -1, empties = 0, total = 0;
    for (int cell : run.cells) {
      if (Empty(cell)) {
        last = cell;
        ++empties;
      } else {
        total += puzzle_.cells[cell].entry;
      }
    }
    if (empties != 1 || !Has(cand_[last], run.sum - total)) continue;
    out = {"Last cell of " + RunName(run), run.cells, last, run.sum - total};
    return true;
  }
  return false;
}

bool Finder::NakedSingle(Placement& out) const {
  for (std::size_t i = 0; i < cand_.size(); ++i) {
    if (!Empty(static_cast<int>(i)) || Count(cand_[i]) != 1) continue;
    out = {"Naked single", {static_cast<int>(i)}, static_cast<int>(i), std::countr_zero(unsigned{cand_[i]})};
    return true;
  }
  return false;
}

// One digit is allowed by both runs through a cell.
bool Finder::CrossingRuns(Placement& out) const {
  for (std::size_t i = 0; i < cand_.size(); ++i) {
    if (!Empty(static_cast<int>(i)) || runsOf_[i].size() < 2) continue;
    const int a = runsOf_[i][0], b = runsOf_[i][1];
    const unsigned both = cand_[i] & analysis_[a].allowed & analysis_[b].allowed;
    if (Count(both) != 1) continue;
    std::vector<int> cells = Run(a).cells;
    for (int cell : Run(b).cells)
      if (std::find(cells.begin(), cells.end(), cell) == cells.end()) cells.push_back(cell);
    out = {"Crossing runs " + RunName(Run(a)) + " and " + RunName(Run(b)), std::move(cells),
           static_cast<int>(i), std::countr_zero(both)};
    return true;
  }
  return false;
}

// A digit every remaining set of the run needs fits only one of its cells.
bool Finder::OnePlaceLeft(Placement& out) const {
  for (std::size_t r = 0; r < puzzle_.runs.size(); ++r) {
    const SumRun& run = puzzle_.runs[r];
    for (int d = 0; d <= 9; ++d) {
      if (!Has(analysis_[r].needed, d)) continue;
      int place = -1, places = 0;
      for (int cell : run.cells) {
        if (!Empty(cell) && puzzle_.cells[cell].entry == d) places = 2;  // already in
        if (Empty(cell) && Has(cand_[cell], d)) {
          place = cell;
          ++places;
        }
      }
      if (places != 1) continue;
      out = {"One place left for " + std::to_string(d) + " in the run", run.cells, place, d};
      return true;
    }
  }
  return false;
}

// --- eliminations, simplest first ---

bool Finder::FindElimination(Step& out) const {
  if (RunRestriction(true, out) || RunRestriction(false, out)) return true;
  for (int size = 2; size <= 4; ++size)
    for (int r : order_)
      if (NakedSubset(r, size, out)) return true;
  return SumOutOfReach(out);
}

// The cells of a run keep only the digits of the sets that still fit them.
bool Finder::RunRestriction(bool onlyCombination, Step& out) const {
  for (int r : order_) {
    const Analysis& a = analysis_[r];
    if (onlyCombination && a.combos.size() != 1) continue;
    Step step;
    for (int cell : Run(r).cells) {
      const Bits lost = cand_[cell] & static_cast<Bits>(~a.allowed);
      if (Empty(cell) && lost) step.removals.push_back({cell, lost});
    }
    if (step.removals.empty()) continue;
    step.technique = (onlyCombination ? "Only combination for " : "Digits allowed by ") + RunName(Run(r));
    step.cells = Run(r).cells;
    out = std::move(step);
    return true;
  }
  return false;
}

// `size` empty cells of a run whose candidates together are `size` digits
// take those digits; the run's other cells lose them.
bool Finder::NakedSubset(int r, int size, Step& out) const {
  std::vector<int> empties;
  for (int cell : Run(r).cells)
    if (Empty(cell)) empties.push_back(cell);
  const int m = static_cast<int>(empties.size());
  if (m <= size) return false;
  for (unsigned pick = 0; pick < (1u << m); ++pick) {
    if (Count(pick) != size) continue;
    unsigned digits = 0;
    for (int j = 0; j < m; ++j)
      if (pick >> j & 1u) digits |= cand_[empties[j]];
    if (Count(digits) != size) continue;
    Step step;
    for (int j = 0; j < m; ++j) {
      const Bits lost = cand_[empties[j]] & static_cast<Bits>(digits);
      if (!(pick >> j & 1u) && lost) step.removals.push_back({empties[j], lost});
    }
    if (step.removals.empty()) continue;
    static const char* const kNames[] = {"", "", "Naked pair", "Naked triple", "Naked quad"};
    step.technique = std::string(kNames[size]) + " in the run";
    step.cells = Run(r).cells;
    out = std::move(step);
    return true;
  }
  return false;
}

// A digit in a cell with which no filling of the rest of the run, distinct
// digits from their candidates, reaches the sum.
bool Finder::SumOutOfReach(Step& out) const {
  for (int r : order_) {
    const SumRun& run = puzzle_.runs[r];
    for (std::size_t i = 0; i < run.cells.size(); ++i) {
      const int cell = run.cells[i];
      const Bits lost = cand_[cell] & static_cast<Bits>(~analysis_[r].support[i]);
      if (!Empty(cell) || !lost) continue;
      out.technique =
          "No way to make " + RunName(run) + " with " + OrList(lost) + " in " + puzzle_.cells[cell].name;
      out.cells = run.cells;
      out.removals = {{cell, lost}};
      return true;
    }
  }
  return false;
}

// --- the hint ---

std::string Finder::CellsText(const std::vector<int>& cells) const {
  std::string text;
  for (int cell : cells) {
    if (!text.empty()) text += ' ';
    text += puzzle_.cells[cell].name;
  }
  return text;
}

std::string Finder::RemovalText(const Step& step) const {
  std::vector<std::pair<std::string, std::uint16_t>> named;
  for (const auto& [cell, digits] : step.removals) named.push_back({puzzle_.cells[cell].name, digits});
  return RemovalList(named);
}

Hint Finder::Build(const Placement& placement, const std::vector<Step>& steps) const {
  Hint hint;
  hint.type = Hint::Type::Placement;
  hint.target = puzzle_.cells[placement.cell].at;
  hint.digit = placement.digit;
  const std::string goes = std::to_string(placement.digit) + " goes in " + puzzle_.cells[placement.cell].name;
  if (steps.empty()) {
    hint.technique = placement.technique;
    hint.cells.reserve(placement.cells.size());
    for (int cell : placement.cells) hint.cells.push_back(puzzle_.cells[cell].at);
    hint.cellsText = CellsText(placement.cells);
    hint.conclusion = goes;
    return hint;
  }
  const Step& first = steps.front();
  hint.technique = first.technique;
  for (int cell : first.cells) hint.cells.push_back(puzzle_.cells[cell].at);
  hint.cellsText = CellsText(first.cells);
  for (const Step& step : steps)
    for (const auto& [cell, digits] : step.removals)
      hint.removals.push_back({puzzle_.cells[cell].at, digits});
  hint.conclusion = "remove " + RemovalText(first) + ", then ";
  if (steps.size() > 1) {
    const std::size_t more = steps.size() - 1;
    hint.conclusion += "after " + std::to_string(more) + (more == 1 ? " more step " : " more steps ");
  }
  hint.conclusion += goes;
  return hint;
}

Hint Finder::Find() {
  const int n = static_cast<int>(puzzle_.cells.size());
  for (int i = 0; i < n; ++i) {
    const RunCell& cell = puzzle_.cells[i];
    if (cell.entry < 0 || cell.entry == cell.solution) continue;
    Hint hint;
    hint.type = Hint::Type::WrongEntry;
    hint.technique = "Wrong entry";
    hint.conclusion = "Wrong entry at " + cell.name;
    hint.cells = {cell.at};
    hint.cellsText = cell.name;
    hint.target = cell.at;
    return hint;
  }
  if (std::none_of(puzzle_.cells.begin(), puzzle_.cells.end(), [](const RunCell& c) { return c.entry < 0; }))
    return {};

  // Every step removes a candidate, so this ends. A step that would take out
  // the stored answer means clues and solution disagree: say nothing then.
  std::vector<Step> steps;
  for (;;) {
    for (std::size_t r = 0; r < dirty_.size(); ++r)
      if (dirty_[r]) {
        Analyse(static_cast<int>(r));
        dirty_[r] = 0;
      }
    if (Contradiction()) return NoStepHint();
    Placement placement;
    if (FindPlacement(placement)) {
      if (placement.digit != puzzle_.cells[placement.cell].solution) return NoStepHint();
      return Build(placement, steps);
    }
    // A chain follows its own thread: runs it touched come first at each level.
    order_.clear();
    for (int pass = 1; pass >= 0; --pass)
      for (std::size_t r = 0; r < touched_.size(); ++r)
        if (touched_[r] == pass) order_.push_back(static_cast<int>(r));
    Step step;
    if (!FindElimination(step)) return NoStepHint();
    for (const auto& [cell, digits] : step.removals) {
      if (Has(digits, puzzle_.cells[cell].solution)) return NoStepHint();
      cand_[cell] &= static_cast<Bits>(~digits);
      for (int r : runsOf_[cell]) dirty_[r] = touched_[r] = 1;
    }
    steps.push_back(std::move(step));
  }
}

}  // namespace

Hint FindRunHint(const RunPuzzle& puzzle) {
  for (const SumRun& run : puzzle.runs)
    for (int cell : run.cells)
      if (cell < 0 || cell >= static_cast<int>(puzzle.cells.size())) return NoStepHint();
  Finder finder(puzzle);
  return finder.Find();
}

}  // namespace zorvek::runhints
