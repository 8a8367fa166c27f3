#include "app/shell/createdialog.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/shell/appstyle.h"
#include "app/shell/host.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"

namespace zorvek::app {

TCreateDialog::TCreateDialog(QWidget* parent) : QDialog(parent) {
  TimerClose.setSingleShot(true);
  TimerClose.setInterval(500);
  connect(&TimerClose, &QTimer::timeout, this, [this] {
    TimerClose.stop();
    accept();
  });
  poll_.setInterval(25);
  connect(&poll_, &QTimer::timeout, this, &TCreateDialog::Poll);
  // The engine learns that a bank was drawn from; the state is saved once the
  // worker has handed its copy back.
  progress_.saveState = [this] { saveRequested_ = true; };
}

TCreateDialog::~TCreateDialog() {
  progress_.cancelled = true;
  progress_.Resume();
  if (worker_.joinable()) worker_.join();
}

void TCreateDialog::StartCreation(std::function<Outcome()> job) {
  progress_.attempts = 0;
  progress_.cancelled = false;
  stoppedByPlayer_ = false;
  saveRequested_ = false;
  lastPosition_ = -1;
  done_ = false;
  creating_ = true;
  if (worker_.joinable()) worker_.join();
  worker_ = std::thread([this, job = std::move(job)] {
    outcome_ = job();
    done_ = true;
  });
  poll_.start();
}

void TCreateDialog::Poll() {
  if (pgCreate) {
    const int position =
        std::clamp(fixedBar_ >= 0 ? fixedBar_ : progress_.Position(pgCreate->maximum()), 0, pgCreate->maximum());
    if (position != lastPosition_) {
      lastPosition_ = position;
      pgCreate->setValue(position);
    }
  }
  if (!done_ || asking_) return;
  poll_.stop();
  worker_.join();
  creating_ = false;
  Outcome outcome = outcome_;
  if (stoppedByPlayer_) {
    // The player said stop: a puzzle that was finished meanwhile is dropped.
    outcome.success = false;
    outcome.cancelled = true;
  }
  Finished(outcome);
}

void TCreateDialog::bnCancelClick() {
  if (!creating_ || asking_) return;
  asking_ = true;
  progress_.Pause();  // the engine waits for the answer at its next look
  const int answer = ShowMessageBox(QString::fromLatin1(kStopCreationQuestion), 1);
  asking_ = false;
  if (answer == 1) {
    stoppedByPlayer_ = true;
    progress_.cancelled = true;
  }
  progress_.Resume();
}

void TCreateDialog::reject() {
  // Escape or the close box while creating count as the Cancel button.
  if (creating_) {
    bnCancelClick();
    return;
  }
  if (TimerClose.isActive()) return;
  QDialog::reject();
}

void TCreateDialog::CloseAfter(const Outcome& outcome) {
  if (outcome.success && outcome.startCloseTimer) {
    if (pgCreate) pgCreate->setValue(pgCreate->maximum());
    TimerClose.start();
  } else if (outcome.success) {
    accept();
  } else {
    QDialog::reject();
  }
}

namespace {

QRadioButton* MakeChoice(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new QRadioButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QFrame* MakeFrame(const char* name, QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setFrameShape(QFrame::Panel);
  f->setFrameShadow(QFrame::Sunken);
  f->setLineWidth(2);
  return f;
}

}  // namespace

TKindCreateDialog::TKindCreateDialog(THost& host, int kind, bool cancellable, QWidget* parent)
    : TCreateDialog(parent), host_(host), kind_(kind), cancellable_(cancellable) {
  const QString name = QString::fromLatin1(KindName(kind));
  setWindowTitle(QStringLiteral("Create %1 puzzle").arg(name));
  PaintBackground(this);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);

