#include "draw/common/style.h"

#include <QFontMetrics>
#include <QPainter>

#include "draw/common/board.h"

namespace zorvek::draw {

int MiniDigitAt(int x, int y, int cellSize) {
  auto third = [cellSize](int v) {
    if (v < cellSize / 3) return 0;
    if (v < cellSize * 2 / 3) return 1;
    return 2;
  };
  return third(y) * 3 + third(x) + 1;
}

QFont DrawingFont(double points, bool bold) {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

int FitFontInSquare(const QString& text, int start, int minimum, int side, const QPaintDevice* device,
                    bool bold) {
  int size = start;
  for (; size > minimum; --size) {
    const QRect r = QFontMetrics(DrawingFont(size, bold), device).tightBoundingRect(text);
    if (r.width() <= side && r.height() <= side) break;
  }
  return size;
}

int FitFontToWidth(const QString& text, int start, int minimum, int width, const QPaintDevice* device) {
  int size = start;
  while (size > minimum && QFontMetrics(DrawingFont(size), device).horizontalAdvance(text) > width) --size;
  return size;
}

void Board::PaintNote(QPainter& p, const QRect& area, const char* text, int length) const {
  p.setFont(DrawingFont(NoteFontSize(length)));
  p.setPen(kPencilGrey);
  p.drawText(area, Qt::AlignCenter, QString::fromLatin1(text, length));
}

QPainterPath Board::CellShape(int row, int col) const {
  QPainterPath path;
  path.addRect(QRectF(CellRect(row, col)));
  return path;
}

void Board::PaintHint(QPainter& p, const Hint& hint, bool conclusion) const {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kHintTint);
  for (const HintCell& cell : hint.cells) p.drawPath(CellShape(cell.row, cell.col));
  if (conclusion) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kHintLine, 2, Qt::DashLine));
    for (const HintRemoval& removal : hint.removals) p.drawPath(CellShape(removal.cell.row, removal.cell.col));
    p.setPen(QPen(kHintLine, 3));
    p.drawPath(CellShape(hint.target.row, hint.target.col));
  }
  p.restore();
}

}  // namespace zorvek::draw
