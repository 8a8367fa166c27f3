#include "app/shell/showmsg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/shell/appstyle.h"

namespace zorvek::app {
namespace {
MessageHook& Hook() {
  static MessageHook hook;
  return hook;
}
QWidget*& Owner() {
  static QWidget* owner = nullptr;
  return owner;
}
constexpr int kMargin = 20;
}  // namespace

QString DisplayText(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  t.remove(QLatin1Char('\r'));
  return t;
}

TfrmShowMsg::TfrmShowMsg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Zorvek Number Puzzles"));
  setObjectName(QStringLiteral("frmShowMsg"));
  PaintBackground(this);
  panel_ = new QFrame(this);
  panel_->setFrameShape(QFrame::Panel);
  panel_->setFrameShadow(QFrame::Raised);
  lblMessage_ = new QLabel(panel_);
  lblMessage_->setObjectName(QStringLiteral("lblMessage"));
  QFont f(QStringLiteral("Arial"), 10);
  f.setBold(true);
  lblMessage_->setFont(f);
  bnOK_ = new QPushButton(QStringLiteral("O.K."), panel_);
  bnOK_->setObjectName(QStringLiteral("bnOK"));
  bnCancel_ = new QPushButton(QStringLiteral("Cancel"), panel_);
  bnCancel_->setObjectName(QStringLiteral("bnCancel"));
  connect(bnOK_, &QPushButton::clicked, this, [this] {
    result_ = 1;
    accept();
  });
  connect(bnCancel_, &QPushButton::clicked, this, [this] {
    result_ = 2;
    reject();
  });
}

void TfrmShowMsg::Prepare(const QString& text, int style) {
  const QString shown = DisplayText(text);
  const QFontMetrics fm(lblMessage_->font());
  // The width rule measures the whole text written on one line; a text with
  // line breaks that would be long on one line gets the wide, wrapped panel.
  const int oneLine = fm.horizontalAdvance(QString(shown).remove(QLatin1Char('\n')));
  int longestLine = 0;
  for (const QString& line : shown.split(QLatin1Char('\n')))
    longestLine = std::max(longestLine, fm.horizontalAdvance(line));
  lblMessage_->setText(shown);
  int textHeight;
  if (2 * kMargin + oneLine <= 600) {
    panelWidth_ = std::max(400, 2 * kMargin + oneLine);
    lblMessage_->setWordWrap(false);
    textHeight = fm.lineSpacing() * (shown.count(QLatin1Char('\n')) + 1);
    lblMessage_->setGeometry(kMargin, kMargin, longestLine + 4, textHeight);
  } else {
    panelWidth_ = 650;
    lblMessage_->setWordWrap(true);
    const int width = 650 - 2 * kMargin;
    textHeight = lblMessage_->heightForWidth(width);
    lblMessage_->setGeometry(kMargin, kMargin, width, textHeight);
  }
  const int buttonWidth = 90, buttonHeight = fm.height() + 14;
  const int buttonTop = kMargin + textHeight + 20;
  if (style == 1) {
    bnCancel_->show();
    bnOK_->setGeometry(panelWidth_ / 2 - buttonWidth - 10, buttonTop, buttonWidth, buttonHeight);
    bnCancel_->setGeometry(panelWidth_ / 2 + 10, buttonTop, buttonWidth, buttonHeight);
  } else {
    bnCancel_->hide();
    bnOK_->setGeometry((panelWidth_ - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
  }
  const int panelHeight = buttonTop + buttonHeight + kMargin;
  panel_->setGeometry(5, 5, panelWidth_, panelHeight);
  setFixedSize(panelWidth_ + 10, panelHeight + 10);
  bnOK_->setDefault(true);
  bnOK_->setFocus();
  if (QWidget* owner = Owner()) {
    const QRect g = owner->frameGeometry();
    move(g.left() + (g.width() - width()) / 2, g.top() + (g.height() - height()) / 2);
  }
}

int TfrmShowMsg::Execute(const QString& text, int style) {
  Prepare(text, style);
  result_ = 2;
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  exec();
  QApplication::restoreOverrideCursor();
  return result_;
}

void SetMessageHook(MessageHook hook) { Hook() = std::move(hook); }
void SetMessageOwner(QWidget* owner) { Owner() = owner; }

int ShowMessageBox(const QString& text, int style) {
  if (Hook()) return Hook()(text, style);
  static TfrmShowMsg* dialog = nullptr;
  if (!dialog) dialog = new TfrmShowMsg(nullptr);  // lives for the whole run
  return dialog->Execute(text, style);
}

}  // namespace zorvek::app