  PanelDiff = MakeFrame("PanelDiff", this);
  rbDiff0 = MakeChoice(QStringLiteral("Easy"), QStringLiteral("rbDiff0"), PanelDiff);
  rbDiff1 = MakeChoice(QStringLiteral("Medium"), QStringLiteral("rbDiff1"), PanelDiff);
  rbDiff2 = MakeChoice(QStringLiteral("Hard"), QStringLiteral("rbDiff2"), PanelDiff);
  rbDiff1->setChecked(true);
  bnCreate = new QPushButton(QStringLiteral("Create new %1").arg(name), this);
  bnCreate->setObjectName(QStringLiteral("bnCreate"));
  bnInitCancel = new QPushButton(QStringLiteral("Cancel"), this);
  bnInitCancel->setObjectName(QStringLiteral("bnInitCancel"));

  PanelCreate = new QWidget(this);
  PanelCreate->setObjectName(QStringLiteral("PanelCreate"));
  lblCreating_ = new QLabel(QStringLiteral("Creating %1 Puzzle").arg(name), PanelCreate);
  lblCreating_->setObjectName(QStringLiteral("lblCreate"));
  lblCreating_->setAlignment(Qt::AlignCenter);
  pgCreate = new QProgressBar(PanelCreate);
  pgCreate->setObjectName(QStringLiteral("pgCreate"));
  pgCreate->setRange(0, 100);
  pgCreate->setTextVisible(false);
  bnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));
  LayoutDialog();

  connect(bnCreate, &QPushButton::clicked, this, &TKindCreateDialog::bnCreateClick);
  connect(bnInitCancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
  connect(bnCancel, &QPushButton::clicked, this, &TKindCreateDialog::bnCancelClick);
}

void TKindCreateDialog::SetSizeChoices(const QStringList& captions) {
  PanelSize = MakeFrame("PanelSize", this);
  for (int i = 0; i < captions.size(); ++i)
    rbSize.push_back(MakeChoice(captions[i], QStringLiteral("rbSize%1").arg(i), PanelSize));
  if (!rbSize.empty()) rbSize.front()->setChecked(true);
  LayoutDialog();
}

void TKindCreateDialog::SetClientSize(const QSize& size) {
  clientSize_ = size;
  LayoutDialog();
}

void TKindCreateDialog::LayoutDialog() {
  // Both phases share one area, so the dialog keeps its size throughout. The
  // frames, buttons and captions take what their texts need, unless the kind
  // gives the dialog a size of its own; then the frames share that.
  const QFontMetrics fm(font());
  const int unit = SpacingUnitForDpi(logicalDpiY());
  const int rowH = fm.height() + 8;
  const int bh = std::max(bnCreate->sizeHint().height(), fm.height() + 14);
  const std::vector<QRadioButton*> difficulty{rbDiff0, rbDiff1, rbDiff2};
  std::vector<std::pair<QFrame*, const std::vector<QRadioButton*>*>> frames{{PanelDiff, &difficulty}};
  if (PanelSize) frames.emplace_back(PanelSize, &rbSize);
  const int n = int(frames.size());
  int choiceW = 0, rows = 0;
  for (const auto& frame : frames) {
    rows = std::max<int>(rows, frame.second->size());
    for (QRadioButton* b : *frame.second) choiceW = std::max(choiceW, b->sizeHint().width());
  }
  const int createW = bnCreate->sizeHint().width() + unit;
  const int cancelW = std::max(90, bnInitCancel->sizeHint().width() + unit);
  int contentW = std::max({n * (choiceW + 2 * unit) + (n - 1) * unit, createW + unit + cancelW,
                           lblCreating_->sizeHint().width() + 2 * unit});
  int frameH = rows * rowH + unit;
  if (clientSize_.isValid()) {
    contentW = clientSize_.width() - 2 * unit;
    frameH = clientSize_.height() - 3 * unit - bh;
  }
  const int frameW = (contentW - (n - 1) * unit) / n;
  // Rows spread a little in tall frames, alike in every frame, each block centred.
  const int pitch = std::clamp((frameH - unit) / std::max(1, rows), rowH, 2 * rowH);
  for (int i = 0; i < n; ++i) {
    QFrame* frame = frames[i].first;
    const std::vector<QRadioButton*>& choices = *frames[i].second;
    frame->setGeometry(unit + i * (frameW + unit), unit, frameW, frameH);
    const int top = (frameH - int(choices.size()) * pitch) / 2 + (pitch - rowH) / 2;
    for (std::size_t k = 0; k < choices.size(); ++k)
      choices[k]->setGeometry((frameW - choiceW) / 2, top + int(k) * pitch, choiceW, rowH);
  }
  const int w = contentW + 2 * unit, buttonsTop = unit + frameH + unit;
  bnCreate->setGeometry(unit, buttonsTop, createW, bh);
  bnInitCancel->setGeometry(w - unit - cancelW, buttonsTop, cancelW, bh);
  PanelCreate->setGeometry(unit, unit, contentW, frameH);
  lblCreating_->setGeometry(0, frameH / 2 - rowH - 4, contentW, rowH);
  pgCreate->setGeometry(10, frameH / 2 + 4, contentW - 20, 22);
  bnCancel->setGeometry((w - cancelW) / 2, buttonsTop, cancelW, bh);
  setFixedSize(w, buttonsTop + bh + unit);
}

