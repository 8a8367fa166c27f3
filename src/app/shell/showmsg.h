#pragma once
// The one modal box through which the game tells the player something or
// asks a question.
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QFrame;

namespace zorvek::app {

class TfrmShowMsg : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmShowMsg(QWidget* parent = nullptr);
  // Lays the dialog out for the text and style (0 O.K., 1 O.K./Cancel)
  // without showing it.
  void Prepare(const QString& text, int style);
  int Execute(const QString& text, int style);
  int panelWidth() const { return panelWidth_; }
  QLabel* label() const { return lblMessage_; }
  QPushButton* okButton() const { return bnOK_; }
  QPushButton* cancelButton() const { return bnCancel_; }

 private:
  QFrame* panel_;
  QLabel* lblMessage_;
  QPushButton* bnOK_;
  QPushButton* bnCancel_;
  int panelWidth_ = 400;
  int result_ = 2;
};

// The system's texts separate lines with "\n\r"; shown as plain line breaks.
QString DisplayText(const QString& text);

// Shows the text over the main window; 1 for O.K., 2 for Cancel.
int ShowMessageBox(const QString& text, int style);

// Tests answer message boxes here instead of a person; null shows the dialog.
using MessageHook = std::function<int(const QString& text, int style)>;
void SetMessageHook(MessageHook hook);
// The window messages are centred over (the main window).
void SetMessageOwner(QWidget* owner);

}  // namespace zorvek::app
