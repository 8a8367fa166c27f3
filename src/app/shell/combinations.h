#pragma once
// pbNumbers: a clue's digit combinations under a title ("23 in 3",
// "Across : 23 in 3"), a blue rule, then the combinations in columns, active
// ones black and ruled-out ones grey. Kakuro and HexKakuro show their clues here.
#include <QString>
#include <QWidget>
#include <vector>

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
  void Clear();
  const QString& title() const { return title_; }
  const std::vector<ComboEntry>& entries() const { return entries_; }
  // Width of one column: the longest combination " 1,2,3,4,5,6,7,8,9 " in the panel's font.
  int ColumnWidth() const;
  // Height that shows the title and `rows` lines of combinations.
  int HeightFor(int rows) const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString title_;
  std::vector<ComboEntry> entries_;
};

}  // namespace zorvek::app
