#include "core/sudoku/solver.h"

#include <bit>

namespace zorvek::sudoku {
namespace {

constexpr unsigned kAllDigits = 0x1FFu;

struct Tables {
  int boxRow[10][10];
  int boxCol[10][10];
  // Cell of position pos (0..8) of unit (0..8) of kind 0 row, 1 column, 2 box.
  std::uint8_t unit[3][9][9];
  // The cells a placement clears, in clearing order: the box, then the
  // column, then the row, each without the cell itself (some cells twice).
  std::uint8_t peers[81][24];
  std::uint32_t units[81];  // the cell's row, column and box as unit bits
  std::uint8_t box[81];
  std::uint8_t boxPosition[81];  // the cell's position in its box

  Tables() {
    for (int b = 1; b <= 9; ++b)
      for (int p = 1; p <= 9; ++p) {
        boxRow[b][p] = (b - 1) / 3 * 3 + (p - 1) / 3;
        boxCol[b][p] = (b - 1) % 3 * 3 + (p - 1) % 3;
      }
    for (int u = 0; u < 9; ++u)
      for (int p = 0; p < 9; ++p) {
        unit[0][u][p] = static_cast<std::uint8_t>(u * 9 + p);
        unit[1][u][p] = static_cast<std::uint8_t>(p * 9 + u);
        unit[2][u][p] = static_cast<std::uint8_t>(boxRow[u + 1][p + 1] * 9 + boxCol[u + 1][p + 1]);
      }
    for (int i = 0; i < 81; ++i) {
      const int row = i / 9, col = i % 9, box = row / 3 * 3 + col / 3;
      int n = 0;
      for (int p = 0; p < 9; ++p)
        if (unit[2][box][p] != i) peers[i][n++] = unit[2][box][p];
      for (int r = 0; r < 9; ++r)
        if (r != row) peers[i][n++] = static_cast<std::uint8_t>(r * 9 + col);
      for (int c = 0; c < 9; ++c)
        if (c != col) peers[i][n++] = static_cast<std::uint8_t>(row * 9 + c);
    }
    for (int i = 0; i < 81; ++i) {
      units[i] = 1u << (i / 9) | 1u << (9 + i % 9) | 1u << (18 + i / 27 * 3 + i % 9 / 3);
      box[i] = static_cast<std::uint8_t>(i / 27 * 3 + i % 9 / 3);
      boxPosition[i] = static_cast<std::uint8_t>(i / 9 % 3 * 3 + i % 3);
    }
  }
};
const Tables kT;

int Count(unsigned mask) { return CountDigits(mask); }
std::int8_t Saturate(std::int32_t v) {
  return static_cast<std::int8_t>(v < -128 ? -128 : v > 127 ? 127 : v);
}
int Lowest(unsigned mask) { return std::countr_zero(mask); }  // bit index

// Every unit's subset search starts over.
void MarkAllSubsetsDirty(PackedBoard& board) {
  for (std::uint16_t& d : board.subsetsDirty) d = 0x1FFu;
}

}  // namespace

int BoxCellRow(int box, int position) { return kT.boxRow[box][position]; }
int BoxCellColumn(int box, int position) { return kT.boxCol[box][position]; }

void Pack(const SolverBoard& from, PackedBoard& to) {
  for (int i = 0; i < 81; ++i) {
    const SolverCell& c = from.cells[i];
    unsigned m = 0, marks = 0;
    for (int d = 0; d < 9; ++d)
      if (c.Candidates[d]) m |= 1u << d;
    for (int k = 0; k < 12; ++k)
      if (c.SubsetMarks[k]) marks |= 1u << k;
    to.candidates[i] = static_cast<std::uint16_t>(m);
    to.marks[i] = static_cast<std::uint16_t>(marks);
    to.value[i] = Saturate(c.Value);
    to.given[i] = c.Given;
  }
  to.singlesClean = to.subsetsClean = to.crossClean = to.boxColumnsClean = 0;
  to.subsetLevel = 0;
  MarkAllSubsetsDirty(to);
}

void Unpack(const PackedBoard& from, SolverBoard& to) {
  for (int i = 0; i < 81; ++i) {
    SolverCell& c = to.cells[i];
    const unsigned m = from.candidates[i];
    c.Given = from.given[i];
    c.Value = from.value[i];
    c.CandidateCount = Count(m);
    for (int d = 0; d < 9; ++d) c.Candidates[d] = (m >> d) & 1u;
    for (int k = 0; k < 12; ++k) c.SubsetMarks[k] = (from.marks[i] >> k) & 1u;
  }
}

// ---- SolverBoard entry points: the packed steps between a pack and an unpack.

void Solver::ResetBoard(SolverBoard& board) {
  PackedBoard packed;
  ResetBoard(packed);
  Unpack(packed, board);
}

void Solver::ResetFromGivens(SolverBoard& board) {
  PackedBoard packed;
  Pack(board, packed);
  ResetFromGivens(packed);
  Unpack(packed, board);
}

void Solver::PlaceDigit(SolverBoard& board, int row, int col, int digit) {
  PackedBoard packed;
  Pack(board, packed);
  PlaceDigit(packed, row * 9 + col, digit);
  Unpack(packed, board);
}

bool Solver::SolveLogically(SolverBoard& board, int level) {
  PackedBoard packed;
  Pack(board, packed);
  const bool ok = SolveLogically(packed, level);
  Unpack(packed, board);
  return ok;
}

bool IsSolved(const SolverBoard& board) {
  for (const SolverCell& c : board.cells)
    if (c.Value == -1) return false;
  return true;
}

bool AllDigitsCoverable(const SolverBoard& board) {
  PackedBoard packed;
  Pack(board, packed);
  return AllDigitsCoverable(packed);
}

// ---- The packed solver.

void Solver::ClearDone() {
  for (int k = 0; k < 9; ++k)
    rowBoxDone_[k] = columnBoxDone_[k] = boxRowDone_[k] = boxColumnDone_[k] = 0;
}

DoneTables Solver::done() const {
  DoneTables t{};
  for (int k = 0; k < 9; ++k)
    for (int d = 0; d < 9; ++d) {
      t.RowBoxDone[k][d] = rowBoxDone_[k] >> d & 1u;
      t.ColumnBoxDone[k][d] = columnBoxDone_[k] >> d & 1u;
      t.BoxRowDone[k][d] = boxRowDone_[k] >> d & 1u;
      t.BoxColumnDone[k][d] = boxColumnDone_[k] >> d & 1u;
    }
  return t;
}

void Solver::Touch(PackedBoard& board, int index) {
  const std::uint32_t units = kT.units[index];
  board.singlesClean &= ~units;
  board.subsetsClean &= ~units;
  board.crossClean &= ~units;
  board.boxColumnsClean &= ~units;
  board.subsetsDirty[index / 9] = static_cast<std::uint16_t>(board.subsetsDirty[index / 9] | 1u << (index % 9));
  board.subsetsDirty[9 + index % 9] =
      static_cast<std::uint16_t>(board.subsetsDirty[9 + index % 9] | 1u << (index / 9));
  board.subsetsDirty[18 + kT.box[index]] =
      static_cast<std::uint16_t>(board.subsetsDirty[18 + kT.box[index]] | 1u << kT.boxPosition[index]);
}

void Solver::ResetBoard(PackedBoard& board) {
  for (int i = 0; i < 81; ++i) {
    board.candidates[i] = kAllDigits;
    board.marks[i] = 0;
    board.value[i] = -1;
    board.given[i] = 0;
  }
  board.singlesClean = board.subsetsClean = board.crossClean = board.boxColumnsClean = 0;
  board.subsetLevel = 0;
  MarkAllSubsetsDirty(board);
  ClearDone();
}

void Solver::ResetFromGivens(PackedBoard& board) {
  for (int i = 0; i < 81; ++i) {
    const int v = board.value[i];
    board.marks[i] = 0;
    if (board.given[i] == 1 && v >= 1 && v <= 9) {
      board.candidates[i] = static_cast<std::uint16_t>(1u << (v - 1));
    } else {
      board.candidates[i] = kAllDigits;
      board.value[i] = -1;
      board.given[i] = 0;
    }
  }
  board.singlesClean = board.subsetsClean = board.crossClean = board.boxColumnsClean = 0;
  board.subsetLevel = 0;
  MarkAllSubsetsDirty(board);
  ClearDone();
  for (int i = 0; i < 81; ++i)
    if (board.given[i] == 1) PlaceDigit(board, i, board.value[i]);
}

void Solver::RemoveCandidate(PackedBoard& board, int index, unsigned bit) {
  unsigned m = board.candidates[index];
  if (!(m & bit)) return;
  m &= ~bit;
  board.candidates[index] = static_cast<std::uint16_t>(m);
  Touch(board, index);
  // Naked singles follow at once, depth first.
  if (m != 0 && (m & (m - 1)) == 0) PlaceDigit(board, index, -1);
}

void Solver::PlaceDigit(PackedBoard& board, int index, int digit) {
  if (digit == -1) {
    const unsigned m = board.candidates[index];
    if (m == 0) return;  // no candidate left: a contradiction found later
    digit = 32 - __builtin_clz(m);  // the highest one
  }
  if (digit < 1 || digit > 9) return;
  const unsigned bit = 1u << (digit - 1);
  board.candidates[index] = static_cast<std::uint16_t>(bit);
  board.value[index] = static_cast<std::int8_t>(digit);
  Touch(board, index);
  for (const std::uint8_t peer : kT.peers[index]) RemoveCandidate(board, peer, bit);
}

bool Solver::HiddenSingles(PackedBoard& board, int kind, bool& progress) {
  for (int unit = 0; unit < 9; ++unit) {
    const std::uint32_t unitBit = 1u << (kind * 9 + unit);
    if (board.singlesClean & unitBit) continue;
    const std::uint8_t* cells = kT.unit[kind][unit];
    // once/twice: digits possible in at least one/two open cells; placed:
    // digits already placed (they count as ten).
    unsigned once = 0, twice = 0, placed = 0;
    for (int pos = 0; pos < 9; ++pos) {
      const int i = cells[pos];
      const int v = board.value[i];
      if (v != -1) {
        if (v >= 1 && v <= 9) placed |= 1u << (v - 1);
        continue;
      }
      const unsigned m = board.candidates[i];
      twice |= once & m;
      once |= m;
    }
    const unsigned nowhere = kAllDigits & ~(once | placed);
    const unsigned single = once & ~twice & ~placed;
    if ((nowhere | single) == 0) {
      board.singlesClean |= unitBit;
      continue;
    }
    // The cell of each single, taken before any of them is placed.
    int where[9] = {};
    if (single != 0)
      for (int pos = 0; pos < 9; ++pos) {
        const int i = cells[pos];
        if (board.value[i] != -1) continue;
        for (unsigned s = board.candidates[i] & single; s != 0; s &= s - 1) where[Lowest(s)] = i;
      }
    for (unsigned todo = nowhere | single; todo != 0; todo &= todo - 1) {
      const int d = Lowest(todo);
      if (nowhere >> d & 1u) return false;
      const int i = where[d];
      if (board.value[i] == d + 1) continue;
      // An earlier single of this unit may have taken the cell or the digit.
      if (board.value[i] != -1 || !(board.candidates[i] >> d & 1u)) return false;
      PlaceDigit(board, i, d + 1);
      progress = true;
    }
  }
  return true;
}

// The state of one unit's subset search: cells chosen so far at increasing
// positions. Everything is read live, as eliminations may change the board
// between two steps.
struct Solver::SubsetSearch {
  PackedBoard& board;
  const std::uint8_t* cells;
  int level;
  int markBase;
  bool& progress;
  bool& contradiction;
  int chosen[5];

