#include "app/printing/createprint.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <thread>

#include "app/printing/printers.h"
#include "app/shell/appstyle.h"
#include "app/shell/host.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"

namespace zorvek::app {
namespace {

constexpr const char* kNoPuzzlesMessage =
    "No puzzles selected.\n\r\n\rPlease select the required number of pages for each puzzle type.";

struct KindTexts {
  const char* title;
  const char* name;  // in control names
  const char* sizes[2];
};
const KindTexts kTexts[kPlayKinds] = {
    {"Sudoku Puzzles", "Sudoku", {"  9 x 9  (6 per page)", nullptr}},
    {"Kakuro Puzzles", "Kakuro", {"  8 x 10  (6 per page)", "12 x 14  (2 per page)"}},
    {"Futoshiki Puzzles", "Futoshiki", {"5 x 5  (6 per page)", "9 x 9  (2 per page)"}},
    {"HexKakuro Puzzles", "HexKakuro", {"  9 x   9  (6 per page)", "11 x 13  (2 per page)"}},
};
const char* const kDifficultyCaptions[3] = {"Easy", "Medium", "Hard"};

// A kind with one grid (no second size caption) keeps its size field at 0.
bool HasSizeChoice(int kind) { return kTexts[kind].sizes[1] != nullptr; }

// The remembered batch fields of a kind in the general settings block.
struct BatchFields {
  std::int32_t GeneralSettings::*size;
  std::int32_t GeneralSettings::*difficulty;
  std::int32_t GeneralSettings::*pages;
};
const BatchFields kFields[kPlayKinds] = {
    {&GeneralSettings::sudokuBatchSize, &GeneralSettings::sudokuBatchDifficulty, &GeneralSettings::sudokuBatchPages},
    {&GeneralSettings::kakuroBatchSize, &GeneralSettings::kakuroBatchDifficulty, &GeneralSettings::kakuroBatchPages},
    {&GeneralSettings::futoshikiBatchSize, &GeneralSettings::futoshikiBatchDifficulty,
     &GeneralSettings::futoshikiBatchPages},
    {&GeneralSettings::hexKakuroBatchSize, &GeneralSettings::hexKakuroBatchDifficulty,
     &GeneralSettings::hexKakuroBatchPages},
};

}  // namespace

TfrmCreatePrint::TfrmCreatePrint(THost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("frmCreatePrint"));
  PaintBackground(this);

  PanelChoices = new QWidget(this);
  PanelChoices->setObjectName(QStringLiteral("PanelChoices"));
  auto* grid = new QGridLayout;
  for (int kind = 0; kind < kPlayKinds; ++kind) {
    BuildKindPanel(kind);
    grid->addWidget(kinds[kind].panel, kind / 2, kind % 2);
  }
  cbPrinters = new QComboBox(PanelChoices);
  cbPrinters->setObjectName(QStringLiteral("cbPrinters"));
  cbPrinters->setMinimumWidth(260);
  cbAnswers = new QCheckBox(QStringLiteral("Print solutions to puzzles"), PanelChoices);
  cbAnswers->setObjectName(QStringLiteral("cbAnswers"));
  bnCreate = new QPushButton(QStringLiteral("Create / print new puzzles"), PanelChoices);
  bnCreate->setObjectName(QStringLiteral("bnCreate"));
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(cbPrinters);
  bottom->addSpacing(20);
  bottom->addWidget(cbAnswers);
  bottom->addSpacing(20);
  bottom->addWidget(bnCreate);
  bottom->addStretch();
  auto* choices = new QVBoxLayout(PanelChoices);
  choices->addStretch();
  choices->addLayout(grid);
  choices->addSpacing(20);
  choices->addLayout(bottom);
  choices->addStretch();

  PanelWorking = new QWidget(this);
  PanelWorking->setObjectName(QStringLiteral("PanelWorking"));
  lblCreating = new QLabel(QStringLiteral("Creating Puzzles - please wait"), PanelWorking);
  lblCreating->setObjectName(QStringLiteral("lblCreating"));
  QFont bold = lblCreating->font();
  bold.setBold(true);
  lblCreating->setFont(bold);
  lblProgress = new QLabel(PanelWorking);
  lblProgress->setObjectName(QStringLiteral("lblProgress"));
  pgCreate = new QProgressBar(PanelWorking);
  pgCreate->setObjectName(QStringLiteral("pgCreate"));
  pgCreate->setRange(0, 100);
  pgCreate->setTextVisible(false);
  pgCreate->setMinimumWidth(300);
  bnCancel = new QPushButton(QStringLiteral("Cancel"), PanelWorking);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));
  auto* working = new QVBoxLayout(PanelWorking);
  working->addStretch();
  for (QWidget* w : {static_cast<QWidget*>(lblCreating), static_cast<QWidget*>(lblProgress),
                     static_cast<QWidget*>(pgCreate), static_cast<QWidget*>(bnCancel)})
    working->addWidget(w, 0, Qt::AlignHCenter);
  working->addStretch();
  PanelWorking->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PanelChoices);
  layout->addWidget(PanelWorking);

  connect(cbAnswers, &QCheckBox::clicked, this, [this](bool on) { host_.state().general.printSolutions = on ? 1 : 0; });
  connect(bnCreate, &QPushButton::clicked, this, &TfrmCreatePrint::bnCreateClick);
  connect(bnCancel, &QPushButton::clicked, this, &TfrmCreatePrint::bnCancelClick);
  poll_.setInterval(50);
  connect(&poll_, &QTimer::timeout, this, &TfrmCreatePrint::PollBatch);
  printing_.setInterval(0);
  connect(&printing_, &QTimer::timeout, this, &TfrmCreatePrint::PrintNextSheet);
}