void TKindCreateDialog::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  // A raised navy edge, so the dialog stands out from the same-coloured window behind it.
  QPainter p(this);
  p.setPen(QPen(kNavy, 2));
  p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  p.setPen(QPen(Qt::white, 1));
  p.drawLine(3, 3, width() - 4, 3);
  p.drawLine(3, 3, 3, height() - 4);
}

void TKindCreateDialog::SetDifficulty(int difficulty) {
  (difficulty == kEasy ? rbDiff0 : difficulty == kHard ? rbDiff2 : rbDiff1)->setChecked(true);
}

int TKindCreateDialog::Difficulty() const {
  return rbDiff0->isChecked() ? kEasy : rbDiff2->isChecked() ? kHard : kMedium;
}

void TKindCreateDialog::SetSize(int index) {
  if (index >= 0 && index < int(rbSize.size())) rbSize[index]->setChecked(true);
}

int TKindCreateDialog::Size() const {
  for (std::size_t i = 0; i < rbSize.size(); ++i)
    if (rbSize[i]->isChecked()) return int(i);
  return -1;
}

void TKindCreateDialog::FormShow() {
  const QRect m = host_.hostWindow()->frameGeometry();
  move(m.left() + (m.width() - width()) / 2, m.top() + (m.height() - height()) / 2);
  TimerClose.stop();
  created_ = false;
  for (QWidget* w : {static_cast<QWidget*>(PanelDiff), static_cast<QWidget*>(bnCreate),
                     static_cast<QWidget*>(bnInitCancel)})
    w->show();
  if (PanelSize) PanelSize->show();
  PanelCreate->hide();
  bnCancel->hide();
  pgCreate->setValue(0);
}

void TKindCreateDialog::bnCreateClick() {
  if (Creating()) return;
  PanelDiff->hide();
  if (PanelSize) PanelSize->hide();
  bnCreate->hide();
  bnInitCancel->hide();
  PanelCreate->show();
  bnCancel->setVisible(cancellable_);
  pgCreate->setValue(0);
  const AppState& state = host_.state();
  job_ = jobMaker_ ? jobMaker_(state, Difficulty(), Size()) : KindOf(kind_).createJob(state, Difficulty(), Size());
  Random& random = host_.random();
  StartCreation([job = job_.get(), &random, progress = &progress_] { return job->Run(random, *progress); });
}

void TKindCreateDialog::reject() {
  // A kind whose creation cannot be stopped ignores Escape and the close box meanwhile.
  if (Creating() && !cancellable_) return;
  TCreateDialog::reject();
}

void TKindCreateDialog::Finished(const Outcome& outcome) {
  AppState& state = host_.state();
  if (!StoppedByPlayer()) {
    job_->Commit(state, outcome.success);
    created_ = outcome.success;
    if (saveRequested_) host_.SaveStateNow();
  }
  if (!outcome.success && !outcome.cancelled)
    ShowMessageBox(QStringLiteral("Error creating %1 puzzle.  Please try again.").arg(QString::fromLatin1(KindName(kind_))), 0);
  CloseAfter(outcome);
}

}  // namespace zorvek::app
