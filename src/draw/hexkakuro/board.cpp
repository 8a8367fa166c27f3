#include "draw/hexkakuro/board.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/play/play.h"

namespace zorvek::draw::hexkakuro {

using zorvek::hexkakuro::HexGridCell;
namespace hk = zorvek::hexkakuro;

namespace {

// The play window's background: kind-0 positions between the hexagons show it.
const QColor kScreenBackground(255, 255, 202);

// The x and y positions the nine mini-cells are built from (X1..X8, Y1..Y5).
struct MiniFrame {
  int X[9];
  int Y[6];
};

MiniFrame FrameOf(const HexCellGeometry& g, const HexUnits& units) {
  const int u = units.u, h = units.h, x0 = g.origin.x, y0 = g.origin.y;
  const int L = g.textLeft, R = g.textRight;
  const int cw = (R - L) / 3, ch = 2 * h / 3;
  MiniFrame f{};
  f.X[1] = x0 + 1;
  f.X[2] = L + 1;
  f.X[3] = x0 + u + 1;
  f.X[4] = L + cw;
  f.X[5] = R - cw;
  f.X[6] = x0 + 3 * u - 1;
  f.X[7] = R - 1;
  f.X[8] = x0 + 4 * u - 1;
  f.Y[1] = y0 + 1;
  f.Y[2] = y0 + ch;
  f.Y[3] = y0 + h;
  f.Y[4] = y0 + 2 * h - ch;
  f.Y[5] = y0 + 2 * h - 1;
  return f;
}

QPolygon MiniPolygon(const MiniFrame& f, int digit) {
  const int* X = f.X;
  const int* Y = f.Y;
  switch (digit) {
    case 1: return QPolygon({QPoint(X[3], Y[1]), QPoint(X[4], Y[1]), QPoint(X[4], Y[2]), QPoint(X[2], Y[2])});
    case 2: return QPolygon({QPoint(X[4], Y[1]), QPoint(X[5], Y[1]), QPoint(X[5], Y[2]), QPoint(X[4], Y[2])});
    case 3: return QPolygon({QPoint(X[5], Y[1]), QPoint(X[6], Y[1]), QPoint(X[7], Y[2]), QPoint(X[5], Y[2])});
    case 4:
      return QPolygon(
          {QPoint(X[1], Y[3]), QPoint(X[2], Y[2]), QPoint(X[4], Y[2]), QPoint(X[4], Y[4]), QPoint(X[2], Y[4])});
    case 5: return QPolygon({QPoint(X[4], Y[2]), QPoint(X[5], Y[2]), QPoint(X[5], Y[4]), QPoint(X[4], Y[4])});
    case 6:
      return QPolygon(
          {QPoint(X[5], Y[2]), QPoint(X[7], Y[2]), QPoint(X[8], Y[3]), QPoint(X[7], Y[4]), QPoint(X[5], Y[4])});
    case 7: return QPolygon({QPoint(X[2], Y[4]), QPoint(X[4], Y[4]), QPoint(X[4], Y[5]), QPoint(X[3], Y[5])});
    case 8: return QPolygon({QPoint(X[4], Y[4]), QPoint(X[5], Y[4]), QPoint(X[5], Y[5]), QPoint(X[4], Y[5])});
    default: return QPolygon({QPoint(X[5], Y[4]), QPoint(X[7], Y[4]), QPoint(X[6], Y[5]), QPoint(X[5], Y[5])});
  }
}

}  // namespace

void HexKakuroBoard::Fit(QSize space, const QPaintDevice* device) {
  const bool sized = hk::IsHexSize(settings_.rows, settings_.cols);
  rows_ = sized ? settings_.rows : hk::kSmallRows;
  cols_ = sized ? settings_.cols : hk::kSmallCols;
  const HexUnits units = UnitsToFit(space, rows_, cols_);
  units_ = HexUnits{std::max(units.u, 2), std::max(units.h, 3)};
  const int u = units_.u;
  clueSize_ = FitFontInSquare(QStringLiteral("66"), 24, 5, 2 * u, device);
  entrySize_ = FitFontInSquare(QStringLiteral("6"), 36, 5, 2 * u, device);
  // The mini digits fit with their whole line height, not only their ink, so
  // that they stay clear of the slanted edges beside digits 4 and 6.
  const int miniSide = 7 * u / 8;
  for (miniSize_ = 24; miniSize_ > 5; --miniSize_) {
    const QFontMetrics fm(DrawingFont(miniSize_), const_cast<QPaintDevice*>(device));
    if (fm.horizontalAdvance(QLatin1Char('9')) <= miniSide && fm.height() <= miniSide) break;
  }
  const HexCellGeometry g = CellGeometry(units_, 1, 1);
  const int boxWidth = g.textRight - g.textLeft + u / 5;
  // The box keeps room for its caret: one more digit than it holds, three at least.
  int start = entrySize_;
  for (int n = 1; n <= 9; ++n) {
    typedSize_[n] = FitFontToWidth(QString(std::max(3, n + 1), QLatin1Char('2')), start, 5, boxWidth, device);
    start = typedSize_[n];
  }
  const QFontMetrics typed(DrawingFont(typedSize_[1]), const_cast<QPaintDevice*>(device));
  boxHeight_ = std::clamp(typed.height() + 2, 8, std::max(8, 2 * units_.h - 8));
  boxHeight_ |= 1;  // odd, so the box centres on the hexagon's middle row
  const QFontMetrics mini(DrawingFont(miniSize_), const_cast<QPaintDevice*>(device));
  miniAdvance_ = mini.horizontalAdvance(QLatin1Char('4'));
  miniHeight_ = mini.height();
}

HexCellGeometry HexKakuroBoard::Geometry(int row, int col) const { return CellGeometry(units_, row, col); }

QPolygon HexKakuroBoard::Hexagon(int row, int col) const {
  const HexCellGeometry g = Geometry(row, col);
  QPolygon poly;
  for (const HexPoint& v : g.vertices) poly << QPoint(v.x, v.y);
  return poly;
}

QPolygon HexKakuroBoard::MiniCell(int row, int col, int digit) const {
  return MiniPolygon(FrameOf(Geometry(row, col), units_), std::clamp(digit, 1, 9));
}

QSize HexKakuroBoard::Size() const {
  return PaintBoxSize(units_, rows_, cols_);
}

QRect HexKakuroBoard::CellRect(int row, int col) const {
  const HexCellGeometry g = Geometry(row, col);
  const int top = g.origin.y + units_.h - boxHeight_ / 2;
  return QRect(g.textLeft - 3, top - 3, g.textRight - g.textLeft + 1 + 6, boxHeight_ + 6);
}

QPainterPath HexKakuroBoard::CellShape(int row, int col) const {
  QPainterPath path;
  path.addPolygon(QPolygonF(Hexagon(row, col)));
  path.closeSubpath();
  return path;
}

QRect HexKakuroBoard::TextArea(int r, int c) const {
  const HexCellGeometry g = Geometry(r, c);
  return QRect(g.origin.x + units_.u, g.origin.y, 2 * units_.u, 2 * units_.h);
}

BoardHit HexKakuroBoard::HitTest(const QPoint& p) const {
  BoardHit hit;
  HexPos pos;
  const auto kindAt = [this](int r, int c) { return grid_.cells[r][c].kind; };
  if (!draw::hexkakuro::HitTest(units_, rows_, cols_, p.x(), p.y(), kindAt, pos)) return hit;
  hit.inside = true;
  hit.row = pos.row;
  hit.col = pos.col;
  if (grid_.cells[pos.row][pos.col].kind == hk::kHexWhite) {
    const HexCellGeometry g = Geometry(pos.row, pos.col);
    const int cw = (g.textRight - g.textLeft) / 3, ch = 2 * units_.h / 3;
    const int column = p.x() <= g.textLeft + cw ? 1 : p.x() <= g.textLeft + 2 * cw ? 2 : 3;
    const int band = p.y() <= g.origin.y + ch ? 0 : p.y() <= g.origin.y + 2 * ch ? 3 : 6;
    hit.part = band + column;
  }
  return hit;
}

int HexKakuroBoard::TypingFontSize(int length) const { return typedSize_[std::clamp(length, 1, 9)]; }

void HexKakuroBoard::PaintMiniGrid(QPainter& p, int r, int c) const {
  const HexGridCell& x = grid_.cells[r][c];
  const MiniFrame f = FrameOf(Geometry(r, c), units_);
  for (int d = 1; d <= 9; ++d) {
    const bool marked = x.marks[d - 1] != 0;
    p.setPen(marked ? QPen(kMarkYellow, 1) : QPen(Qt::NoPen));
    p.setBrush(marked ? kMarkYellow : QColor(Qt::white));
    p.drawPolygon(MiniPolygon(f, d));
  }
  p.setFont(DrawingFont(miniSize_));
  const int a = miniAdvance_;
  for (int d = 1; d <= 9; ++d) {
    int left;
    switch ((d - 1) % 3) {
      case 0: left = f.X[4] - 1 - (d == 4 ? 2 * a : a); break;
      case 1: left = f.X[4] + (f.X[5] - f.X[4] - a) / 2; break;
      default: left = d == 6 ? f.X[5] + 1 + a : f.X[5] + 2; break;
    }
    int top;
    if (d <= 3)
      top = f.Y[2] - miniHeight_;
    else if (d <= 6)
      top = f.Y[2] + (f.Y[4] - f.Y[2] - miniHeight_) / 2;
    else
      top = f.Y[4] + 1;
    p.setPen(x.marks[d - 1] ? QColor(Qt::black) : kPencilGrey);
    p.drawText(QRect(left, top, 2 * a + 2, miniHeight_), Qt::AlignLeft | Qt::AlignTop, QString::number(d));
  }
  p.setPen(QPen(kSilver, 1));
  p.drawLine(f.X[2], f.Y[2], f.X[7], f.Y[2]);
  p.drawLine(f.X[2], f.Y[4], f.X[7], f.Y[4]);
  p.drawLine(f.X[4], f.Y[1], f.X[4], f.Y[5]);
  p.drawLine(f.X[5], f.Y[1], f.X[5], f.Y[5]);
}

void HexKakuroBoard::PaintCheck(QPainter& p, int r, int c) const {
  const int mark = grid_.cells[r][c].check;
  if (mark != 1 && mark != 2) return;
  // A 3-pixel band starting one pixel inside the outline: the hexagon shrunk
  // about its centre until its edges stand two pixels in.
  const HexCellGeometry g = Geometry(r, c);
  const QPointF centre(g.origin.x + 2 * units_.u, g.origin.y + units_.h);
  const double scale = std::max(0.0, (units_.h - 2.0) / units_.h);
  QPolygonF band;
  for (const HexPoint& v : g.vertices) band << centre + (QPointF(v.x, v.y) - centre) * scale;
  p.setPen(QPen(mark == 1 ? kCheckGreen : kCheckRed, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(band);
}

void HexKakuroBoard::Paint(QPainter& p, const BoardView& view) const {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  if (!view.paper) p.fillRect(QRect(QPoint(0, 0), Size()), kScreenBackground);
  const bool typing = !view.paper && view.mode == kModeType;
  // Printers have many pixels to the hexagon: keep the outline visible there.
  const int outline = !view.paper ? 1 : view.paperLine > 0 ? view.paperLine : std::max(1, (units_.u + 6) / 12);
  for (int c = 1; c <= cols_; ++c) {
    for (int r = 1; r <= rows_; ++r) {
      const HexGridCell& x = grid_.cells[r][c];
      if (x.kind == hk::kHexNone) continue;
      const bool cursorCell = typing && view.cursorRow == r && view.cursorCol == c;
      QColor fill = Qt::white;
      if (x.kind == hk::kHexClue)
        fill = view.paper ? kPaperGrey : r == selRow_ && c == selCol_ ? kClueBlue : QColor(Qt::black);
      else if (x.kind == hk::kHexRemoved)
        fill = kRemovedGrey;
      else if (cursorCell)
        fill = kMarkYellow;
      p.setPen(QPen(Qt::black, outline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      p.setBrush(fill);
      p.drawPolygon(Hexagon(r, c));

      const QRect text = TextArea(r, c);
      if (x.kind == hk::kHexClue) {
        if (x.count > 0) {
          p.setFont(DrawingFont(clueSize_));
          p.setPen(Qt::white);
          p.drawText(text, Qt::AlignCenter, QString::number(x.number));
        }
        continue;
      }
      if (x.kind != hk::kHexWhite) continue;
      if (view.paper) {
        const int digit = view.solution ? x.number : x.entry;
        if (digit >= 1 && digit <= 9) {
          p.setFont(DrawingFont(entrySize_));
          p.setPen(kPaperGrey);
          p.drawText(text, Qt::AlignCenter, QString::number(digit));
        }
      } else if (cursorCell) {
        // The typing box lies over this cell and shows its text.
      } else if (x.entry >= 1 && x.entry <= 9) {
        p.setFont(DrawingFont(entrySize_));
        p.setPen(Qt::black);
        p.drawText(text, Qt::AlignCenter, QString::number(x.entry));
      } else if (!typing) {
        PaintMiniGrid(p, r, c);
      } else if (x.textLength > 0) {
        PaintNote(p, text.adjusted(-units_.u, 0, units_.u, 0), x.text, std::min<int>(x.textLength, 9));
      }
    }
  }
  if (!view.paper && view.checkDisplay)
    for (int c = 1; c <= cols_; ++c)
      for (int r = 1; r <= rows_; ++r)
        if (grid_.cells[r][c].kind == hk::kHexWhite) PaintCheck(p, r, c);
  p.restore();
}

}  // namespace zorvek::draw::hexkakuro