TfrmCreatePrint::~TfrmCreatePrint() = default;

void TfrmCreatePrint::BuildKindPanel(int kind) {
  const KindTexts& t = kTexts[kind];
  KindPanel& k = kinds[kind];
  k.panel = new QGroupBox(QString::fromLatin1(t.title), PanelChoices);
  k.panel->setObjectName(QStringLiteral("Panel%1").arg(QString::fromLatin1(t.name)));
  auto* sizes = new QVBoxLayout;
  auto* sizeGroup = new QButtonGroup(k.panel);
  for (int i = 0; i < 2; ++i) {
    if (!t.sizes[i]) continue;
    k.rbSize[i] = new QRadioButton(QString::fromLatin1(t.sizes[i]), k.panel);
    k.rbSize[i]->setObjectName(QStringLiteral("rb%1Size%2").arg(QString::fromLatin1(t.name)).arg(i));
    sizeGroup->addButton(k.rbSize[i], i);
    sizes->addWidget(k.rbSize[i]);
    connect(k.rbSize[i], &QRadioButton::toggled, this, [this](bool on) {
      if (on) Store();
    });
  }
  sizes->addStretch();
  auto* diffs = new QVBoxLayout;
  auto* diffGroup = new QButtonGroup(k.panel);
  for (int i = 0; i < 3; ++i) {
    k.rbDiff[i] = new QRadioButton(QString::fromLatin1(kDifficultyCaptions[i]), k.panel);
    k.rbDiff[i]->setObjectName(QStringLiteral("rb%1Diff%2").arg(QString::fromLatin1(t.name)).arg(i));
    diffGroup->addButton(k.rbDiff[i], i);
    diffs->addWidget(k.rbDiff[i]);
    connect(k.rbDiff[i], &QRadioButton::toggled, this, [this](bool on) {
      if (on) Store();
    });
  }
  auto* pages = new QVBoxLayout;
  pages->addWidget(new QLabel(QStringLiteral("# pages"), k.panel));
  k.spnPages = new QSpinBox(k.panel);
  k.spnPages->setObjectName(QStringLiteral("spn%1Pages").arg(QString::fromLatin1(t.name)));
  k.spnPages->setRange(0, 4);
  pages->addWidget(k.spnPages);
  pages->addStretch();
  connect(k.spnPages, &QSpinBox::valueChanged, this, [this](int) { Store(); });
  auto* row = new QHBoxLayout(k.panel);
  row->addLayout(sizes);
  row->addSpacing(10);
  row->addLayout(diffs);
  row->addSpacing(10);
  row->addLayout(pages);
}

void TfrmCreatePrint::FormShow() {
  GeneralSettings& g = host_.state().general;
  loading_ = true;
  for (int kind = 0; kind < kPlayKinds; ++kind) {
    KindPanel& k = kinds[kind];
    const int size = HasSizeChoice(kind) ? std::clamp<int>(g.*kFields[kind].size, 0, 1) : 0;
    if (k.rbSize[size]) k.rbSize[size]->setChecked(true);
    k.rbDiff[std::clamp<int>(g.*kFields[kind].difficulty, 0, 2)]->setChecked(true);
    k.spnPages->setValue(std::clamp<int>(g.*kFields[kind].pages, 0, 4));
    k.panel->setEnabled(draw::page::CanPrintKind(kind));
  }
  cbAnswers->setChecked(g.printSolutions != 0);
  loading_ = false;
  FillPrinterList(cbPrinters);
  // The PDF target is always listed, so the list is never empty and the
  // page can always print.
  bnCreate->setEnabled(cbPrinters->count() > 0);
}

void TfrmCreatePrint::Store() {
  if (loading_) return;
  GeneralSettings& g = host_.state().general;
  for (int kind = 0; kind < kPlayKinds; ++kind) {
    const KindPanel& k = kinds[kind];
    if (HasSizeChoice(kind)) g.*kFields[kind].size = k.rbSize[1] && k.rbSize[1]->isChecked() ? 1 : 0;
    for (int d = 0; d < 3; ++d)
      if (k.rbDiff[d]->isChecked()) g.*kFields[kind].difficulty = d;
    g.*kFields[kind].pages = k.spnPages->value();
  }
}

