#include "core/futoshiki/solver.h"

#include <bit>

namespace zorvek::futoshiki {
namespace {

constexpr int kLevels[3][3] = {
    {1, 1, 2},  // Easy: 5, 7, 9
    {2, 3, 3},  // Medium
    {3, 5, 5},  // Hard
};

constexpr int kStride = kMaxSize;

// Bits 1..n: the digits of an n x n board.
unsigned DigitsUpTo(int n) { return (2u << n) - 2u; }

int Highest(unsigned candidates, int n) {
  const unsigned m = candidates & DigitsUpTo(n);
  return m ? 31 - __builtin_clz(m) : -10;
}

int Lowest(unsigned candidates, int n) {
  const unsigned m = candidates & DigitsUpTo(n);
  return m ? std::countr_zero(m) : 10;
}

// By table: no popcount instruction is assumed. Candidate sets use bits 0..9.
struct BitCounts {
  std::uint8_t v[1024];
  constexpr BitCounts() : v() {
    for (int m = 1; m < 1024; ++m) v[m] = static_cast<std::uint8_t>(v[m >> 1] + (m & 1));
  }
};
constexpr BitCounts kBitCounts;
int CountBits(unsigned m) { return kBitCounts.v[m & 1023u]; }

std::int8_t Saturate(std::int32_t v) {
  return static_cast<std::int8_t>(v < -128 ? -128 : v > 127 ? 127 : v);
}

// The signs of a cell only care about its lowest and highest candidate.
void MarkSignsIfEnds(PackedFutBoard& board, int n, int index, unsigned before) {
  const unsigned after = board.cells[index].candidates;
  if (Highest(before, n) != Highest(after, n) || Lowest(before, n) != Lowest(after, n))
    packed::MarkSigns(board, index);
}

// Clears one candidate; a cell left with a single one is fixed at once.
void Drop(PackedFutBoard& board, int n, int index, int digit, bool& changed) {
  const unsigned bit = 1u << digit;
  const unsigned before = board.cells[index].candidates;
  if (!(before & bit)) return;
  board.cells[index].candidates = static_cast<std::uint16_t>(before & ~bit);
  --board.cells[index].count;
  packed::Touch(board, index);
  MarkSignsIfEnds(board, n, index, before);
  changed = true;
  if (board.cells[index].count == 1) packed::FixCell(board, n, index);
}

// Clears several candidates of one cell at once. Where dropping them one by
// one would fix the cell before its last one goes, the cell ends up empty
// either way and the solve fails; otherwise the board ends up the same.
void DropAll(PackedFutBoard& board, int n, int index, unsigned bits) {
  PackedFutCell& c = board.cells[index];
  const unsigned before = c.candidates;
  c.candidates = static_cast<std::uint16_t>(before & ~bits);
  c.count = static_cast<std::int8_t>(c.count - CountBits(bits));
  packed::Touch(board, index);
  MarkSignsIfEnds(board, n, index, before);
  if (c.count == 1) packed::FixCell(board, n, index);
}

// Greater cell g, smaller cell s: false when the sign can no longer hold.
bool BoundSign(PackedFutBoard& board, int n, int g, int s, bool& changed) {
  const unsigned all = DigitsUpTo(n);
  const int maxG = Highest(board.cells[g].candidates, n);
  const int minS = Lowest(board.cells[s].candidates, n);
  if (maxG <= minS) return false;
  const unsigned low = board.cells[g].candidates & DigitsUpTo(minS);
  const unsigned high = board.cells[s].candidates & all & ~DigitsUpTo(maxG - 1);
  if (low != 0) {
    DropAll(board, n, g, low);
    changed = true;
  }
  // Taken after g's drops, as a cell fixed there may have cleared some.
  const unsigned highNow = board.cells[s].candidates & high;
  if (highNow != 0) {
    DropAll(board, n, s, highNow);
    changed = true;
  }
  return true;
}

// The sign bounds until nothing more follows. Each step only narrows
// candidates, and a narrowing never stops another from applying, so the
// order of visits does not change where this ends: only the signs of cells
// changed since the last visit are looked at again.
bool ApplySignBounds(PackedFutBoard& board, int n, bool& changed) {
  const unsigned columns = (1u << n) - 1u;
  for (;;) {
    int row = 0;
    while (row < n && (board.signsDirty[row] & columns) == 0) board.signsDirty[row++] = 0;
    if (row == n) return true;
    const int col = std::countr_zero(board.signsDirty[row] & columns);
    board.signsDirty[row] = static_cast<std::uint16_t>(board.signsDirty[row] & ~(1u << col));
    const int i = row * kStride + col;
    // Signs pointing off the board are never looked at.
    if (col + 1 < n && board.cells[i].signRight != 0) {
      const bool greater = board.cells[i].signRight == 1;
      if (!BoundSign(board, n, greater ? i : i + 1, greater ? i + 1 : i, changed)) return false;
    }
    if (row + 1 < n && board.cells[i].signDown != 0) {
      const bool greater = board.cells[i].signDown == 1;
      if (!BoundSign(board, n, greater ? i : i + kStride, greater ? i + kStride : i, changed))
        return false;
    }
    if (col >= 1 && board.cells[i - 1].signRight != 0) {
      const bool greater = board.cells[i - 1].signRight == 1;
      if (!BoundSign(board, n, greater ? i - 1 : i, greater ? i : i - 1, changed)) return false;
    }
    if (row >= 1 && board.cells[i - kStride].signDown != 0) {
      const bool greater = board.cells[i - kStride].signDown == 1;
      if (!BoundSign(board, n, greater ? i - kStride : i, greater ? i : i - kStride, changed))
        return false;
    }
  }
}

// One line of the board: row `index` or column `index`.
struct Line {
  int first, step, flagShift;
  std::uint32_t bit;  // in the clean masks
  Line(bool isRow, int index)
      : first(isRow ? index * kStride : index),
        step(isRow ? 1 : kStride),
        flagShift(isRow ? 0 : 4),
        bit(1u << (isRow ? index : kStride + index)) {}
  int cell(int p) const { return first + p * step; }
};

// Hidden singles of one line: false when a digit has no place left in it.
bool HiddenSingles(PackedFutBoard& board, int n, const Line& line, bool& changed) {
  if (board.singlesClean & line.bit) return true;
  const unsigned all = DigitsUpTo(n);
  // once/twice: digits possible in at least one/two open cells; placed:
  // digits of determined cells (they count as ten).
  unsigned once = 0, twice = 0, placed = 0;
  for (int p = 0; p < n; ++p) {
    const int i = line.cell(p);
    if (board.cells[i].value >= 1) {
      if (board.cells[i].value <= 9) placed |= 1u << board.cells[i].value;
    } else {
      twice |= once & board.cells[i].candidates;
      once |= board.cells[i].candidates;
    }
  }
  const unsigned nowhere = all & ~(once | placed);
  const unsigned single = all & once & ~twice & ~placed;
  if ((nowhere | single) == 0) {
    board.singlesClean |= line.bit;
    return true;
  }
  for (unsigned todo = nowhere | single; todo != 0; todo &= todo - 1) {
    const int d = std::countr_zero(todo);
    if (nowhere >> d & 1u) return false;
    // Earlier fixes in this loop may already have settled the cell.
    for (int p = 0; p < n; ++p) {
      const int i = line.cell(p);
      if (board.cells[i].value < 0 && (board.cells[i].candidates >> d & 1u)) {
        board.cells[i].candidates = static_cast<std::uint16_t>(1u << d);
        board.cells[i].count = 1;
        packed::Touch(board, i);
        packed::MarkSigns(board, i);
        packed::FixCell(board, n, i);
        changed = true;
        break;
      }
    }
  }
  return true;
}

// Would the subset search of one line find a subset? On a snapshot of the
// line, so no state changes: the same steps as the live search up to its
// first find. eligible[k]: positions that may join at subset size k + 2;
// flagged[k]: positions marked at size k + 2.
bool AnySubset(const unsigned* cand, const unsigned (&eligible)[4], const unsigned (&flagged)[4],
               int level) {
  for (unsigned a = eligible[0]; a != 0; a &= a - 1) {
    const int m0 = std::countr_zero(a);
    for (unsigned b = eligible[0] & (~0u << (m0 + 1)); b != 0; b &= b - 1) {
      const int m1 = std::countr_zero(b);
      const unsigned u2 = cand[m0] | cand[m1];
      const int k2 = CountBits(u2);
      if (k2 == 2) return true;
      unsigned members = 1u << m0 | 1u << m1;
      if (k2 > level || (members & flagged[1])) continue;
      for (unsigned c = eligible[1] & (~0u << (m1 + 1)); c != 0; c &= c - 1) {
        const int m2 = std::countr_zero(c);
        const unsigned u3 = u2 | cand[m2];
        const int k3 = CountBits(u3);
        if (k3 == 3) return true;
        const unsigned members3 = members | 1u << m2;
        if (k3 > level || (members3 & flagged[2])) continue;
        for (unsigned d = eligible[2] & (~0u << (m2 + 1)); d != 0; d &= d - 1) {
          const int m3 = std::countr_zero(d);
          const unsigned u4 = u3 | cand[m3];
          const int k4 = CountBits(u4);
          if (k4 == 4) return true;
          if (k4 > level || ((members3 | 1u << m3) & flagged[3])) continue;
          for (unsigned e = eligible[3] & (~0u << (m3 + 1)); e != 0; e &= e - 1)
            if (CountBits(u4 | cand[std::countr_zero(e)]) == 5) return true;
        }
      }
    }
  }
  return false;
}

struct LiveSubsets {
  PackedFutBoard& board;
  int n, level;
  const Line& line;
  bool& changed;
  int m[5];

