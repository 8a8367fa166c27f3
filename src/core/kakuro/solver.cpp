#include "core/kakuro/solver.h"

#include <algorithm>
#include <cstring>

#include "core/kakuro/fill.h"
#include "core/kakuro/tables.h"

namespace zorvek::kakuro {
namespace {

class Solver : public KakPropagation {
 public:
  Solver(const KakHeader& header, KakWorkGrid& grid) : KakPropagation(header, grid) {}

  int Solve(KakGrid& puzzle);

 private:
  bool SeedCandidates();
  bool Eliminate(int r, int c, int direction);
  bool Feasible(const int* masks, int n, int index, int remaining, int used) const;
  bool RunsAddUp() const;
  void Export(KakGrid& puzzle) const;
};

bool Solver::SeedCandidates() {
  for (int r = 0; r <= rows_; ++r)
    for (int c = 0; c <= cols_; ++c) {
      KakWorkCell& cell = grid_.cells[r][c];
      cell.runClaimed[kAcross] = cell.runClaimed[kDown] = 0;
      cell.runChanged[kAcross] = cell.runChanged[kDown] = 0;
      if (cell.colour != kWhite) continue;
      cell.digit = -1;
      cell.solved = 0;
      std::fill(std::begin(cell.candidates), std::end(cell.candidates), 0);
    }
  for (int r = 0; r <= rows_; ++r) {
    bool inRun = false;
    std::uint8_t flags[10] = {};
    for (int c = 0; c <= cols_; ++c) {
      KakWorkCell& cell = grid_.cells[r][c];
      if (cell.colour != kWhite) {
        inRun = cell.runLength[kAcross] > 0;
        if (inRun && !LookupPossibleDigits(cell.runLength[kAcross], cell.runSum[kAcross], flags))
          return false;
        continue;
      }
      if (!inRun) return false;
      std::copy(std::begin(flags), std::end(flags), cell.candidates);
    }
  }
  for (int c = 0; c <= cols_; ++c) {
    bool inRun = false;
    std::uint8_t flags[10] = {};
    for (int r = 0; r <= rows_; ++r) {
      KakWorkCell& cell = grid_.cells[r][c];
      if (cell.colour != kWhite) {
        inRun = cell.runLength[kDown] > 0;
        if (inRun && !LookupPossibleDigits(cell.runLength[kDown], cell.runSum[kDown], flags))
          return false;
        continue;
      }
      if (!inRun) return false;
      for (int d = 0; d < 10; ++d) cell.candidates[d] = cell.candidates[d] && flags[d];
      if (!UpdateCell(r, c)) return false;
    }
  }
  return true;
}

bool Solver::Feasible(const int* masks, int n, int index, int remaining, int used) const {
  if (index == n) return remaining == 0;
  const int options = masks[index] & ~used;
  for (int d = lowest_; d <= highest_ && d <= remaining; ++d)
    if ((options >> d) & 1)
      if (Feasible(masks, n, index + 1, remaining - d, used | (1 << d))) return true;
  return false;
}

bool Solver::Eliminate(int r, int c, int direction) {
  KakWorkCell& cell = grid_.cells[r][c];
  const int hr = direction == kAcross ? r : cell.head[kDown];
  const int hc = direction == kAcross ? cell.head[kAcross] : c;
  int rs[9], cs[9];
  const int n = RunCells(hr, hc, direction, rs, cs);
  int s = grid_.cells[hr][hc].runSum[direction];
  int masks[9];
  int count = 0;
  for (int i = 0; i < n; ++i) {
    if (rs[i] == r && cs[i] == c) continue;
    const KakWorkCell& other = grid_.cells[rs[i]][cs[i]];
    if (other.solved) s -= other.digit;
    else masks[count++] = CandidateMask(other);
  }
  for (int d = lowest_; d <= highest_; ++d) {
    if (!cell.candidates[d]) continue;
    if (d <= s && Feasible(masks, count, 0, s - d, 1 << d)) continue;
    cell.candidates[d] = 0;
    if (!UpdateCell(r, c)) return false;
  }
  return true;
}

bool Solver::RunsAddUp() const {
  for (int r = 0; r <= rows_; ++r)
    for (int c = 0; c <= cols_; ++c) {
      const KakWorkCell& cell = grid_.cells[r][c];
      if (cell.colour == kWhite) {
        // An undecided cell is no solution, whatever the sums say.
        if (!cell.solved) return false;
        continue;
      }
      for (int direction = kAcross; direction <= kDown; ++direction) {
        int rs[9], cs[9];
        const int n = RunCells(r, c, direction, rs, cs);
        if (n == 0) continue;
        int total = 0;
        for (int i = 0; i < n; ++i) total += grid_.cells[rs[i]][cs[i]].digit;
        if (total != cell.runSum[direction]) return false;
      }
    }
  return true;
}

void Solver::Export(KakGrid& puzzle) const {
  std::memset(&puzzle, 0, sizeof puzzle);
  for (auto& row : puzzle.cells)
    for (KakCell& cell : row) cell.entry = -1;
  for (int r = 0; r <= rows_ && r < kGridRows; ++r)
    for (int c = 0; c <= cols_ && c < kGridCols; ++c) {
      const KakWorkCell& source = grid_.cells[r][c];
      KakCell& cell = puzzle.cells[r][c];
      cell.colour = source.colour;
      if (source.colour == kWhite) {
        cell.sum = source.digit;
      } else {
        cell.sum = source.runSum[kAcross];
        cell.downSum = source.runSum[kDown];
        cell.acrossLength = static_cast<std::uint8_t>(source.runLength[kAcross]);
        cell.downLength = static_cast<std::uint8_t>(source.runLength[kDown]);
      }
    }
}

int Solver::Solve(KakGrid& puzzle) {
  if (!SeedCandidates()) return 1;
  for (;;) {
    progress = 0;
    for (int r = 0; r <= rows_; ++r)
      for (int c = 0; c <= cols_; ++c) {
        const KakWorkCell& cell = grid_.cells[r][c];
        if (cell.colour != kWhite) continue;
        for (int direction = kAcross; direction <= kDown; ++direction)
          if (!cell.solved && !Eliminate(r, c, direction)) return 1;
      }
    if (progress == 0) break;
  }
  if (!RunsAddUp()) return 2;
  Export(puzzle);
  return 0;
}

}  // namespace

int SolveKakuro(const KakHeader& header, const KakWorkGrid& fillGrid, KakGrid& puzzle) {
  KakWorkGrid grid = fillGrid;
  Solver solver(header, grid);
  return solver.Solve(puzzle);
}

}  // namespace zorvek::kakuro
