#include "app/shell/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <unistd.h>

#include "app/kinds.h"
#include "core/shell/kinds.h"
#include "app/printing/allprint.h"
#include "app/printing/createprint.h"
#include "app/shell/appstyle.h"
#include "app/shell/createdialog.h"
#include "app/shell/helpwindow.h"
#include "app/shell/playwindow.h"
#include "app/shell/quickhints.h"
#include "app/shell/showmsg.h"
#include "core/common/puzfile.h"

// The pictures, cursor and help pages live in this static library; a static
// library's resources must be registered by hand.
static void InitAppResources() { Q_INIT_RESOURCE(zorvek_app); }

namespace zorvek::app {
namespace {
// The strip: one panel per kind, then Help and Print.
constexpr int kHelpPanel = kPlayKinds;
constexpr int kPrintPanel = kPlayKinds + 1;

const char* PanelCaption(int panel) {
  return panel == kHelpPanel ? "Help" : panel == kPrintPanel ? "Print" : KindOf(panel).name;
}

int PanelKind(int panel) { return panel == kPrintPanel ? kBatchPrintPage : panel; }
}  // namespace

SelectorPanel::SelectorPanel(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void SelectorPanel::SetSelected(bool selected) {
  selected_ = selected;
  update();
}

void SelectorPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), selected_ ? kNavy : QColor(Qt::white));
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  p.setPen(selected_ ? Qt::white : Qt::black);
  p.drawText(rect(), Qt::AlignCenter, caption_);
}

void SelectorPanel::mousePressEvent(QMouseEvent*) { emit clicked(); }

TfrmMain::StatePaths TfrmMain::ChooseStatePaths(const QString& programDir, const QString& userDir) {
  const QString beside = QDir(programDir).filePath(QString::fromLatin1(kStateFileName));
  // An installed game (in a bin folder) keeps every player's state apart.
  // access() also knows read-only mounts and root, without writing a probe file.
  if (QFileInfo(programDir).fileName() != QStringLiteral("bin") &&
      ::access(QFile::encodeName(programDir).constData(), W_OK) == 0)
    return {beside, beside};
  const QString own = QDir(userDir).filePath(QString::fromLatin1(kStateFileName));
  return {QFile::exists(own) ? own : beside, own};
}

void TfrmMain::ComputePresets(int sh, int (&h)[3], int (&w)[3]) {
  h[2] = sh - 40;
  h[1] = h[2] * 9 / 10;
  h[0] = h[2] * 8 / 10;
  w[0] = h[0] + 75;
  w[1] = (h[1] - 75) * 12 / 10 + 150;
  w[2] = (h[2] - 75) * 14 / 12 + 150;
  for (int i = 0; i < 3; ++i) {
    h[i] = std::max(h[i], 600);
    w[i] = std::max(w[i], 700);
  }
}

TfrmMain::TfrmMain(const MainOptions& options)
    : QWidget(nullptr), state_(std::make_unique<AppState>()) {
  InitAppResources();
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Zorvek Number Puzzles"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
  PaintBackground(this);
  setMinimumSize(700, 600);
  random_.Seed(options.randomSeedFromClock ? Random::ClockSeed() : options.seed);
  QScreen* screen = QGuiApplication::primaryScreen();
  spacingUnit_ = SpacingUnitForDpi(screen ? screen->logicalDotsPerInchY() : 96);
  selectorHeight_ = spacingUnit_ + 10;
  openFile_ = options.openFile;
  if (options.statePath.isEmpty()) {
    const StatePaths paths =
        ChooseStatePaths(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    statePath_ = paths.save;
    stateLoadPath_ = paths.load;
  } else {
    statePath_ = stateLoadPath_ = options.statePath;
  }
  SetMessageOwner(this);

  for (int i = 0; i < int(panels_.size()); ++i) {
    panels_[i] = new SelectorPanel(QString::fromLatin1(PanelCaption(i)), this);
    panels_[i]->setObjectName(QStringLiteral("Panel") + QString::fromLatin1(PanelCaption(i)));
    connect(panels_[i], &SelectorPanel::clicked, this, [this, i] { PanelClick(i); });
  }

  // Kind windows first: loading the state installs their puzzles.
  for (const AppKind& k : AppKinds()) {
    TPlayWindow* window = k.makeWindow(*this, this);
    window->SetCreateDialog(k.makeCreateDialog(*this, window));
    kindWindows_[k.kind] = window;
  }
  for (int kind = kKindSudoku; kind < kPlayKinds; ++kind) {
    if (kindWindows_[kind]) continue;
    // Kinds whose windows are still to come show an empty page.
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("EmptyPage%1").arg(kind));
    PaintBackground(page);
    kindWindows_[kind] = page;
  }
  for (QWidget* w : kindWindows_)
    if (w) w->hide();

  StateContext context;
  context.random = &random_;
  if (screen) context.screen = ScreenSize{screen->geometry().width(), screen->geometry().height()};
  stateLoaded_ = LoadState(*state_, stateLoadPath_.toStdString(), context);

  // The batch page and the print dialog read the state, so they come after it.
  kindWindows_[kBatchPrintPage] = new TfrmCreatePrint(*this, this);
  kindWindows_[kBatchPrintPage]->hide();
  printDialog_ = new TfrmAllPrint(*state_, this);

  hints_ = new TfrmQuickHints(this, selectorHeight_);
  hints_->onHidden = [this] {
    if (auto* play = qobject_cast<TPlayWindow*>(kindWindows_[std::clamp(currentKind_, 0, kBatchPrintPage)]))
      play->RestoreTypingFocus();
  };

  autosave_.setSingleShot(true);
  autosave_.setInterval(options.autosaveMs);
  connect(&autosave_, &QTimer::timeout, this, [this] {
    if (!closing_) SaveStateNow();
  });
#if QT_CONFIG(sessionmanager)
  // Logging out asks first: the state is written then, and the session may
  // still go on.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
    if (!closing_) SaveStateNow();
  });
