#include "draw/kakuro/board.h"

#include <QPainter>
#include <algorithm>

#include "core/play/play.h"

namespace zorvek::draw::kakuro {

using zorvek::kakuro::KakCell;
using zorvek::kakuro::kBlack;
using zorvek::kakuro::kGridCols;
using zorvek::kakuro::kGridRows;
using zorvek::kakuro::kWhite;

namespace {

const QColor kClueBlue(0, 0, 255);

// Shown rows or columns for a puzzle dimension: the clue line plus at least 7.
int Shown(int n, int limit) { return std::clamp(n, 7, limit - 1) + 1; }

}  // namespace

int KakuroBoard::CellSizeFor(QSize space, int rows, int cols, int maxCell) {
  const int shownRows = Shown(rows, kGridRows), shownCols = Shown(cols, kGridCols);
  int cell = std::min(space.width() / shownCols / 3 * 3, space.height() / shownRows / 3 * 3);
  if (maxCell > 0) cell = std::min(cell, maxCell);
  return std::max(cell, 9);
}

int KakuroBoard::rows() const { return Shown(header_.rows, kGridRows); }
int KakuroBoard::cols() const { return Shown(header_.cols, kGridCols); }

void KakuroBoard::Layout(int cellSize, const QPaintDevice* device) {
  cell_ = std::max(cellSize, 9);
  digitSize_ = FitFontInSquare(QStringLiteral("6"), 36, 5, cell_ * 7 / 8, device);
  clueSize_ = FitFontInSquare(QStringLiteral("66"), 24, 4, cell_ / 2 - 1, device);
  pencilSize_ = FitFontInSquare(QStringLiteral("9"), clueSize_, 4, cell_ / 4, device);
  // The typing box is the cell less 3 pixels a side, less 2 for its caret.
  const int boxWidth = cell_ - 6 - 2;
  typedSize_[1] = digitSize_;
  for (int n = 2; n <= 9; ++n)
    typedSize_[n] = FitFontToWidth(QString(n, QLatin1Char('2')), typedSize_[n - 1], 4, boxWidth, device);
}

QSize KakuroBoard::Size() const { return QSize(cols() * cell_ + 1, rows() * cell_ + 1); }

QRect KakuroBoard::CellRect(int row, int col) const { return QRect(col * cell_, row * cell_, cell_ + 1, cell_ + 1); }

BoardHit KakuroBoard::HitTest(const QPoint& p) const {
  BoardHit hit;
  if (p.x() < 0 || p.y() < 0 || p.x() >= cols() * cell_ || p.y() >= rows() * cell_) return hit;
  hit.inside = true;
  hit.col = p.x() / cell_;
  hit.row = p.y() / cell_;
  const int x = p.x() - hit.col * cell_, y = p.y() - hit.row * cell_;
  if (grid_.cells[hit.row][hit.col].colour == kWhite)
    hit.part = MiniDigitAt(x, y, cell_);
  else
    hit.part = x <= y ? kPartDown : kPartAcross;
  return hit;
}

int KakuroBoard::TypingFontSize(int length) const { return typedSize_[std::clamp(length, 1, 9)]; }

void KakuroBoard::PaintClue(QPainter& p, const BoardView& view, int r, int c) const {
  const KakCell& x = grid_.cells[r][c];
  const QRect cell = CellRect(r, c);
  p.fillRect(cell, view.paper ? kPaperGrey : QColor(Qt::black));
  // The screen splits every black cell; paper only those that carry a sum,
  // so a printed grid shows at a glance where the clues are.
  const bool carriesSum = (x.sum > 0 && x.acrossLength > 0) || (x.downSum > 0 && x.downLength > 0);
  if (!view.paper || carriesSum) {
    // On paper the diagonal takes the page's line width, or a printer's pixels hide it.
    p.setPen(QPen(Qt::white, view.paper && view.paperLine > 0 ? view.paperLine : 1));
    p.drawLine(cell.topLeft(), cell.bottomRight());
  }
  p.setPen(Qt::white);
  p.setFont(DrawingFont(clueSize_));
  const int half = cell_ / 2;
  // The across sum sits in the upper-right triangle, the down sum in the lower-left.
  if (x.sum > 0 && x.acrossLength > 0)
    p.drawText(QRect(cell.left() + half, cell.top() + 1, cell_ - half, half), Qt::AlignCenter, QString::number(x.sum));
  if (x.downSum > 0 && x.downLength > 0)
    p.drawText(QRect(cell.left() + 1, cell.top() + half, half, cell_ - half), Qt::AlignCenter, QString::number(x.downSum));
}

void KakuroBoard::PaintWhite(QPainter& p, const BoardView& view, int r, int c) const {
  const KakCell& x = grid_.cells[r][c];
  const QRect cell = CellRect(r, c);
  const bool typing = !view.paper && view.mode == kModeType;
  const bool cursorCell = typing && view.cursorRow == r && view.cursorCol == c;
  p.fillRect(cell, Qt::white);
  const bool hasEntry = x.entry >= 0 && x.entry <= 9;
  if (view.paper) {
    const int digit = view.solution ? x.sum : x.entry;
    if (digit >= 0 && digit <= 9 && (view.solution || hasEntry)) {
      p.setFont(DrawingFont(view.paperDigitPoints > 0 ? view.paperDigitPoints : digitSize_));
      p.setPen(kPaperGrey);
      p.drawText(cell, Qt::AlignCenter, QString::number(digit));
    }
  } else if (hasEntry && !cursorCell) {
    p.setFont(DrawingFont(digitSize_));
    p.setPen(Qt::black);
    p.drawText(cell, Qt::AlignCenter, QString::number(x.entry));
  } else if (!typing) {
    const int mini = cell_ / 3;
    p.setFont(DrawingFont(pencilSize_));
    for (int k = 1; k <= 9; ++k) {
      const QRect mc(cell.left() + (k - 1) % 3 * mini, cell.top() + (k - 1) / 3 * mini, mini, mini);
      const bool marked = x.pencil[k] != 0;
      p.fillRect(mc, marked ? kMarkYellow : QColor(Qt::white));
      p.setPen(marked ? QColor(Qt::black) : kPencilGrey);
      p.drawText(mc, Qt::AlignCenter, QString::number(k));
    }
    p.setPen(QPen(kSilver, 1));
    for (int i = 1; i <= 2; ++i) {
      p.drawLine(cell.left() + i * mini, cell.top(), cell.left() + i * mini, cell.top() + cell_);
      p.drawLine(cell.left(), cell.top() + i * mini, cell.left() + cell_, cell.top() + i * mini);
    }
  } else if (cursorCell) {
    p.fillRect(cell, kMarkYellow);
  } else if (x.textLength > 0) {
    PaintNote(p, cell, x.text, std::min<int>(x.textLength, 9));
  }
}

void KakuroBoard::Paint(QPainter& p, const BoardView& view) const {
  const QSize size = Size();
  p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
  const int shownRows = rows(), shownCols = cols();
  for (int r = 0; r < shownRows; ++r)
    for (int c = 0; c < shownCols; ++c) {
      // Cells beyond the puzzle (a block smaller than the grid) stay black.
      const bool inPuzzle = r <= header_.rows && c <= header_.cols;
      if (inPuzzle && grid_.cells[r][c].colour == kWhite)
        PaintWhite(p, view, r, c);
      else
        PaintClue(p, view, r, c);
    }
  // Grid lines over the cell edges: one pixel on screen, the page's own width on paper.
  p.setPen(QPen(Qt::black, view.paper && view.paperLine > 0 ? view.paperLine : 1));
  for (int r = 0; r <= shownRows; ++r) p.drawLine(0, r * cell_, shownCols * cell_, r * cell_);
  for (int c = 0; c <= shownCols; ++c) p.drawLine(c * cell_, 0, c * cell_, shownRows * cell_);
  if (view.paper) return;
  p.setBrush(Qt::NoBrush);
  auto outline = [&](int r, int c, const QColor& colour) {
    p.setPen(QPen(colour, 2));
    // A 2-pixel pen centred 3 pixels in covers the 3rd and 4th pixel from the cell edge.
    p.drawRect(QRectF(QRect(c * cell_, r * cell_, cell_, cell_)).adjusted(3, 3, -3, -3));
  };
  if (view.checkDisplay)
    for (int r = 0; r < shownRows; ++r)
      for (int c = 0; c < shownCols; ++c) {
        const int mark = grid_.cells[r][c].mark;
        if (grid_.cells[r][c].colour == kWhite && (mark == 3 || mark == 4))
          outline(r, c, mark == 3 ? kCheckGreen : kCheckRed);
      }
  if (selected_.Valid() && selected_.row < shownRows && selected_.col < shownCols) {
    outline(selected_.row, selected_.col, kClueBlue);
    for (int k = 0; k < selected_.length; ++k)
      if (selected_.CellRow(k) < shownRows && selected_.CellCol(k) < shownCols)
        outline(selected_.CellRow(k), selected_.CellCol(k), kClueBlue);
  }
}

}  // namespace zorvek::draw::kakuro
