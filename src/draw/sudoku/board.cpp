#include "draw/sudoku/board.h"

#include <QPainter>
#include <algorithm>

#include "core/play/play.h"

namespace zorvek::draw::sudoku {

using zorvek::sudoku::SudCell;

int SudokuBoard::CellSizeFor(QSize space, int maxCell) {
  int cell = std::min(space.width() / 9 / 3 * 3, space.height() / 9 / 3 * 3);
  if (maxCell > 0) cell = std::min(cell, maxCell);
  return std::max(cell, 9);
}

void SudokuBoard::Layout(int cellSize, const QPaintDevice* device) {
  cell_ = std::max(cellSize, 9);
  digitSize_ = FitFontInSquare(QStringLiteral("6"), 36, 5, cell_ * 5 / 8, device);
  pencilSize_ = FitFontInSquare(QStringLiteral("9"), digitSize_, 4, cell_ / 4, device);
  // The typing box is the cell less 3 pixels a side, less 2 for its caret.
  const int boxWidth = cell_ - 6 - 2;
  typedSize_[1] = digitSize_;
  for (int n = 2; n <= 9; ++n)
    typedSize_[n] = FitFontToWidth(QString(n, QLatin1Char('2')), typedSize_[n - 1], 5, boxWidth, device);
}

QSize SudokuBoard::Size() const { return QSize(9 * cell_ + 2 * kMargin, 9 * cell_ + 2 * kMargin); }

QRect SudokuBoard::CellRect(int row, int col) const {
  return QRect(kMargin + col * cell_, kMargin + row * cell_, cell_, cell_);
}

BoardHit SudokuBoard::HitTest(const QPoint& p) const {
  BoardHit hit;
  const int x = p.x() - kMargin, y = p.y() - kMargin;
  if (x < 0 || y < 0 || x >= 9 * cell_ || y >= 9 * cell_) return hit;
  hit.inside = true;
  hit.col = x / cell_;
  hit.row = y / cell_;
  hit.part = MiniDigitAt(x - hit.col * cell_, y - hit.row * cell_, cell_);
  return hit;
}

int SudokuBoard::TypingFontSize(int length) const { return typedSize_[std::clamp(length, 1, 9)]; }

void SudokuBoard::PaintCell(QPainter& p, const BoardView& view, int r, int c) const {
  const SudCell& x = puzzle_.cells[r][c];
  const QRect cell = CellRect(r, c);
  const bool typing = !view.paper && view.mode == kModeType;
  const bool cursorCell = typing && view.cursorRow == r && view.cursorCol == c;
  p.fillRect(cell, Qt::white);
  if (view.paper) {
    const int digit = x.given || view.solution ? x.solution : x.entry;
    if (digit > 0) {
      p.setFont(DrawingFont(view.paperDigitPoints > 0 ? view.paperDigitPoints : digitSize_, x.given));
      p.setPen(x.given ? QColor(Qt::black) : kPaperGrey);
      p.drawText(cell, Qt::AlignCenter, QString::number(digit));
    }
  } else if ((x.given || x.entry) && !cursorCell) {
    p.setFont(DrawingFont(digitSize_));
    p.setPen(x.given ? kGivenRed : QColor(Qt::black));
    p.drawText(cell, Qt::AlignCenter, QString::number(x.given ? x.solution : x.entry));
  } else if (!typing) {
    const int mini = cell_ / 3;
    p.setFont(DrawingFont(pencilSize_));
    for (int k = 1; k <= 9; ++k) {
      const QRect mc(cell.left() + (k - 1) % 3 * mini, cell.top() + (k - 1) / 3 * mini, mini, mini);
      const bool marked = x.marks[k - 1] != 0;
      p.fillRect(mc, marked ? kMarkYellow : QColor(Qt::white));
      p.setPen(marked ? QColor(Qt::black) : kPencilGrey);
      p.drawText(mc, Qt::AlignCenter, QString::number(k));
    }
    p.setPen(QPen(kSilver, 1));
    for (int i = 1; i <= 2; ++i) {
      p.drawLine(cell.left() + i * mini, cell.top(), cell.left() + i * mini, cell.bottom());
      p.drawLine(cell.left(), cell.top() + i * mini, cell.right(), cell.top() + i * mini);
    }
  } else if (cursorCell) {
    p.fillRect(cell, kMarkYellow);
  } else if (x.textLength > 0) {
    PaintNote(p, cell, x.text, std::min<int>(x.textLength, 9));
  }
  p.setPen(QPen(Qt::black, view.paper && view.paperLine > 0 ? view.paperLine : 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(cell);
}

void SudokuBoard::Paint(QPainter& p, const BoardView& view) const {
  const QSize size = Size();
  p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) PaintCell(p, view, r, c);
  // Frame and box lines over the cell borders, each centred on its edge.
  const int heavy = view.paper && view.paperLine > 0 ? 2 * view.paperLine : kHeavyLine;
  for (int k = 0; k <= 9; k += 3) {
    const int at = kMargin + k * cell_ - heavy / 2;
    const int from = kMargin - heavy / 2, length = 9 * cell_ + heavy;
    p.fillRect(QRect(at, from, heavy, length), Qt::black);
    p.fillRect(QRect(from, at, length, heavy), Qt::black);
  }
  if (view.paper || !view.checkDisplay) return;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int mark = puzzle_.cells[r][c].check;
      if (mark == 0) continue;
      p.setPen(QPen(mark == 1 ? kCheckGreen : kCheckRed, 2));
      p.setBrush(Qt::NoBrush);
      // A 2-pixel pen centred 3 pixels in covers the 3rd and 4th pixel from
      // the cell edge, clear of the heavy lines.
      p.drawRect(QRectF(CellRect(r, c)).adjusted(3, 3, -3, -3));
    }
  }
}

}  // namespace zorvek::draw::sudoku
