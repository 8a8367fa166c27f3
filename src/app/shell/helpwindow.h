#pragma once
// The game's own help: pages compiled into the program, a contents list on
// the left and the page on the right.
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace zorvek::app {

class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* parent = nullptr);
  QListWidget* contents() const { return lbContents_; }
  QTextBrowser* page() const { return browser_; }
  void ShowPage(int index);

 private:
  QListWidget* lbContents_;
  QTextBrowser* browser_;
  QStringList files_;
};

}  // namespace zorvek::app