  bool Eligible(int p, int size) const {
    const int i = line.cell(p);
    return board.cells[i].value < 0 && board.cells[i].count <= level &&
           !(board.cells[i].subsetUsed >> (line.flagShift + size - 2) & 1u);
  }
  bool AnyFlag(int count, int size) const {
    for (int k = 0; k < count; ++k)
      if (board.cells[line.cell(m[k])].subsetUsed >> (line.flagShift + size - 2) & 1u) return true;
    return false;
  }
  unsigned Digits(int p) const { return board.cells[line.cell(p)].candidates & DigitsUpTo(n); }
  // Removes a found subset's digits from the line's other cells and marks the
  // members so the same subset is not found again.
  void Eliminate(int size, unsigned digits) {
    for (int p = 0; p < n; ++p) {
      bool member = false;
      for (int k = 0; k < size; ++k) member = member || m[k] == p;
      if (member) continue;
      for (int d = 1; d <= n; ++d)
        if (digits >> d & 1u) Drop(board, n, line.cell(p), d, changed);
    }
    for (int k = 0; k < size; ++k) {
      const int i = line.cell(m[k]);
      board.cells[i].subsetUsed |= static_cast<std::uint8_t>(1u << (line.flagShift + size - 2));
      packed::Touch(board, i);
    }
  }