#endif

  // The saved place and size, kept on a screen that is there now (a damaged
  // value must not ask for a window of gigantic size either).
  const GeneralSettings& g = state_->general;
  resize(std::clamp(int(g.mainWidth), 0, QWIDGETSIZE_MAX), std::clamp(int(g.mainHeight), 0, QWIDGETSIZE_MAX));
  move(g.mainLeft, g.mainTop);
  if (screen && !QGuiApplication::screenAt(geometry().center())) {
    // Saved on a screen that is no longer there: centred on this one.
    const QRect avail = screen->availableGeometry();
    move(avail.left() + (avail.width() - width()) / 2, avail.top() + (avail.height() - height()) / 2);
  }
  FitToScreen();
  created_ = true;
  LayoutStrip();
}

TfrmMain::~TfrmMain() {
  SetMessageOwner(nullptr);
  delete hints_;
  delete help_;
}

QRect TfrmMain::kindArea() const { return QRect(0, selectorHeight_, width(), height() - selectorHeight_); }

void TfrmMain::LayoutStrip() {
  // Equal panels and one panel's worth of spare width before Help and Print.
  const int w = (width() - 4) / (int(panels_.size()) + 1) + 1;
  for (int i = 0; i < kPlayKinds; ++i) panels_[i]->setGeometry(2 + i * (w - 1), 2, w, selectorHeight_ - 4);
  panels_[kPrintPanel]->setGeometry(width() - 2 - w, 2, w, selectorHeight_ - 4);
  panels_[kHelpPanel]->setGeometry(width() - 2 - 2 * w + 1, 2, w, selectorHeight_ - 4);
}

void TfrmMain::FitToScreen() {
  QScreen* s = QGuiApplication::screenAt(geometry().center());
  if (!s) s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect avail = s->availableGeometry();
  // The frame is known once the window is shown; before that it counts as none.
  const QSize frame = frameGeometry().size() - size();
  const QSize room = (avail.size() - frame).expandedTo(QSize(1, 1));
  // The minimum gives way only to a screen smaller than it.
  setMinimumSize(std::min(700, room.width()), std::min(600, room.height()));
  resize(size().boundedTo(room));
  const QSize outer = size() + frame;
  const int right = avail.left() + avail.width() - outer.width();
  const int bottom = avail.top() + avail.height() - outer.height();
  move(std::max(avail.left(), std::min(x(), right)), std::max(avail.top(), std::min(y(), bottom)));
}

void TfrmMain::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (resizing_) return;
  LayoutStrip();
  if (!created_) return;
  if (currentKind_ >= 0 && currentKind_ < int(kindWindows_.size())) {
    QWidget* w = kindWindows_[currentKind_];
    w->setGeometry(kindArea());
    if (auto* play = qobject_cast<TPlayWindow*>(w)) play->LayoutWindow();
  }
}

