#pragma once
// What the board tests share: a device to lay a board out on, the board
// painted into an image, and probes of the pixels.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "draw/common/board.h"

namespace zorvek::testing {

// A device of `dpi` (0: the screen's) for fonts to be fitted on.
inline QImage Device(int dpi = 0, QSize size = QSize(1, 1)) {
  QImage image(size, QImage::Format_RGB32);
  if (dpi) {
    image.setDotsPerMeterX(int(dpi / 0.0254));
    image.setDotsPerMeterY(int(dpi / 0.0254));
  }
  return image;
}

// Magenta first, so anything the board leaves unpainted shows.
template <typename Board>
QImage Paint(const Board& board, const draw::BoardView& view, int dpi = 0) {
  QImage image = Device(dpi, board.Size());
  image.fill(Qt::magenta);
  QPainter p(&image);
  board.Paint(p, view);
  return image;
}

inline bool IsBlack(const QImage& image, QPoint at) { return image.pixelColor(at) == QColor(Qt::black); }

inline int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

}  // namespace zorvek::testing
