#include "app/shell/quickhints.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "app/shell/appstyle.h"

namespace zorvek::app {

bool TaskBarStaysOnTop() { return false; }

TfrmQuickHints::TfrmQuickHints(QWidget* mainWindow, int selectorHeight)
    : QWidget(nullptr, Qt::Window), main_(mainWindow), selectorHeight_(selectorHeight) {
  setObjectName(QStringLiteral("frmQuickHints"));
  setWindowTitle(QStringLiteral("Instructions"));
  PaintBackground(this, kHintsBackground);
  bnSmaller_ = new QPushButton(QStringLiteral("Smaller Font"), this);
  bnLarger_ = new QPushButton(QStringLiteral("Larger Font"), this);
  bnClose_ = new QPushButton(QStringLiteral("Close this window"), this);
  mmHints_ = new QPlainTextEdit(this);
  mmHints_->setReadOnly(true);
  mmHints_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  PaintBackground(mmHints_->viewport(), kHintsBackground);
  connect(bnSmaller_, &QPushButton::clicked, this, [this] { ChangeFont(-2); });
  connect(bnLarger_, &QPushButton::clicked, this, [this] { ChangeFont(+2); });
  connect(bnClose_, &QPushButton::clicked, this, &QWidget::hide);
  ChangeFont(0);
}

void TfrmQuickHints::ChangeFont(int delta) {
  fontSize_ = std::clamp(fontSize_ + delta, 8, 14);
  QFont f(QStringLiteral("Arial"), fontSize_);
  f.setBold(true);
  setFont(f);
  mmHints_->setFont(f);
  bnSmaller_->setEnabled(fontSize_ > 8);
  bnLarger_->setEnabled(fontSize_ < 14);
  LayoutControls();
}

void TfrmQuickHints::LayoutControls() {
  const QFontMetrics fm(font());
  const int unit = SpacingUnitForDpi(logicalDpiY());
  const int h = fm.height() + 15;
  const int w1 = fm.horizontalAdvance(bnSmaller_->text()) + 2 * unit;
  const int w2 = fm.horizontalAdvance(bnLarger_->text()) + 2 * unit;
  const int w3 = fm.horizontalAdvance(bnClose_->text()) + 2 * unit;
  bnSmaller_->setGeometry(0, 0, w1, h);
  bnLarger_->setGeometry(w1, 0, w2, h);
  bnClose_->setGeometry(width() - 2 - w3, 0, w3, h);
  mmHints_->setGeometry(5, h + 4, std::max(10, width() - 5 - 8), std::max(10, height() - h - 4 - 8));
}

void TfrmQuickHints::resizeEvent(QResizeEvent*) { LayoutControls(); }

TfrmQuickHints::Placement TfrmQuickHints::Place(const QRect& m, int screenHeight, int selectorHeight) {
  const int bottom = m.top() + m.height();
  const int space = screenHeight - bottom;
  if (space >= 190) return {QRect(m.left(), bottom, m.width(), space), m.top()};
  if (screenHeight - m.height() >= 190) {
    const int top = screenHeight - 190 - m.height();
    return {QRect(m.left(), top + m.height(), m.width(), 200), top};
  }
  const int h = (m.height() - selectorHeight) / 2;
  return {QRect(m.left(), bottom - h, m.width(), h), m.top()};
}

void TfrmQuickHints::ShowInstructions(const HintText& text) {
  if (!positioned_) {
    if (TaskBarStaysOnTop()) setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QScreen* screen = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen->availableGeometry();
    const Placement p = Place(saved_, avail.top() + avail.height(), selectorHeight_);
    if (p.mainTop != saved_.top()) main_->move(saved_.left(), p.mainTop);
    setGeometry(p.hints);
    positioned_ = true;
  }
  setWindowTitle(text.title);
  mmHints_->setPlainText(BuildParagraphs(text.lines).join(QLatin1Char('\n')));
  mmHints_->verticalScrollBar()->setValue(0);
  mmHints_->moveCursor(QTextCursor::Start);
  showing_ = true;
  show();
  raise();
}

void TfrmQuickHints::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  if (!showing_) return;
  if (saved_.isValid()) {
    main_->move(saved_.topLeft());
    main_->resize(saved_.size());
  }
  showing_ = false;
  positioned_ = false;
  if (onHidden) onHidden();
}

}  // namespace zorvek::app