  void Run() {
    for (m[0] = 0; m[0] < n; ++m[0]) {
      if (!Eligible(m[0], 2)) continue;
      for (m[1] = m[0] + 1; m[1] < n; ++m[1]) {
        if (!Eligible(m[1], 2)) continue;
        const unsigned u2 = Digits(m[0]) | Digits(m[1]);
        const int k2 = CountBits(u2);
        if (k2 == 2) {
          Eliminate(2, u2);
          continue;
        }
        if (k2 > level || AnyFlag(2, 3)) continue;
        for (m[2] = m[1] + 1; m[2] < n; ++m[2]) {
          if (!Eligible(m[2], 3)) continue;
          const unsigned u3 = u2 | Digits(m[2]);
          const int k3 = CountBits(u3);
          if (k3 == 3) {
            Eliminate(3, u3);
            continue;
          }
          if (k3 > level || AnyFlag(3, 4)) continue;
          for (m[3] = m[2] + 1; m[3] < n; ++m[3]) {
            if (!Eligible(m[3], 4)) continue;
            const unsigned u4 = u3 | Digits(m[3]);
            const int k4 = CountBits(u4);
            if (k4 == 4) {
              Eliminate(4, u4);
              continue;
            }
            if (k4 > level || AnyFlag(4, 5)) continue;
            for (m[4] = m[3] + 1; m[4] < n; ++m[4]) {
              if (!Eligible(m[4], 5)) continue;
              const unsigned u5 = u4 | Digits(m[4]);
              if (CountBits(u5) == 5) Eliminate(5, u5);
            }
          }
        }
      }
    }
  }
};

void NakedSubsets(PackedFutBoard& board, int n, const Line& line, int level, bool& changed) {
  if (board.subsetsClean & line.bit) return;
  unsigned cand[kMaxSize], open = 0, eligible[4], flagged[4] = {};
  for (int p = 0; p < n; ++p) {
    const int i = line.cell(p);
    if (board.cells[i].value < 0 && board.cells[i].count <= level) open |= 1u << p;
  }
  // Most lines hold no subset: then the live search would change nothing.
  // Fewer than two cells that may join is the commonest such line.
  if ((open & (open - 1)) == 0) {
    board.subsetsClean |= line.bit;
    return;
  }
  unsigned used = 0;
  for (int p = 0; p < n; ++p) {
    const int i = line.cell(p);
    cand[p] = board.cells[i].candidates & DigitsUpTo(n);
    used |= board.cells[i].subsetUsed;
  }
  if ((used >> line.flagShift & 15u) != 0)
    for (int p = 0; p < n; ++p)
      for (int k = 0; k < 4; ++k)
        flagged[k] |= (board.cells[line.cell(p)].subsetUsed >> (line.flagShift + k) & 1u) << p;
  for (int k = 0; k < 4; ++k) eligible[k] = open & ~flagged[k];
  if (!AnySubset(cand, eligible, flagged, level)) {
    board.subsetsClean |= line.bit;
    return;
  }
  LiveSubsets{board, n, level, line, changed, {}}.Run();
}

}  // namespace

void Pack(const FutHeader& header, const FutBoard& from, PackedFutBoard& to) {
  const int n = header.size;
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col) {
      const FutCell& c = from.at(row, col);
      const int i = row * kStride + col;
      unsigned m = 0, used = 0;
      for (int d = 1; d <= 9; ++d)
        if (c.candidates[d]) m |= 1u << d;
      for (int k = 0; k < 4; ++k) {
        if (c.rowSubsetUsed[k]) used |= 1u << k;
        if (c.colSubsetUsed[k]) used |= 1u << (4 + k);
      }
      to.cells[i].candidates = static_cast<std::uint16_t>(m);
      to.cells[i].value = Saturate(c.value);
      to.cells[i].count = Saturate(c.count);
      to.cells[i].given = c.given ? 1 : 0;
      to.cells[i].signRight = c.signRight;
      to.cells[i].signDown = c.signDown;
      to.cells[i].subsetUsed = static_cast<std::uint8_t>(used);
    }
  to.singlesClean = to.subsetsClean = 0;
  to.subsetLevel = 0;
  packed::MarkAllSigns(to);
}