batch::BatchChoices TfrmCreatePrint::Choices() const {
  const GeneralSettings& g = host_.state().general;
  batch::BatchChoices c;
  for (int kind = 0; kind < kPlayKinds; ++kind) {
    c[kind].pages = std::clamp<int>(g.*kFields[kind].pages, 0, 4);
    c[kind].difficulty = std::clamp<int>(g.*kFields[kind].difficulty, 0, 2);
    c[kind].size = HasSizeChoice(kind) ? std::clamp<int>(g.*kFields[kind].size, 0, 1) : 0;
  }
  return c;
}

void TfrmCreatePrint::ShowWorking(bool working) {
  PanelChoices->setVisible(!working);
  PanelWorking->setVisible(working);
  host_.SetStripVisible(!working);
}

void TfrmCreatePrint::bnCreateClick() {
  if (run_) return;
  const batch::BatchChoices choices = Choices();
  if (batch::BatchTotal(choices) == 0) {
    ShowMessageBox(QString::fromLatin1(kNoPuzzlesMessage), 0);
    return;
  }
  // The file or printer first: nothing is created for a target that was
  // cancelled or cannot be used.
  auto target = std::make_unique<PrintTarget>();
  const PrintOutcome opened = target->Open(this, cbPrinters->currentText());
  if (opened == PrintOutcome::Cancelled) return;
  if (opened == PrintOutcome::Failed) {
    ShowMessageBox(QStringLiteral("Error printing puzzles.\n\r\n\r%1").arg(target->error()), 0);
    return;
  }
  target_ = std::move(target);
  Random& random = host_.random();
  const std::uint64_t high = random.Next32();
  const std::uint64_t seed = high << 32 | random.Next32();
  run_ = std::make_unique<batch::BatchRun>(choices, seed, batch::BatchBanks::From(host_.state().general));
  lblCreating->setText(QStringLiteral("Creating Puzzles - please wait"));
  lblProgress->clear();
  pgCreate->setValue(0);
  pgCreate->show();
  bnCancel->show();
  bnCancel->setEnabled(true);
  ShowWorking(true);
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  run_->Start(threads_ > 0 ? threads_ : std::max(cores, 1));
  poll_.start();
  PollBatch();
}

void TfrmCreatePrint::bnCancelClick() {
  // No question: a cancelled batch prints nothing.
  if (run_) run_->Cancel();
}

void TfrmCreatePrint::PollBatch() {
  if (!run_) return;
  if (const int latest = run_->Latest(); latest >= 0) {
    const batch::BatchSlot& s = run_->slot(latest);
    lblProgress->setText(QStringLiteral("Creating %1 puzzles : Page %2 Puzzle %3")
                             .arg(QString::fromLatin1(KindName(s.kind)))
                             .arg(s.page)
                             .arg(s.slot));
  }
  pgCreate->setValue(100 * run_->Done() / std::max(run_->Total(), 1));
  if (run_->Finished()) FinishBatch();
}

void TfrmCreatePrint::FinishBatch() {
  poll_.stop();
  run_->Wait();
  if (run_->Cancelled() || run_->Done() != run_->Total()) {
    EndBatch();
    return;
  }
  // Bank entries the batch drew stay used, as after any other draw.
  if (run_->UsedBanks().MergeInto(host_.state().general)) host_.SaveStateNow();
  lblProgress->setText(QStringLiteral("Printing puzzles"));
  pgCreate->hide();
  // Pages already sent cannot be called back: Cancel stays visible but off.
  bnCancel->setEnabled(false);
  solutions_ = cbAnswers->isChecked();
  sheet_ = 0;
  printing_.start();
}

void TfrmCreatePrint::PrintNextSheet() {
  draw::page::SheetWriter& writer = target_->writer();
  bool ok = true;
  if (sheet_ < run_->SheetCount(solutions_)) {
    const int sheet = sheet_++;
    ok = writer.PaintSheet([&](draw::page::PrintCanvas& canvas) { draw::page::PrintBatchSheet(canvas, *run_, sheet, solutions_); });
    if (ok) return;
  } else {
    ok = writer.Finish();
  }
  printing_.stop();
  if (!ok) ShowMessageBox(QStringLiteral("Error printing puzzles.\n\r\n\r%1").arg(target_->error()), 0);
  EndBatch();
}

void TfrmCreatePrint::EndBatch() {
  printing_.stop();
  run_.reset();
  target_.reset();  // an unfinished PDF is dropped with it
  ShowWorking(false);
  bnCancel->setEnabled(true);
  if (onFinished) onFinished();
}

}  // namespace zorvek::app