  bool Usable(int pos) const {
    const int i = cells[pos];
    return board.value[i] == -1 && Count(board.candidates[i]) <= level;
  }
  bool Marked(int pos, int size) const {
    return board.marks[cells[pos]] >> (markBase + size - 2) & 1u;
  }
  bool MarksClear(int count, int size) const {
    for (int k = 0; k < count; ++k)
      if (Marked(chosen[k], size)) return false;
    return true;
  }
};

void Solver::ExtendSubset(SubsetSearch& s, int count) {
  const int size = count + 1;
  for (int pos = s.chosen[count - 1] + 1; pos < 9 && !s.contradiction; ++pos) {
    // The cells so far must stay undetermined and unmarked at this size.
    if (!s.MarksClear(count, size)) return;
    for (int k = 0; k < count; ++k)
      if (!s.Usable(s.chosen[k])) return;
    if (!s.Usable(pos) || s.Marked(pos, size)) continue;
    s.chosen[count] = pos;
    unsigned u = 0;
    for (int k = 0; k < size; ++k) u |= s.board.candidates[s.cells[s.chosen[k]]];
    const int n = Count(u);
    if (n == size) {
      if (size == 3 && s.chosen[1] == s.chosen[0] + 1 && s.chosen[2] == s.chosen[1] + 1) {
        s.contradiction = true;
        return;
      }
      unsigned members = 0;
      for (int k = 0; k < size; ++k) members |= 1u << s.chosen[k];
      for (int p = 0; p < 9; ++p) {
        if (members >> p & 1u) continue;
        // A cell determined on the way still loses the rest of U: that is
        // how a contradiction here surfaces in AllDigitsCoverable.
        const int i = s.cells[p];
        for (unsigned rest = u; rest != 0; rest &= rest - 1) {
          const unsigned bit = rest & (0u - rest);
          if (s.board.candidates[i] & bit) {
            RemoveCandidate(s.board, i, bit);
            s.progress = true;
          }
        }
      }
      for (int k = 0; k < size; ++k) {
        const int i = s.cells[s.chosen[k]];
        s.board.marks[i] |= static_cast<std::uint16_t>(1u << (s.markBase + size - 2));
        Touch(s.board, i);
      }
    } else if (n <= s.level && size < 5 && s.MarksClear(size, size + 1)) {
      ExtendSubset(s, size);
    }
  }
}

namespace {

// Would the subset search of one unit find anything? On a snapshot of the
// unit, so no state changes: the same steps as the live search up to its
// first find. marked[k]: positions marked at subset size k + 2. Every step
// of the search reads only the cells chosen so far, so a subset of cells
// unchanged since the search last found nothing is found no more now:
// branches that can no longer take in a changed (dirty) position are cut.
bool AnySubset(const unsigned (&cand)[9], unsigned candidates, const unsigned (&marked)[4],
               int level, unsigned dirty, int count, unsigned u, int last, unsigned chosen) {
  const int size = count + 1;
  for (unsigned open = candidates & ~marked[size - 2] & (~0u << (last + 1)); open != 0;
       open &= open - 1) {
    const int pos = std::countr_zero(open);
    const unsigned grown = u | cand[pos];
    const int n = Count(grown);
    const unsigned members = chosen | 1u << pos;
    if (n == size) return true;
    if (n <= level && size < 5 && (members & marked[size - 1]) == 0 &&
        ((members & dirty) != 0 || (dirty >> (pos + 1)) != 0) &&
        AnySubset(cand, candidates, marked, level, dirty, size, grown, pos, members))
      return true;
  }
  return false;
}

}  // namespace

void Solver::NakedSubsets(PackedBoard& board, int kind, int level, bool& progress,
                          bool& contradiction) {
  if (level < 2) return;  // only cells of at most `level` candidates take part
  for (int unit = 0; unit < 9 && !contradiction; ++unit) {
    const std::uint32_t unitBit = 1u << (kind * 9 + unit);
    if (board.subsetsClean & unitBit) continue;
    const std::uint8_t* cells = kT.unit[kind][unit];
    // A subset found now must take in a changed cell that may still join one.
    unsigned dirty = 0;
    for (unsigned d = board.subsetsDirty[kind * 9 + unit]; d != 0; d &= d - 1) {
      const int i = cells[std::countr_zero(d)];
      if (board.value[i] == -1 && Count(board.candidates[i]) <= level) dirty |= d & (0u - d);
    }
    if (dirty == 0) {
      board.subsetsClean |= unitBit;
      board.subsetsDirty[kind * 9 + unit] = 0;
      continue;
    }
    unsigned cand[9], usable = 0, marked[4] = {}, anyMarks = 0;
    for (int pos = 0; pos < 9; ++pos) {
      const int i = cells[pos];
      cand[pos] = board.candidates[i];
      if (board.value[i] == -1 && Count(cand[pos]) <= level) usable |= 1u << pos;
      anyMarks |= board.marks[i];
    }
    if ((anyMarks >> (kind * 4) & 15u) != 0)
      for (int pos = 0; pos < 9; ++pos)
        for (int k = 0; k < 4; ++k)
          marked[k] |= (board.marks[cells[pos]] >> (kind * 4 + k) & 1u) << pos;
    // Most units hold no subset: then the live search below would change
    // nothing, and is skipped. A first cell past the last dirty position
    // leaves no dirty one to take in.
    bool any = false;
    const unsigned reach = dirty == 0 ? 0u : (2u << (31 - __builtin_clz(dirty))) - 1u;
    for (unsigned open = usable & ~marked[0] & reach; open != 0 && !any; open &= open - 1) {
      const int p1 = std::countr_zero(open);
      any = AnySubset(cand, usable, marked, level, dirty, 1, cand[p1], p1, 1u << p1);
    }
    if (!any) {
      board.subsetsClean |= unitBit;
      board.subsetsDirty[kind * 9 + unit] = 0;
      continue;
    }
    SubsetSearch s{board, cells, level, kind * 4, progress, contradiction, {}};
    for (int p1 = 0; p1 < 9 && !contradiction; ++p1) {
      if (!s.Usable(p1) || s.Marked(p1, 2)) continue;
      s.chosen[0] = p1;
      ExtendSubset(s, 1);
    }
  }
}

void Solver::Intersections(PackedBoard& board, bool& progress) {
  // A digit fires when it lies in exactly one of three parts; `todo` holds
  // the digits still to look at in this pass, in increasing order, and the
  // parts are rebuilt after each firing. A unit is clean only when no digit
  // without its done mark would fire on the board as it is now, lower ones
  // passed over in this pass included.
  auto onlyOne = [](const unsigned (&part)[3]) {
    return (part[0] ^ part[1] ^ part[2]) & ~(part[0] & part[1] & part[2]);
  };
  // Rows and columns to boxes: the line's three box segments.
  for (int kind = 0; kind < 2; ++kind) {
    for (int line = 0; line < 9; ++line) {
      const std::uint32_t unitBit = 1u << (kind * 9 + line);
      if (board.crossClean & unitBit) continue;
      const std::uint8_t* cells = kT.unit[kind][line];
      std::uint16_t& done = kind == 0 ? rowBoxDone_[line] : columnBoxDone_[line];
      unsigned todo = kAllDigits & ~done;
      for (;;) {
        if (todo == 0) {
          if (done == kAllDigits) board.crossClean |= unitBit;
          break;
        }
        unsigned segment[3];
        for (int s = 0; s < 3; ++s)
          segment[s] = board.candidates[cells[s * 3]] | board.candidates[cells[s * 3 + 1]] |
                       board.candidates[cells[s * 3 + 2]];
        const unsigned fire = onlyOne(segment) & todo;
        if (fire == 0) {
          if ((onlyOne(segment) & ~done & kAllDigits) == 0) board.crossClean |= unitBit;
          break;
        }
        const int d = Lowest(fire);
        const unsigned bit = 1u << d;
        const int only = segment[0] & bit ? 0 : segment[1] & bit ? 1 : 2;
        todo &= ~0u << (d + 1);
        done |= static_cast<std::uint16_t>(bit);
        progress = true;
        const int firstLine = line / 3 * 3;
        for (int l = firstLine; l < firstLine + 3; ++l) {
          if (l == line) continue;
          for (int k = 0; k < 3; ++k) RemoveCandidate(board, kT.unit[kind][l][only * 3 + k], bit);
        }
      }
    }
  }
  // Boxes to rows and columns: the box's three rows (or columns).
  for (int kind = 0; kind < 2; ++kind) {
    for (int b = 0; b < 9; ++b) {
      const std::uint32_t unitBit = 1u << (18 + b);
      std::uint32_t& clean = kind == 0 ? board.crossClean : board.boxColumnsClean;
      if (clean & unitBit) continue;
      std::uint16_t& done = kind == 0 ? boxRowDone_[b] : boxColumnDone_[b];
      const int firstRow = b / 3 * 3, firstCol = b % 3 * 3;
      unsigned todo = kAllDigits & ~done;
      for (;;) {
        if (todo == 0) {
          if (done == kAllDigits) clean |= unitBit;
          break;
        }
        unsigned part[3];
        for (int l = 0; l < 3; ++l) {
          unsigned m = 0;
          for (int k = 0; k < 3; ++k)
            m |= kind == 0 ? board.candidates[(firstRow + l) * 9 + firstCol + k]
                           : board.candidates[(firstRow + k) * 9 + firstCol + l];
          part[l] = m;
        }
        const unsigned fire = onlyOne(part) & todo;
        if (fire == 0) {
          if ((onlyOne(part) & ~done & kAllDigits) == 0) clean |= unitBit;
          break;
        }
        const int d = Lowest(fire);
        const unsigned bit = 1u << d;
        const int line =
            (kind == 0 ? firstRow : firstCol) + (part[0] & bit ? 0 : part[1] & bit ? 1 : 2);
        todo &= ~0u << (d + 1);
        done |= static_cast<std::uint16_t>(bit);
        progress = true;
        const int first = kind == 0 ? firstCol : firstRow;
        for (int other = 0; other < 9; ++other) {
          if (other >= first && other < first + 3) continue;
          RemoveCandidate(board, kind == 0 ? line * 9 + other : other * 9 + line, bit);
        }
      }
    }
  }
}

bool Solver::SolveLogically(PackedBoard& board, int level) {
  if (board.subsetLevel != level) {
    board.subsetsClean = 0;
    board.subsetLevel = level;
    MarkAllSubsetsDirty(board);
  }
  bool progress = true;
  while (progress) {
    progress = false;
    if (level > 2)
      for (int kind = 0; kind < 3; ++kind)
        if (!HiddenSingles(board, kind, progress)) return false;
    for (int kind = 0; kind < 3; ++kind) {
      bool contradiction = false;
      NakedSubsets(board, kind, level, progress, contradiction);
      if (contradiction) return false;
    }
    if (level > 2) Intersections(board, progress);
  }
  return true;
}

bool IsSolved(const PackedBoard& board) {
  for (const std::int8_t v : board.value)
    if (v == -1) return false;
  return true;
}

bool AllDigitsCoverable(const PackedBoard& board) {
  for (int kind = 0; kind < 2; ++kind)
    for (int line = 0; line < 9; ++line) {
      unsigned u = 0;
      for (const std::uint8_t i : kT.unit[kind][line]) u |= board.candidates[i];
      if (u != kAllDigits) return false;
    }
  return true;
}

}  // namespace zorvek::sudoku