void Unpack(const FutHeader& header, const PackedFutBoard& from, FutBoard& to) {
  const int n = header.size;
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col) {
      FutCell& c = to.at(row, col);
      const int i = row * kStride + col;
      for (int d = 1; d <= 9; ++d) c.candidates[d] = from.cells[i].candidates >> d & 1u;
      c.value = from.cells[i].value;
      c.count = from.cells[i].count;
      c.given = from.cells[i].given != 0;
      c.signRight = from.cells[i].signRight;
      c.signDown = from.cells[i].signDown;
      for (int k = 0; k < 4; ++k) {
        c.rowSubsetUsed[k] = from.cells[i].subsetUsed >> k & 1u;
        c.colSubsetUsed[k] = from.cells[i].subsetUsed >> (4 + k) & 1u;
      }
    }
}

namespace packed {

void ListSigns(const PackedFutBoard& board, int n, SignList& out) {
  out.count = 0;
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col) {
      const int i = row * kStride + col;
      for (int dir = 0; dir < 2; ++dir) {
        const int sign = dir == 0 ? board.cells[i].signRight : board.cells[i].signDown;
        if (sign == 0 || (dir == 0 ? col + 1 : row + 1) >= n) continue;
        const auto here = static_cast<std::uint8_t>(i);
        const auto next = static_cast<std::uint8_t>(dir == 0 ? i + 1 : i + kStride);
        out.pairs[out.count++] = sign == 1 ? SignPair{here, next} : SignPair{next, here};
      }
    }
}