void TfrmMain::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (shownOnce_) return;
  shownOnce_ = true;
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  // The presets already leave 40 pixels for a task bar: the whole screen counts.
  ComputePresets(s ? s->geometry().height() : 768, presetH_, presetW_);
  FitToScreen();
  PanelClick(0);
  if (!openFile_.isEmpty()) OpenPuzzleFile(openFile_);
}

void TfrmMain::OpenPuzzleFile(const QString& path) {
  const auto head = ReadFilePrefix(path.toStdString(), sizeof(PuzHeader));
  int kind = KindOfMagic(head.data(), head.size());
  if (!playWindow(kind)) kind = std::clamp(currentKind_, 0, kPlayKinds - 1);
  if (kind != currentKind_) PanelClick(kind);
  if (TPlayWindow* w = playWindow(kind)) w->LoadFile(path);
}

bool TfrmMain::EraseActive() const {
  for (QWidget* w : kindWindows_)
    if (auto* play = qobject_cast<TPlayWindow*>(w); play && play->Erasing()) return true;
  return false;
}

void TfrmMain::SetStripVisible(bool visible) {
  for (SelectorPanel* panel : panels_) panel->setVisible(visible);
}

void TfrmMain::SetStripCursor(const QCursor* cursor) {
  for (SelectorPanel* p : panels_) {
    if (cursor)
      p->setCursor(*cursor);
    else
      p->unsetCursor();
  }
}

void TfrmMain::PanelClick(int index) {
  if (index == kHelpPanel) {
    ShowHelp();
    return;
  }
  if (EraseActive()) return;
  for (SelectorPanel* p : panels_) p->SetSelected(false);
  panels_[index]->SetSelected(true);
  const int kind = PanelKind(index);
  if (kind != kBatchPrintPage && hints_->Showing() && kind != currentKind_) hints_->hide();
  currentKind_ = kind;
  for (int k = 0; k < int(kindWindows_.size()); ++k)
    if (k != kind) kindWindows_[k]->hide();
  QWidget* w = kindWindows_[kind];
  w->setGeometry(kindArea());
  w->show();
  w->raise();
  if (auto* play = qobject_cast<TPlayWindow*>(w)) play->FormShow();
  if (auto* batch = qobject_cast<TfrmCreatePrint*>(w)) batch->FormShow();
}

void TfrmMain::ShowHelp() {
  if (!help_) help_ = new THelpWindow();
  help_->show();
  help_->raise();
  help_->activateWindow();
}

TPlayWindow* TfrmMain::playWindow(int kind) const {
  return kind >= 0 && kind < int(kindWindows_.size()) ? qobject_cast<TPlayWindow*>(kindWindows_[kind]) : nullptr;
}

bool TfrmMain::SaveStateNow() {
  QDir().mkpath(QFileInfo(statePath_).absolutePath());
  GeneralSettings& g = state_->general;
  g.mainHeight = height();
  g.mainWidth = width();
  g.mainTop = y();
  g.mainLeft = x();
  return SaveState(*state_, statePath_.toStdString());
}

void TfrmMain::EnsurePreset(int presetIndex, bool force) {
  const QSize wanted = preset(std::clamp(presetIndex, 0, 2));
  if (!force && width() >= wanted.width() && height() >= wanted.height()) return;
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect avail = screen->availableGeometry();
  int left = x(), top = y();
  resizing_ = true;
  // Right and bottom edges are exclusive: a window that just touches the
  // screen's edge stays where it is.
  if (left + wanted.width() > avail.left() + avail.width()) left = avail.left() + (avail.width() - wanted.width()) / 2;
  if (top + wanted.height() > avail.top() + avail.height() - 30)
    top = avail.top() + (avail.height() - 30 - wanted.height()) / 2;
  move(std::max(avail.left(), left), std::max(avail.top(), top));
  resize(wanted.width(), height());
  resizing_ = false;
  resize(wanted);
}

void TfrmMain::StateChanged() {
  // Not before the state is loaded (nothing to keep yet), not once closing
  // (the close writes it), and a pending write already covers this change.
  if (created_ && !closing_ && !autosave_.isActive()) autosave_.start();
}

void TfrmMain::closeEvent(QCloseEvent* e) {
  currentKind_ = kKindClosing;
  closing_ = true;
  autosave_.stop();
  if (hints_->Showing()) hints_->hide();
  if (!saved_) {
    saved_ = true;
    SaveStateNow();
  }
  if (help_) help_->close();
  e->accept();
}

}  // namespace zorvek::app
