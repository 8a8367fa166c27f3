#include "draw/page/page.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <mutex>

#include "core/common/types.h"
#include "draw/common/style.h"

namespace zorvek::draw::page {

void RegisterPrintFonts() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const char* face : {kAriel, kSmallFonts, "Arial"})
      QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("Liberation Sans"));
  });
}

QFont PrintFont(const char* face, int points, bool bold) {
  RegisterPrintFonts();
  QFont f(QString::fromLatin1(face));
  f.setPointSize(std::max(points, 1));
  f.setBold(bold);
  return f;
}

PrintCanvas::PrintCanvas(QPainter& painter, int pageWidth, int pageHeight)
    : PageWidth(pageWidth),
      PageHeight(pageHeight),
      PrintUnit(std::max(pageWidth / 550, 1)),
      Band(pageHeight / 30),
      painter_(painter) {
  RegisterPrintFonts();
}

const QPaintDevice* PrintCanvas::device() const { return painter_.device(); }

void PrintCanvas::ClearPage() {
  painter_.setPen(QPen(Qt::white, PrintUnit));
  painter_.setBrush(Qt::white);
  painter_.drawRect(0, 0, PageWidth, PageHeight);
  painter_.setBrush(Qt::NoBrush);
}

QRect PrintCanvas::SlotBox(int perPage, int slot, bool solution) const {
  const int m = 3 * PrintUnit + (solution ? Band : 0);
  const int w = PageWidth, h = PageHeight - Band;
  int left, top, right, bottom;
  if (perPage == 6) {
    const int col = (slot - 1) % 2, row = (slot - 1) / 2;
    left = col == 0 ? m : w / 2 + m;
    right = col == 0 ? w / 2 - m : w - m;
    top = row * h / 3 + m;
    bottom = (row + 1) * h / 3 - m;
  } else {
    left = m;
    right = w - m;
    top = slot == 1 ? m : h / 2 + m;
    bottom = slot == 1 ? h / 2 - m : h - m;
  }
  return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

int PrintCanvas::PlaceGrid(const QRect& box, int cols, int rows, int pitch) {
  const int shiftX = std::max(box.width() - cols * pitch, 0) / 2;
  const int shiftY = std::max(box.height() - rows * pitch, 0) / 2;
  for (int i = 0; i < kEdges; ++i) {
    ColumnEdges[i] = box.left() + shiftX + std::min(i, cols) * pitch;
    RowEdges[i] = box.top() + shiftY + std::min(i, rows) * pitch;
  }
  return pitch;
}

void PrintCanvas::DrawTextIn(const QRect& cell, int hAlign, const QString& text, int vAlign) {
  QFont font = painter_.font();
  const QFont saved = font;
  QFontMetrics fm(font, painter_.device());
  if (ShrinkToFit && fm.horizontalAdvance(text) > cell.width() - fm.horizontalAdvance(QLatin1Char('x'))) {
    font.setPointSize(std::max(font.pointSize() - 2, 1));
    painter_.setFont(font);
    fm = QFontMetrics(font, painter_.device());
    FontWasShrunk = true;
  }
  const int xMargin = fm.horizontalAdvance(QLatin1Char('x'));
  const int width = fm.horizontalAdvance(text);
  const int lineHeight = fm.height();  // the height of "M": one full line
  int x = hAlign == kLeft     ? cell.left() + xMargin
          : hAlign == kCentre ? cell.left() + (cell.width() - width) / 2
                              : cell.left() + cell.width() - width - xMargin;
  int y = vAlign == kTop      ? cell.top()
          : vAlign == kMiddle ? cell.top() + (cell.height() - lineHeight) / 2
                              : cell.top() + cell.height() - lineHeight;
  x = std::max(x, 0);
  y = std::max(y, 0);
  painter_.save();
  painter_.setClipRect(cell);
  painter_.drawText(x, y + fm.ascent(), text);
  painter_.restore();
  painter_.setFont(saved);
}

void PrintCanvas::DrawCellText(int col, int row, int hAlign, const QString& text, int vAlign) {
  if (col < 0 || row < 0 || col + 1 >= kEdges || row + 1 >= kEdges) return;
  DrawTextIn(QRect(QPoint(ColumnEdges[col], RowEdges[row]), QPoint(ColumnEdges[col + 1] - 1, RowEdges[row + 1] - 1)),
             hAlign, text, vAlign);
}

void PrintCanvas::DrawSpanText(int colLeft, int colRight, int rowTop, const QString& text, int vAlign, int hAlign,
                               int rowBottom) {
  for (int i : {colLeft, colRight, rowTop, rowBottom})
    if (i < 0 || i >= kEdges) return;
  DrawTextIn(QRect(QPoint(ColumnEdges[colLeft], RowEdges[rowTop]),
                   QPoint(ColumnEdges[colRight] - 1, RowEdges[rowBottom] - 1)),
             hAlign, text, vAlign);
}

void PrintCanvas::DrawHLine(int x1, int y, int x2) { painter_.drawLine(x1, y, x2, y); }
void PrintCanvas::DrawVLine(int x, int y1, int y2) { painter_.drawLine(x, y1, x, y2); }

int PrintCanvas::TitlePoints(const QString& text) const {
  int points = 12;
  while (points > 8 && QFontMetrics(PrintFont(kAriel, points, true), device()).horizontalAdvance(text) > PageWidth)
    --points;
  return points;
}

void PrintCanvas::DrawTitle(int lastGridBottom, const QString& text) {
  ColumnEdges[0] = 0;
  ColumnEdges[1] = PageWidth;
  RowEdges[0] = lastGridBottom + 2 * PrintUnit;
  RowEdges[1] = RowEdges[0] + Band;
  painter_.setFont(PrintFont(kAriel, TitlePoints(text), true));
  painter_.setPen(Qt::black);
  const bool shrink = ShrinkToFit;
  ShrinkToFit = false;
  DrawCellText(0, 0, kCentre, text, kMiddle);
  ShrinkToFit = shrink;
}

int PrintCanvas::FitDigitPoints(int box) const {
  const int side = box * 3 / 4;
  int points = 40;
  for (; points >= 2; --points) {
    const QRect r = QFontMetrics(PrintFont(kAriel, points), device()).tightBoundingRect(QStringLiteral("9"));
    if (r.width() <= side && r.height() <= side) break;
  }
  return std::max(points, 1);
}

QString PageTitle(const char* kindName, int difficulty) {
  return QStringLiteral("%1 Puzzles by Zorvek Number Puzzles      Difficulty : %2")
      .arg(QString::fromLatin1(kindName), QString::fromLatin1(DifficultyWord(difficulty)));
}

}  // namespace zorvek::draw::page