void Touch(PackedFutBoard& board, int index) {
  const int row = index / kStride, col = index % kStride;
  const std::uint32_t lines = 1u << row | 1u << (kStride + col);
  board.singlesClean &= ~lines;
  board.subsetsClean &= ~lines;
}

void MarkSigns(PackedFutBoard& board, int index) {
  const int row = index / kStride, col = index % kStride;
  board.signsDirty[row] = static_cast<std::uint16_t>(board.signsDirty[row] | 1u << col);
}

void MarkAllSigns(PackedFutBoard& board) {
  for (std::uint16_t& row : board.signsDirty) row = 0x1FFu;
}

// A fixed cell's digit leaves its row and column, and every cell that leaves
// with one candidate is fixed in turn. Without a contradiction these steps
// end in the same board in any order; with one, some cell is fixed and then
// loses its digit too, which IsConsistent (a line without that digit)
// reports in any order. So the cells fixed on the way wait in a list here
// instead of a recursion, each valued the moment it is down to one.
void FixCell(PackedFutBoard& board, int n, int index) {
  const int digit = Highest(board.cells[index].candidates, n);
  if (digit < 1) return;  // no candidate left: the checks report it
  board.cells[index].value = static_cast<std::int8_t>(digit);
  Touch(board, index);
  std::uint8_t pending[kMaxSize * kMaxSize + 1];  // each cell once, the first maybe twice
  int waiting = 0;
  pending[waiting++] = static_cast<std::uint8_t>(index);
  while (waiting > 0) {
    const int i = pending[--waiting];
    const unsigned bit = 1u << board.cells[i].value;
    const int row = i / kStride, col = i % kStride;
    auto drop = [&](int peer) {
      PackedFutCell& c = board.cells[peer];
      const unsigned before = c.candidates;
      if (!(before & bit)) return;
      c.candidates = static_cast<std::uint16_t>(before & ~bit);
      --c.count;
      Touch(board, peer);
      MarkSignsIfEnds(board, n, peer, before);
      if (c.count != 1) return;
      const int d = Highest(c.candidates, n);
      if (d < 1) return;
      c.value = static_cast<std::int8_t>(d);
      pending[waiting++] = static_cast<std::uint8_t>(peer);
    };
    for (int r = 0; r < n; ++r)
      if (r != row) drop(r * kStride + col);
    for (int c = 0; c < n; ++c)
      if (c != col) drop(row * kStride + c);
  }
}

bool SolveLogically(PackedFutBoard& board, int n, int level) {
  if (board.subsetLevel != level) {
    board.subsetsClean = 0;
    board.subsetLevel = level;
  }
  for (;;) {
    bool round = false;
    if (!ApplySignBounds(board, n, round)) return false;
    if (level > 2) {
      for (int i = 0; i < n; ++i)
        if (!HiddenSingles(board, n, Line(true, i), round)) return false;
      for (int i = 0; i < n; ++i)
        if (!HiddenSingles(board, n, Line(false, i), round)) return false;
    }
    // Below level 2 no open cell can join a subset: every cell down to one
    // candidate is fixed at once.
    if (level >= 2) {
      for (int i = 0; i < n; ++i) NakedSubsets(board, n, Line(true, i), level, round);
      for (int i = 0; i < n; ++i) NakedSubsets(board, n, Line(false, i), level, round);
    }
    if (!round) return true;
  }
}

bool EveryDigitPlaceable(const PackedFutBoard& board, int n) {
  const unsigned all = DigitsUpTo(n);
  for (int i = 0; i < n; ++i) {
    unsigned row = 0, col = 0;
    for (int p = 0; p < n; ++p) {
      row |= board.cells[i * kStride + p].candidates;
      col |= board.cells[p * kStride + i].candidates;
    }
    if ((row & all) != all || (col & all) != all) return false;
  }
  return true;
}

