#include "app/shell/combinations.h"

#include <QPainter>
#include <algorithm>

#include "draw/common/style.h"

namespace zorvek::app {

TCombinationsPanel::TCombinationsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pbNumbers"));
  QFont f = font();
  f.setBold(true);
  setFont(f);
}

void TCombinationsPanel::SetContent(const QString& title, std::vector<ComboEntry> entries) {
  title_ = title;
  entries_ = std::move(entries);
  update();
}

void TCombinationsPanel::Clear() { SetContent(QString(), {}); }

int TCombinationsPanel::ColumnWidth() const {
  return QFontMetrics(font()).horizontalAdvance(QStringLiteral(" 1,2,3,4,5,6,7,8,9 "));
}

int TCombinationsPanel::HeightFor(int rows) const {
  const int line = QFontMetrics(font()).height();
  return line + 8 + rows * line + 6;
}

void TCombinationsPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  const QFontMetrics fm(font());
  const int line = fm.height();
  p.setFont(font());
  p.drawText(QRect(0, 3, width(), line), Qt::AlignCenter, title_);
  const int ruleY = 3 + line + 2;
  p.setPen(QPen(QColor(0, 0, 255), 2));
  p.drawLine(4, ruleY, width() - 5, ruleY);
  // Entries run down each column, then on to the next one.
  const int top = ruleY + 4;
  const int rows = std::max(1, (height() - top - 2) / line);
  const int columnW = ColumnWidth();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const int col = int(i) / rows, row = int(i) % rows;
    p.setPen(entries_[i].active ? QColor(Qt::black) : draw::kPencilGrey);
    p.drawText(QRect(4 + col * columnW, top + row * line, columnW, line), Qt::AlignCenter, entries_[i].text);
  }
}

}  // namespace zorvek::app
