#include "draw/futoshiki/board.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "core/play/play.h"

namespace zorvek::draw::futoshiki {

using zorvek::futoshiki::FutGridCell;

namespace {

// The play window's own background shows through the sign strips.
const QColor kStripYellow(255, 255, 202);
const QColor kMiniLine(192, 192, 192);

}  // namespace

int FutoshikiBoard::PitchFor(int n, QSize space, int maxWidthPitch) {
  n = std::max(n, 1);
  int byWidth = space.width() / n / 3 * 3;
  if (maxWidthPitch > 0) byWidth = std::min(byWidth, maxWidthPitch);
  const int byHeight = space.height() / n / 3 * 3;
  // Below this a square has no room for its three mini-rows.
  return std::max(std::min(byWidth, byHeight), 6);
}

void FutoshikiBoard::Layout(int pitch, const QPaintDevice* device) {
  n_ = zorvek::futoshiki::PlaySize(header_);
  pitch_ = std::max(pitch, 6);
  square_ = pitch_ * 4 / 5;
  mini_ = square_ / 3;
  // Start the search near the size whose height fills the square, so that a
  // printer's thousands of pixels do not cost thousands of measurements.
  const int dpi = device ? std::max(device->logicalDpiY(), 1) : 96;
  const int start = std::max(8, square_ * 72 / dpi + 4);
  digitSize_ = FitFontInSquare(QStringLiteral("6"), start, 5, square_ * 5 / 8, device, true);
  pencilSize_ = FitFontInSquare(QStringLiteral("9"), digitSize_, 4, mini_ * 3 / 4, device);
  // The typing box is the square less 3 pixels a side, less 2 for its caret.
  const int boxWidth = square_ - 6 - 2;
  typedSize_[1] = FitFontInSquare(QStringLiteral("6"), digitSize_, 5, square_ * 5 / 8, device);
  for (int k = 2; k <= 9; ++k)
    typedSize_[k] = FitFontToWidth(QString(k, QLatin1Char('2')), typedSize_[k - 1], 4, boxWidth, device);
}

int FutoshikiBoard::PaperLine(const BoardView& view) const {
  return view.paperLine > 0 ? view.paperLine : std::max(1, pitch_ / 50);
}

QSize FutoshikiBoard::Size() const { return QSize(n_ * pitch_, n_ * pitch_); }

QRect FutoshikiBoard::PitchRect(int row, int col) const {
  return QRect(col * pitch_, row * pitch_, pitch_, pitch_);
}

QRect FutoshikiBoard::CellRect(int row, int col) const {
  return QRect(col * pitch_, row * pitch_, square_, square_);
}

BoardHit FutoshikiBoard::HitTest(const QPoint& p) const {
  BoardHit hit;
  if (p.x() < 0 || p.y() < 0 || p.x() >= n_ * pitch_ || p.y() >= n_ * pitch_) return hit;
  hit.inside = true;
  hit.col = p.x() / pitch_;
  hit.row = p.y() / pitch_;
  const int x = p.x() - hit.col * pitch_, y = p.y() - hit.row * pitch_;
  const int t = mini_, w = square_;
  if (y > w) {
    hit.part = kBottomStrip;
  } else if (x > w) {
    hit.part = kRightStrip;
  } else {
    const int band = y <= t ? 0 : y <= 2 * t ? 1 : 2;
    const int column = x <= t ? 0 : x <= 2 * t ? 1 : 2;
    hit.part = band * 3 + column + 1;
  }
  return hit;
}

int FutoshikiBoard::TypingFontSize(int length) const { return typedSize_[std::clamp(length, 1, 9)]; }

void FutoshikiBoard::PaintSigns(QPainter& p, const BoardView& view, int r, int c) const {
  const FutGridCell& x = grid_.cells[r][c];
  const QRect cell = PitchRect(r, c);
  const int w = square_;
  p.setBrush(Qt::NoBrush);
  if (!view.paper) {
    // Chevrons fill their strip, 3 pixels in from its edges.
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (x.signRight == 1 || x.signRight == 2) {
      const int left = cell.left() + w + 3, right = cell.left() + pitch_ - 3;
      const int top = cell.top() + 3, bottom = cell.top() + w - 3, mid = cell.top() + w / 2;
      const int open = x.signRight == 1 ? left : right, point = x.signRight == 1 ? right : left;
      p.drawPolyline(QPolygon({QPoint(open, top), QPoint(point, mid), QPoint(open, bottom)}));
    }
    if (x.signDown == 1 || x.signDown == 2) {
      const int top = cell.top() + w + 3, bottom = cell.top() + pitch_ - 3;
      const int left = cell.left() + 3, right = cell.left() + w - 3, mid = cell.left() + w / 2;
      const int open = x.signDown == 1 ? top : bottom, point = x.signDown == 1 ? bottom : top;
      p.drawPolyline(QPolygon({QPoint(left, open), QPoint(mid, point), QPoint(right, open)}));
    }
    return;
  }
  // On paper the arms start one mini-size in from the ends of the square's
  // side and keep twice the line width clear of both squares.
  const int unit = PaperLine(view), inset = 2 * unit, t = mini_;
  p.setPen(QPen(Qt::black, unit, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  if (x.signRight == 1 || x.signRight == 2) {
    const int left = cell.left() + w + inset, right = cell.left() + pitch_ - inset;
    const int top = cell.top() + t, bottom = cell.top() + w - t, mid = cell.top() + w / 2;
    const int open = x.signRight == 1 ? left : right, point = x.signRight == 1 ? right : left;
    p.drawPolyline(QPolygon({QPoint(open, top), QPoint(point, mid), QPoint(open, bottom)}));
  }
  if (x.signDown == 1 || x.signDown == 2) {
    const int top = cell.top() + w + inset, bottom = cell.top() + pitch_ - inset;
    const int left = cell.left() + t, right = cell.left() + w - t, mid = cell.left() + w / 2;
    const int open = x.signDown == 1 ? top : bottom, point = x.signDown == 1 ? bottom : top;
    p.drawPolyline(QPolygon({QPoint(left, open), QPoint(mid, point), QPoint(right, open)}));
  }
}

void FutoshikiBoard::PaintSquare(QPainter& p, const BoardView& view, int r, int c) const {
  const FutGridCell& x = grid_.cells[r][c];
  const QRect square = CellRect(r, c);
  if (view.paper) {
    p.fillRect(square, Qt::white);
    const int digit = x.given || view.solution ? x.solution : x.entry;
    if (digit >= 1 && digit <= n_) {
      p.setFont(DrawingFont(view.paperDigitPoints > 0 ? view.paperDigitPoints : digitSize_, x.given));
      p.setPen(x.given ? QColor(Qt::black) : kPaperGrey);
      p.drawText(square, Qt::AlignCenter, QString::number(digit));
    }
    const int unit = PaperLine(view);
    p.setPen(QPen(Qt::black, unit, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    // The line lies inside the square, so neighbouring strips stay clear.
    p.drawRect(QRectF(square).adjusted(unit / 2.0, unit / 2.0, -unit / 2.0, -unit / 2.0));
    return;
  }
  const bool typing = view.mode == kModeType;
  const bool cursorCell = typing && view.cursorRow == r && view.cursorCol == c;
  if (cursorCell) {
    p.fillRect(square, kMarkYellow);
    return;
  }
  p.fillRect(square, Qt::white);
  if (x.given || x.entry) {
    p.setFont(DrawingFont(digitSize_));
    p.setPen(x.given ? kGivenRed : QColor(Qt::black));
    p.drawText(square, Qt::AlignCenter, QString::number(x.given ? x.solution : x.entry));
  } else if (!typing) {
    const int t = mini_;
    p.setFont(DrawingFont(pencilSize_));
    for (int k = 1; k <= 9; ++k) {
      const QRect mc(square.left() + (k - 1) % 3 * t, square.top() + (k - 1) / 3 * t, t, t);
      if (k > n_) continue;
      const bool marked = x.marks[k - 1] != 0;
      if (marked) p.fillRect(mc, kMarkYellow);
      p.setPen(marked ? QColor(Qt::black) : kPencilGrey);
      p.drawText(mc, Qt::AlignCenter, QString::number(k));
    }
    p.setPen(QPen(kMiniLine, 1));
    for (int i = 1; i <= 2; ++i) {
      p.drawLine(square.left() + i * t, square.top(), square.left() + i * t, square.top() + 3 * t - 1);
      p.drawLine(square.left(), square.top() + i * t, square.left() + 3 * t - 1, square.top() + i * t);
    }
  } else if (x.textLength > 0) {
    PaintNote(p, square, x.text, std::min<int>(x.textLength, 9));
  }
}

void FutoshikiBoard::Paint(QPainter& p, const BoardView& view) const {
  p.fillRect(QRect(QPoint(0, 0), Size()), view.paper ? QColor(Qt::white) : kStripYellow);
  for (int r = 0; r < n_; ++r)
    for (int c = 0; c < n_; ++c) {
      PaintSquare(p, view, r, c);
      PaintSigns(p, view, r, c);
    }
  if (view.paper || !view.checkDisplay) return;
  for (int r = 0; r < n_; ++r) {
    for (int c = 0; c < n_; ++c) {
      const int mark = grid_.cells[r][c].check;
      if (mark != 1 && mark != 2) continue;
      p.setPen(QPen(mark == 1 ? kCheckGreen : kCheckRed, 2));
      p.setBrush(Qt::NoBrush);
      // A 2-pixel pen centred 3 pixels in covers the 3rd and 4th pixel from
      // the square's edge.
      p.drawRect(QRectF(CellRect(r, c)).adjusted(3, 3, -3, -3));
    }
  }
}

}  // namespace zorvek::draw::futoshiki
