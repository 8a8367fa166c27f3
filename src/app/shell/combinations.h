#pragma once
// pbNumbers: a clue's digit combinations under a title ("23 in 3",
// "Across : 23 in 3"), a blue rule, then the combinations in columns, active
// ones black and ruled-out ones grey. PanelNumbers holds two of them in the
// command column of the kinds with clue sums (Kakuro and HexKakuro).
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;

#include "core/common/sums.h"

namespace zorvek::app {

struct ComboEntry {
  QString text;  // e.g. "1,5,9"
  bool active = true;
};

class TCombinationsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TCombinationsPanel(QWidget* parent);

  void SetContent(const QString& title, std::vector<ComboEntry> entries);
  // A run's sets, the ones no longer alive in grey.
  void SetContent(const QString& title, const sums::Combinations& list);
  void Clear();
  const QString& title() const { return title_; }
  const std::vector<ComboEntry>& entries() const { return entries_; }
  // Width of one column of combinations, set by the panel that holds the box.
  int ColumnWidth() const { return columnWidth_; }
  void SetColumnWidth(int width) { columnWidth_ = width; }
  // Height that shows the title and `rows` lines of combinations.
  int HeightFor(int rows) const;
  // Lines of combinations the box shows at its present height.
  int Rows() const;

 signals:
  void contentChanged();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString title_;
  std::vector<ComboEntry> entries_;
  int columnWidth_ = 0;
};

class TNumbersPanel : public QWidget {
  Q_OBJECT
 public:
  // The longest list of combinations (four or five cells) has 12 sets.
  static constexpr int kLongestList = 12;

  explicit TNumbersPanel(QWidget* parent);

  // Chooses the font and the number of columns at which two boxes of the
  // longest list fit `maxHeight`: the largest font within `width`, down to
  // two points below the window's; then as wide as `widest`; then smaller
  // fonts the same way. Returns the size the panel needs; the caller places it.
  QSize Fit(int width, int widest, int maxHeight);
  int Columns() const { return columns_; }

  TCombinationsPanel *pbNumbers, *pbNumbers2;
  // Holds the longest combination; its width in the boxes' font is one column.
  QLabel* lblTest1;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  void SetBoxFont(const QFont& font);
  int ColumnWidth() const;
  // Each box as tall as its list needs: pbNumbers at the top, pbNumbers2 at half height.
  void PlaceBoxes();

  QFont baseFont_;
  int columns_ = 1;
  int rows_ = kLongestList;
};

}  // namespace zorvek::app
