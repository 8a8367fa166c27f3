#include "core/kakuro/layout.h"

#include <algorithm>

#include "core/common/types.h"

namespace zorvek::kakuro {

void ShapeLimits(int difficulty, int attempt, int (&limits)[10]) {
  static constexpr int kTable[3][2][9] = {
      {{4, 2, 1, 1, 0, 0, 0, 0, 0}, {4, 2, 1, 1, 0, 0, 0, 0, 0}},
      {{6, 4, 2, 2, 1, 1, 0, 0, 0}, {9, 3, 2, 1, 1, 1, 1, 1, 1}},
      {{7, 5, 3, 2, 2, 1, 1, 0, 0}, {9, 5, 3, 2, 2, 1, 1, 1, 1}},
  };
  const int d = std::clamp(difficulty, 0, 2);
  const int late = attempt >= 300 ? 1 : 0;
  limits[0] = 0;
  for (int k = 1; k <= 9; ++k) limits[k] = kTable[d][late][k - 1];
}

KakLayout::KakLayout(const KakHeader& header, Random& random)
    : random_(random),
      difficulty_(header.difficulty),
      rows_(std::clamp(header.rows, 1, kWorkRows - 3)),
      cols_(std::clamp(header.cols, 1, kWorkCols - 3)),
      symmetric_(header.symmetric != 0),
      buildRows_(symmetric_ ? (rows_ - 1) / 2 + 1 : rows_) {}

std::uint8_t KakLayout::Colour(int r, int c) const {
  if (r < 0 || r >= kWorkRows || c < 0 || c >= kWorkCols) return kUndecided;
  return grid.cells[r][c].colour;
}

bool KakLayout::Fixed(int r, int c) const {
  if (r < 0 || r >= kWorkRows || c < 0 || c >= kWorkCols) return true;
  return grid.cells[r][c].fixed != 0;
}

void KakLayout::InitLayout() {
  for (auto& row : grid.cells)
    for (KakLayoutCell& cell : row) cell = KakLayoutCell{kUndecided, 0, 0, 0};
  for (int c = 0; c <= cols_ + 1; ++c) {
    grid.cells[0][c] = KakLayoutCell{kBlack, 0, 0, 1};
    grid.cells[rows_ + 1][c] = KakLayoutCell{kBlack, 0, 0, 1};
  }
  for (int r = 0; r <= rows_ + 1; ++r) {
    grid.cells[r][0] = KakLayoutCell{kBlack, 0, 0, 1};
    grid.cells[r][cols_ + 1] = KakLayoutCell{kBlack, 0, 0, 1};
  }
  ShapeLimits(difficulty_, attempt, limits);
}

void KakLayout::SetLayoutCell(std::uint8_t colour, int r, int c) {
  if (Fixed(r, c)) return;
  grid.cells[r][c].colour = colour;
  grid.cells[r][c].fixed = 1;
  if (symmetric_) {
    const int mr = rows_ + 1 - r;
    const int mc = cols_ + 1 - c;
    if (!Fixed(mr, mc)) {
      grid.cells[mr][mc].colour = colour;
      grid.cells[mr][mc].fixed = 1;
    }
  }
}

void KakLayout::CountRemaining() {
  for (int r = 1; r <= rows_; ++r) {
    int count = 0;
    for (int c = cols_; c >= 0; --c) {
      KakLayoutCell& cell = grid.cells[r][c];
      if (cell.colour == kWhite) {
        cell.acrossCount = ++count;
      } else {
        cell.acrossCount = count;
        count = 0;
      }
    }
  }
  for (int c = 1; c <= cols_; ++c) {
    int count = 0;
    for (int r = rows_; r >= 0; --r) {
      KakLayoutCell& cell = grid.cells[r][c];
      if (cell.colour == kWhite) {
        cell.downCount = ++count;
      } else {
        cell.downCount = count;
        count = 0;
      }
    }
  }
}

void KakLayout::CountPositions() {
  for (int r = 1; r <= rows_; ++r) {
    int count = 0;
    for (int c = 0; c <= cols_; ++c) {
      KakLayoutCell& cell = grid.cells[r][c];
      if (cell.colour == kWhite) {
        cell.acrossCount = ++count;
      } else {
        cell.acrossCount = 0;
        count = 0;
      }
    }
  }
  for (int c = 1; c <= cols_; ++c) {
    int count = 0;
    for (int r = 0; r <= rows_; ++r) {
      KakLayoutCell& cell = grid.cells[r][c];
      if (cell.colour == kWhite) {
        cell.downCount = ++count;
      } else {
        cell.downCount = 0;
        count = 0;
      }
    }
  }
}

bool KakLayout::PlaceCell(std::uint8_t colour, int r, int c) {
  const int limit = limits[1];
  if (Fixed(r, c) && Colour(r, c) != colour) return false;
  if (colour == kWhite && IsBlack(r, c - 1) && (c == cols_ || IsBlack(r, c + 1))) colour = kBlack;
  if (colour == kWhite && IsBlack(r - 1, c) && IsBlack(r + 1, c)) colour = kBlack;
  if (!Fixed(r, c)) SetLayoutCell(colour, r, c);
  if (c <= cols_ - 1 && colour == kBlack && IsBlack(r, c + 2)) {
    if (Fixed(r, c + 1)) {
      if (IsWhite(r, c + 1)) return false;
    } else {
      SetLayoutCell(kBlack, r, c + 1);
    }
  }
  if (c >= 2 && colour == kBlack && IsBlack(r, c - 2)) {
    if (Fixed(r, c - 1)) {
      if (IsWhite(r, c - 1)) return false;
    } else {
      SetLayoutCell(kBlack, r, c - 1);
    }
  }
  if (colour == kWhite) {
    const bool leftBlack = IsBlack(r, c - 1);
    const bool rightBlack = IsBlack(r, c + 1);
    if (leftBlack && rightBlack) return false;
    if (!leftBlack && rightBlack) SetLayoutCell(kWhite, r, c - 1);
    if (leftBlack) SetLayoutCell(kWhite, r, c + 1);
    const bool aboveBlack = IsBlack(r - 1, c);
    const bool belowBlack = IsBlack(r + 1, c);
    if (aboveBlack && belowBlack) return false;
    if (!aboveBlack && belowBlack) SetLayoutCell(kWhite, r - 1, c);
    if (aboveBlack) SetLayoutCell(kWhite, r + 1, c);
  }
  if (IsWhite(r, c)) {
    CountPositions();
    const auto across = [&](int rr, int cc) {
      return rr >= kWorkRows || cc >= kWorkCols ? 0 : grid.cells[rr][cc].acrossCount;
    };
    const auto down = [&](int rr, int cc) {
      return rr >= kWorkRows || cc >= kWorkCols ? 0 : grid.cells[rr][cc].downCount;
    };
    // A run that would grow past the limit by joining the stretch two cells
    // away is closed here.
    if (across(r, c) + 1 + across(r, c + 2) > limit) SetLayoutCell(kBlack, r, c + 1);
    if (down(r, c) + 1 + down(r + 2, c) > limit) SetLayoutCell(kBlack, r + 1, c);
  }
  return true;
}

bool KakLayout::CheckShape() {
  CountRemaining();
  for (int r = 1; r <= buildRows_; ++r)
    for (int c = 1; c <= cols_; ++c) {
      const KakLayoutCell& cell = grid.cells[r][c];
      if (cell.colour != kWhite) continue;
      if (cell.acrossCount > 9 || cell.downCount > 9) return false;
      int m = cell.downCount;
      for (int k = 1; k <= cell.acrossCount; ++k) {
        m = std::min(m, grid.cells[r][c + k - 1].downCount);
        if (limits[k] < m) return false;
      }
    }
  return true;
}

bool KakLayout::PlaceRow(int r) {
  int retry = 0;
  std::uint8_t tried = kUndecided;
  for (int c = 1; c <= cols_;) {
    const KakLayoutGrid saved = grid;
    std::uint8_t colour;
    if (Fixed(r, c)) {
      colour = Colour(r, c);
    } else if (retry == 0) {
      int n;
      switch (difficulty_) {
        case kEasy: n = random_(79) + 20; break;
        case kMedium: n = random_(74) + 25; break;
        default: n = random_(64) + 35; break;
      }
      colour = n >= 50 ? kWhite : kBlack;  // n / 99 rounds to 1
    } else {
      colour = tried == kWhite ? kBlack : kWhite;
    }
    tried = colour;
    if (!PlaceCell(colour, r, c)) return false;
    if (!CheckShape()) {
      grid = saved;
      if (++retry > 1) return false;
      continue;
    }
    retry = 0;
    ++c;
  }
  return true;
}

bool KakLayout::CloseRow(int r) {
  const int limit = limits[1];
  CountRemaining();
  // A down run below a black cell has reached the limit: it must end.
  for (int i = 0; i <= rows_; ++i)
    for (int c = 1; c <= cols_; ++c) {
      const KakLayoutCell& cell = grid.cells[i][c];
      if (cell.colour == kBlack && cell.downCount == limit && !IsBlack(i + limit + 1, c))
        if (!PlaceCell(kBlack, i + limit + 1, c)) return false;
    }
  if (symmetric_ && r == (rows_ - 1) / 2) {
    const int m = r + 1;
    for (int c = 1; c <= cols_; ++c)
      if (!IsWhite(m, c) &&
          grid.cells[m][c].downCount + 1 + grid.cells[m][cols_ + 1 - c].downCount > limit)
        PlaceCell(kBlack, m, c);
    for (int c = 1; c <= cols_; ++c)
      if (IsBlack(r, c) && IsBlack(r + 2, c)) PlaceCell(kBlack, m, c);
  }
  for (int c = 1; c <= cols_; ++c)
    if (IsWhite(r, c) && IsBlack(r - 1, c) && !IsWhite(r + 1, c)) PlaceCell(kWhite, r + 1, c);
  const int n = r + 1;
  for (int c = 1; c <= cols_; ++c) {
    if (!IsWhite(n, c)) continue;
    const bool leftBlack = IsBlack(n, c - 1);
    const bool rightBlack = IsBlack(n, c + 1);
    if (leftBlack && rightBlack) return false;
    if (leftBlack) SetLayoutCell(kWhite, n, c + 1);
    else if (rightBlack) SetLayoutCell(kWhite, n, c - 1);
  }
  if (IsWhite(r - 1, 1) && IsWhite(r - 1, 2) && IsWhite(r, 1) && IsWhite(r, 2) && IsBlack(r, 3)) {
    SetLayoutCell(kWhite, n, 2);
    if (!CheckShape()) return false;
  }
  if (IsWhite(r - 1, cols_) && IsWhite(r - 1, cols_ - 1) && IsWhite(r, cols_) &&
      IsWhite(r, cols_ - 1) && IsBlack(r, cols_ - 2)) {
    SetLayoutCell(kWhite, n, cols_ - 1);
    if (!CheckShape()) return false;
  }
  // Rounds of continuation into the next row: open stretches of row r and
  // lone white cells of row n ask for white neighbours.
  for (;;) {
    CountRemaining();
    int demand[kWorkCols] = {};
    for (int c = 1; c <= cols_; ++c)
      if (IsWhite(n, c) && !IsWhite(n, c - 1) && !IsWhite(n, c + 1)) {
        if (!Fixed(n, c - 1)) ++demand[c - 1];
        if (!Fixed(n, c + 1)) ++demand[c + 1];
      }
    for (int c = 0; c <= cols_; ++c) {
      const KakLayoutCell& cell = grid.cells[r][c];
      if (cell.colour != kBlack || cell.acrossCount <= 0) continue;
      bool anyWhite = false;
      bool allBlack = true;
      for (int k = 1; k <= cell.acrossCount; ++k) {
        if (IsWhite(n, c + k)) anyWhite = true;
        if (!IsBlack(n, c + k)) allBlack = false;
      }
      if (anyWhite || allBlack) continue;
      for (int k = 1; k <= cell.acrossCount; ++k)
        if (c + k >= 1 && c + k <= cols_ && !Fixed(n, c + k)) ++demand[c + k];
    }
    int list[2 * kWorkCols];
    int count = 0;
    for (int c = 1; c <= cols_; ++c)
      if (demand[c] >= 2) list[count++] = c;
    if (count == 0) {
      for (int c = 1; c <= cols_; ++c)
        if (demand[c] == 1 && IsWhite(n, c - 1)) list[count++] = c;
      for (int c = 1; c <= cols_; ++c)
        if (demand[c] == 1 && IsWhite(n, c + 1)) list[count++] = c;
    }
    if (count == 0)
      for (int c = 1; c <= cols_; ++c)
        if (demand[c] == 1) list[count++] = c;
    if (count == 0) return true;
    const int pick = list[random_(count)];
    if (!Fixed(n, pick)) {
      SetLayoutCell(kWhite, n, pick);
      if (!CheckShape()) {
        // Undo the white pair as one: the mirror cell must follow, or the
        // half-turn symmetry would break.
        grid.cells[n][pick].fixed = 0;
        if (symmetric_) grid.cells[rows_ + 1 - n][cols_ + 1 - pick].fixed = 0;
        SetLayoutCell(kBlack, n, pick);
        if (!CheckShape()) return false;
      }
    }
  }
}

int KakLayout::FinalLayoutCheck() const {
  const auto lineHasWhite = [&](int r0, int c0, int dr, int dc, int n) {
    for (int i = 0; i < n; ++i)
      if (IsWhite(r0 + i * dr, c0 + i * dc)) return true;
    return false;
  };
  if (!lineHasWhite(1, 1, 1, 0, rows_) || !lineHasWhite(1, 1, 0, 1, cols_)) return 2;
  if (!symmetric_ &&
      (!lineHasWhite(1, cols_, 1, 0, rows_) || !lineHasWhite(rows_, 1, 0, 1, cols_)))
    return 2;

  // Fill in black cells that sit inside white surroundings; any interior
  // black cell left over means a clump of black cells.
  std::uint8_t copy[kWorkRows][kWorkCols];
  for (int r = 0; r < kWorkRows; ++r)
    for (int c = 0; c < kWorkCols; ++c) copy[r][c] = grid.cells[r][c].colour;
  const auto w = [&](int r, int c) {
    return r >= 0 && r < kWorkRows && c >= 0 && c < kWorkCols && copy[r][c] == kWhite;
  };
  for (bool changed = true; changed;) {
    changed = false;
    for (int r = 1; r <= rows_; ++r)
      for (int c = 1; c <= cols_; ++c) {
        if (copy[r][c] != kBlack) continue;
        const bool above3 = w(r - 1, c - 1) && w(r - 1, c) && w(r - 1, c + 1);
        const bool below3 = w(r + 1, c - 1) && w(r + 1, c) && w(r + 1, c + 1);
        const bool left3 = w(r - 1, c - 1) && w(r, c - 1) && w(r + 1, c - 1);
        const bool right3 = w(r - 1, c + 1) && w(r, c + 1) && w(r + 1, c + 1);
        const bool vertical = w(r - 1, c) && w(r + 1, c);
        const bool horizontal = w(r, c - 1) && w(r, c + 1);
        if (((above3 || below3) && (left3 || right3)) || (vertical && (left3 || right3)) ||
            ((above3 || below3) && horizontal)) {
          copy[r][c] = kWhite;
          changed = true;
        }
      }
  }
  const auto b = [&](int r, int c) { return copy[r][c] == kBlack; };
  for (int r = 2; r <= rows_ - 1; ++r)
    for (int c = 2; c <= cols_ - 1; ++c) {
      if (!b(r, c)) continue;
      const bool corner = (r == 2 || r == rows_ - 1) && (c == 2 || c == cols_ - 1);
      const bool excused = corner || (r == 2 && b(1, c)) || (r == rows_ - 1 && b(rows_, c)) ||
                           (c == 2 && b(r, 1)) || (c == cols_ - 1 && b(r, cols_));
      if (!excused) return 1;
    }
  if ((w(2, 2) && b(2, 3) && b(3, 2)) || (w(rows_ - 1, 2) && b(rows_ - 1, 3) && b(rows_ - 2, 2)) ||
      (w(2, cols_ - 1) && b(2, cols_ - 2) && b(3, cols_ - 1)) ||
      (w(rows_ - 1, cols_ - 1) && b(rows_ - 1, cols_ - 2) && b(rows_ - 2, cols_ - 1)))
    return 1;

  // The real grid: every cell decided, every run 2..9 long.
  for (int r = 1; r <= rows_; ++r)
    for (int c = 1; c <= cols_; ++c)
      if (Colour(r, c) == kUndecided) return 1;
  for (int r = 1; r <= rows_; ++r) {
    int run = 0;
    for (int c = 1; c <= cols_ + 1; ++c) {
      if (IsWhite(r, c)) {
        ++run;
        continue;
      }
      if (run == 1 || run > 9) return 1;
      run = 0;
    }
  }
  for (int c = 1; c <= cols_; ++c) {
    int run = 0;
    for (int r = 1; r <= rows_ + 1; ++r) {
      if (IsWhite(r, c)) {
        ++run;
        continue;
      }
      if (run == 1 || run > 9) return 1;
      run = 0;
    }
  }
  return 0;
}

int KakLayout::GenerateLayout(KakWorkGrid& work) {
  attempt = 0;
  for (;;) {
    ++attempt;
    InitLayout();
    bool ok = true;
    for (int r = 1; r <= buildRows_ && ok; ++r) ok = PlaceRow(r) && CloseRow(r);
    if (ok) ok = FinalLayoutCheck() == 0;
    if (!ok) continue;
    for (auto& row : work.cells)
      for (KakWorkCell& cell : row) cell = KakWorkCell{};
    for (int r = 0; r < kWorkRows; ++r)
      for (int c = 0; c < kWorkCols; ++c) {
        const bool inside = r <= rows_ && c <= cols_;
        work.cells[r][c].colour = inside && grid.cells[r][c].colour != kBlack ? kWhite : kBlack;
      }
    return attempt;
  }
}

int GenerateLayout(const KakHeader& header, KakWorkGrid& grid, Random& random) {
  KakLayout layout(header, random);
  return layout.GenerateLayout(grid);
}

}  // namespace zorvek::kakuro