bool IsConsistent(const PackedFutBoard& board, int n, const SignList& signs) {
  if (!EveryDigitPlaceable(board, n)) return false;
  for (int k = 0; k < signs.count; ++k) {
    const SignPair& sign = signs.pairs[k];
    if (Highest(board.cells[sign.greater].candidates, n) <=
        Lowest(board.cells[sign.smaller].candidates, n))
      return false;
  }
  return true;
}

bool IsFullyDetermined(const PackedFutBoard& board, int n) {
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col)
      if (board.cells[row * kStride + col].value < 0) return false;
  return true;
}

void BuildFromGivens(PackedFutBoard& board, int n) {
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col) {
      const int i = row * kStride + col;
      if (board.cells[i].given) {
        board.cells[i].count = 1;
        const int v = board.cells[i].value;
        board.cells[i].candidates = static_cast<std::uint16_t>(v >= 1 && v <= n ? 1u << v : 0u);
      } else {
        board.cells[i].value = -1;
        board.cells[i].count = static_cast<std::int8_t>(n);
        board.cells[i].candidates = static_cast<std::uint16_t>(DigitsUpTo(n));
      }
      board.cells[i].subsetUsed = 0;
    }
  board.singlesClean = board.subsetsClean = 0;
  MarkAllSigns(board);
  for (int i = 0; i < n * kStride; ++i)
    if (i % kStride < n && board.cells[i].given) FixCell(board, n, i);
}

namespace {

constexpr int kDr[4] = {0, 1, 0, -1};
constexpr int kDc[4] = {1, 0, -1, 0};

// Does (row, col) state that it is greater than its neighbour in direction
// dir (0 right, 1 down, 2 left, 3 up)? Nothing off the board holds a sign.
bool Greater(const PackedFutBoard& board, int n, int row, int col, int dir) {
  if (row < 0 || row >= n || col < 0 || col >= n) return false;
  switch (dir) {
    case 0: return board.cells[row * kStride + col].signRight == 1;
    case 1: return board.cells[row * kStride + col].signDown == 1;
    case 2: return col >= 1 && board.cells[row * kStride + col - 1].signRight == 2;
    default: return row >= 1 && board.cells[(row - 1) * kStride + col].signDown == 2;
  }
}

// Does a run of `length` signs start (going down from greater to smaller)
// or end (going up) at (row, col)? A sign's two cells can hold only one
// relation and three steps cannot close a loop, so every such walk is a
// chain of distinct cells.
bool RunFrom(const PackedFutBoard& board, int n, int row, int col, int length, bool down) {
  if (length == 0) return true;
  for (int dir = 0; dir < 4; ++dir) {
    const int r = row + kDr[dir], c = col + kDc[dir];
    const bool linked =
        down ? Greater(board, n, row, col, dir) : Greater(board, n, r, c, (dir + 2) % 4);
    if (linked && RunFrom(board, n, r, c, length - 1, down)) return true;
  }
  return false;
}

}  // namespace

bool HasSignChain(const PackedFutBoard& board, int n) {
  for (int r1 = 0; r1 < n; ++r1)
    for (int c1 = 0; c1 < n; ++c1)
      for (int d1 = 0; d1 < 4; ++d1) {
        if (!Greater(board, n, r1, c1, d1)) continue;
        const int r2 = r1 + kDr[d1], c2 = c1 + kDc[d1];
        for (int d2 = 0; d2 < 4; ++d2) {
          if (d2 == (d1 + 2) % 4 || !Greater(board, n, r2, c2, d2)) continue;
          const int r3 = r2 + kDr[d2], c3 = c2 + kDc[d2];
          for (int d3 = 0; d3 < 4; ++d3)
            if (d3 != (d2 + 2) % 4 && Greater(board, n, r3, c3, d3)) return true;
        }
      }
  return false;
}

