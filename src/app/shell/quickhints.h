#pragma once
// The instructions window: a short text for the kind being played, placed
// below the main window (moving it up when the screen is too short).
#include <QRect>
#include <QWidget>
#include <functional>

#include "app/shell/hinttexts.h"

class QPushButton;
class QPlainTextEdit;

namespace zorvek::app {

// Whether the desktop keeps a task bar on top of other windows. Qt cannot
// tell on most desktops; where it cannot, the answer is no.
bool TaskBarStaysOnTop();

class TfrmQuickHints : public QWidget {
  Q_OBJECT
 public:
  // selectorHeight: the main window's strip, which the window never covers.
  TfrmQuickHints(QWidget* mainWindow, int selectorHeight);

  // The main window's geometry as the play window recorded it.
  void RecordMainGeometry(const QRect& frame) { saved_ = frame; }
  void ShowInstructions(const HintText& text);
  bool Showing() const { return showing_; }
  int fontSize() const { return fontSize_; }
  // Runs after the window hides, so the play window can give the typing box
  // its focus back.
  std::function<void()> onHidden;

  QPushButton* smallerButton() const { return bnSmaller_; }
  QPushButton* largerButton() const { return bnLarger_; }
  QPushButton* closeButton() const { return bnClose_; }
  QPlainTextEdit* memo() const { return mmHints_; }

  // The placement rules, for a screen of the given height (pure geometry).
  struct Placement {
    QRect hints;
    int mainTop;
  };
  static Placement Place(const QRect& mainFrame, int screenHeight, int selectorHeight);

 protected:
  void hideEvent(QHideEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void ChangeFont(int delta);
  void LayoutControls();

  QWidget* main_;
  int selectorHeight_;
  QPushButton* bnSmaller_;
  QPushButton* bnLarger_;
  QPushButton* bnClose_;
  QPlainTextEdit* mmHints_;
  QRect saved_;
  int fontSize_ = 8;
  bool showing_ = false;
  bool positioned_ = false;
};

}  // namespace zorvek::app
