#include "app/shell/combinations.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "draw/common/style.h"

namespace zorvek::app {
namespace {

constexpr int kBoxGap = 6;       // between the two boxes
constexpr int kSmallestFont = 7;  // points; smaller is no longer readable
// The widest title a box shows.
const QString kWidestTitle = QStringLiteral("Across : 45 in 9");

// Title line, rule and margins, then `rows` lines of combinations.
int BoxHeight(const QFontMetrics& fm, int rows) { return fm.height() + 8 + rows * fm.height() + 6; }

}  // namespace

TCombinationsPanel::TCombinationsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pbNumbers"));
  QFont f = font();
  f.setBold(true);
  setFont(f);
}

void TCombinationsPanel::SetContent(const QString& title, std::vector<ComboEntry> entries) {
  title_ = title;
  entries_ = std::move(entries);
  emit contentChanged();
  update();
}

void TCombinationsPanel::SetContent(const QString& title, const sums::Combinations& list) {
  std::vector<ComboEntry> entries;
  for (std::size_t i = 0; i < list.entries.size(); ++i)
    entries.push_back(ComboEntry{QString::fromStdString(list.entries[i]), bool(list.alive[i])});
  SetContent(title, std::move(entries));
}

void TCombinationsPanel::Clear() { SetContent(QString(), std::vector<ComboEntry>{}); }

int TCombinationsPanel::HeightFor(int rows) const { return BoxHeight(QFontMetrics(font()), rows); }

int TCombinationsPanel::Rows() const {
  const int line = QFontMetrics(font()).height();
  return std::max(1, (height() - BoxHeight(QFontMetrics(font()), 0)) / line);
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
  // Entries run down each column, then on to the next one; the columns in use
  // stand centred in the box.
  const int top = ruleY + 4;
  const int rows = Rows();
  const int columnW = std::max(1, ColumnWidth());
  const int used = (int(entries_.size()) + rows - 1) / rows;
  const int left = std::max(0, (width() - used * columnW) / 2);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const int col = int(i) / rows, row = int(i) % rows;
    p.setPen(entries_[i].active ? QColor(Qt::black) : draw::kPencilGrey);
    p.drawText(QRect(left + col * columnW, top + row * line, columnW, line), Qt::AlignCenter, entries_[i].text);
  }
}

TNumbersPanel::TNumbersPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PanelNumbers"));
  pbNumbers = new TCombinationsPanel(this);
  pbNumbers2 = new TCombinationsPanel(this);
  pbNumbers2->setObjectName(QStringLiteral("pbNumbers2"));
  pbNumbers->hide();
  pbNumbers2->hide();
  lblTest1 = new QLabel(QStringLiteral(" 1,2,3,4,5,6,7,8,9 "), this);
  lblTest1->setObjectName(QStringLiteral("lblTest1"));
  lblTest1->hide();
  baseFont_ = pbNumbers->font();
  SetBoxFont(baseFont_);
  for (TCombinationsPanel* box : {pbNumbers, pbNumbers2})
    connect(box, &TCombinationsPanel::contentChanged, this, &TNumbersPanel::PlaceBoxes);
}

void TNumbersPanel::SetBoxFont(const QFont& font) {
  for (QWidget* w : {static_cast<QWidget*>(pbNumbers), static_cast<QWidget*>(pbNumbers2),
                     static_cast<QWidget*>(lblTest1)})
    w->setFont(font);
  pbNumbers->SetColumnWidth(ColumnWidth());
  pbNumbers2->SetColumnWidth(ColumnWidth());
}

int TNumbersPanel::ColumnWidth() const {
  return QFontMetrics(lblTest1->font()).horizontalAdvance(lblTest1->text());
}

QSize TNumbersPanel::Fit(int width, int widest, int maxHeight) {
  struct Choice {
    QFont font;
    int columns;
    QSize size;
  };
  auto measure = [this](int points, int columns) {
    QFont font = baseFont_;
    font.setPointSize(points);
    const QFontMetrics fm(font);
    const int rows = (kLongestList + columns - 1) / columns;
    const int columnW = fm.horizontalAdvance(lblTest1->text());
    const int w = std::max(columns * columnW, fm.horizontalAdvance(kWidestTitle) + 8) + 8;
    return Choice{font, columns, QSize(w, 2 * BoxHeight(fm, rows) + kBoxGap)};
  };
  const int base = std::max(kSmallestFont, baseFont_.pointSize() > 0 ? baseFont_.pointSize() : 9);
  const int slightly = std::max(kSmallestFont, base - 2);
  // In order: a slightly smaller font in the buttons' width, then wider;
  // then a small font in the buttons' width, then wider.
  struct Pass {
    int largest, smallest, width;
  };
  std::optional<Choice> chosen;
  for (const Pass& pass : {Pass{base, slightly, width}, Pass{base, slightly, widest},
                           Pass{slightly - 1, kSmallestFont, width}, Pass{slightly - 1, kSmallestFont, widest}})
    for (int points = pass.largest; points >= pass.smallest && !chosen; --points)
      for (int columns = 1; columns <= 4 && !chosen; ++columns)
        if (const Choice c = measure(points, columns); c.size.height() <= maxHeight && c.size.width() <= pass.width)
          chosen = c;
  // A window too small for any of these: the smallest font, as many columns as the height needs.
  for (int columns = 1; columns <= 4 && !chosen; ++columns)
    if (const Choice c = measure(kSmallestFont, columns); c.size.height() <= maxHeight || columns == 4) chosen = c;
  columns_ = chosen->columns;
  rows_ = (kLongestList + columns_ - 1) / columns_;
  SetBoxFont(chosen->font);
  return chosen->size;
}

void TNumbersPanel::resizeEvent(QResizeEvent*) { PlaceBoxes(); }

void TNumbersPanel::PlaceBoxes() {
  const int slot = (height() - kBoxGap) / 2;
  int y = 0;
  for (TCombinationsPanel* box : {pbNumbers, pbNumbers2}) {
    const int rows = std::clamp(int(box->entries().size()), 1, rows_);
    box->setGeometry(0, y, width(), std::min(slot, box->HeightFor(rows)));
    y += slot + kBoxGap;
  }
}

}  // namespace zorvek::app