bool HasSignChainThrough(const PackedFutBoard& board, int n, int index, int dir) {
  const int row = index / kStride, col = index % kStride;
  const int sign = dir == 0 ? board.cells[index].signRight : board.cells[index].signDown;
  if (sign != 1 && sign != 2) return false;
  // The sign as greater cell u and smaller cell v.
  const int nr = dir == 0 ? row : row + 1, nc = dir == 0 ? col + 1 : col;
  const int ur = sign == 1 ? row : nr, uc = sign == 1 ? col : nc;
  const int vr = sign == 1 ? nr : row, vc = sign == 1 ? nc : col;
  // It is the first, middle or last of the three signs.
  return RunFrom(board, n, vr, vc, 2, true) ||
         (RunFrom(board, n, ur, uc, 1, false) && RunFrom(board, n, vr, vc, 1, true)) ||
         RunFrom(board, n, ur, uc, 2, false);
}

}  // namespace packed

int SolverLevel(int difficulty, int size) {
  const int d = difficulty < 0 ? 0 : difficulty > 2 ? 2 : difficulty;
  const int s = size <= 6 ? 0 : size <= 8 ? 1 : 2;
  return kLevels[d][s];
}

// ---- FutBoard entry points: the packed steps between a pack and an unpack.

void FixCell(FutBoard& board, const FutHeader& header, int row, int col) {
  PackedFutBoard p{};
  Pack(header, board, p);
  packed::FixCell(p, header.size, row * kStride + col);
  Unpack(header, p, board);
}

void RemoveCandidates(FutBoard& board, const FutHeader& header, int row, int col,
                      const bool (&digits)[10], bool& changed) {
  PackedFutBoard p{};
  Pack(header, board, p);
  for (int d = 1; d <= header.size; ++d)
    if (digits[d]) Drop(p, header.size, row * kStride + col, d, changed);
  Unpack(header, p, board);
}

bool ApplySignBounds(FutBoard& board, const FutHeader& header, bool& changed) {
  PackedFutBoard p{};
  Pack(header, board, p);
  const bool ok = ApplySignBounds(p, header.size, changed);
  Unpack(header, p, board);
  return ok;
}

bool SolveLogically(const FutHeader& header, FutBoard& board, int level) {
  PackedFutBoard p{};
  Pack(header, board, p);
  const bool ok = packed::SolveLogically(p, header.size, level);
  Unpack(header, p, board);
  return ok;
}

bool IsConsistent(const FutHeader& header, const FutBoard& board) {
  PackedFutBoard p{};
  Pack(header, board, p);
  SignList signs;
  packed::ListSigns(p, header.size, signs);
  return packed::IsConsistent(p, header.size, signs);
}

bool IsFullyDetermined(const FutHeader& header, const FutBoard& board) {
  for (int row = 0; row < header.size; ++row)
    for (int col = 0; col < header.size; ++col)
      if (board.at(row, col).value < 0) return false;
  return true;
}

void BuildFromGivens(const FutHeader& header, FutBoard& board) {
  PackedFutBoard p{};
  Pack(header, board, p);
  packed::BuildFromGivens(p, header.size);
  Unpack(header, p, board);
}

bool SolveAndExport(const FutHeader& header, FutBoard& board, FutGrid& grid) {
  PackedFutBoard p{};
  Pack(header, board, p);
  const bool solved = packed::SolveAndExport(p, header.size, SolverLevel(header.difficulty, header.size), grid);
  Unpack(header, p, board);
  return solved;
}

namespace packed {

bool SolveAndExport(PackedFutBoard& p, int n, int level, FutGrid& grid) {
  BuildFromGivens(p, n);
  SignList signs;
  ListSigns(p, n, signs);
  if (!SolveLogically(p, n, level) || !IsConsistent(p, n, signs) || !IsFullyDetermined(p, n))
    return false;
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col) {
      const PackedFutCell& c = p.cells[row * kStride + col];
      FutGridCell& g = grid.cells[row][col];
      // A fresh cell: no marks, text or check outline left from the last puzzle.
      g = FutGridCell{};
      g.given = c.given ? 1 : 0;
      g.solution = c.value;
      g.signRight = c.signRight;
      g.signDown = c.signDown;
      g.entry = c.given ? static_cast<std::uint8_t>(c.value) : 0;
    }
  return true;
}

}  // namespace packed

}  // namespace zorvek::futoshiki
