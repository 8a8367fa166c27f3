#include "app/sudoku/sudnew.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstring>

#include "app/shell/appstyle.h"
#include "app/shell/mainwindow.h"
#include "app/shell/showmsg.h"
#include "core/sudoku/generator.h"

namespace zorvek::app {

TfrmSudNew::TfrmSudNew(TfrmMain& main, QWidget* parent) : TCreateDialog(parent), main_(main) {
  setObjectName(QStringLiteral("frmSudNew"));
  setWindowTitle(QStringLiteral("Create Sudoku puzzle"));
  PaintBackground(this);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);

  PanelDiff = new QWidget(this);
  PanelDiff->setObjectName(QStringLiteral("PanelDiff"));
  rbDiff0 = new QRadioButton(QStringLiteral("Easy"), PanelDiff);
  rbDiff1 = new QRadioButton(QStringLiteral("Medium"), PanelDiff);
  rbDiff2 = new QRadioButton(QStringLiteral("Hard"), PanelDiff);
  rbDiff0->setObjectName(QStringLiteral("rbDiff0"));
  rbDiff1->setObjectName(QStringLiteral("rbDiff1"));
  rbDiff2->setObjectName(QStringLiteral("rbDiff2"));
  rbDiff1->setChecked(true);
  bnCreate = new QPushButton(QStringLiteral("Create new Sudoku"), this);
  bnCreate->setObjectName(QStringLiteral("bnCreate"));
  bnInitCancel = new QPushButton(QStringLiteral("Cancel"), this);
  bnInitCancel->setObjectName(QStringLiteral("bnInitCancel"));

  PanelCreate = new QWidget(this);
  PanelCreate->setObjectName(QStringLiteral("PanelCreate"));
  auto* label = new QLabel(QStringLiteral("Creating Sudoku Puzzle"), PanelCreate);
  label->setAlignment(Qt::AlignCenter);
  pgCreate = new QProgressBar(PanelCreate);
  pgCreate->setObjectName(QStringLiteral("pgCreate"));
  pgCreate->setRange(0, 100);
  pgCreate->setTextVisible(false);
  bnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));

  // Fixed layout: both phases share the same area.
  const QFontMetrics fm(bold);
  const int unit = 20, w = 300, bh = fm.height() + 14;
  const int rowH = fm.height() + 8;
  PanelDiff->setGeometry(unit, unit, w - 2 * unit, 3 * rowH + 10);
  rbDiff0->setGeometry(40, 5, 160, rowH);
  rbDiff1->setGeometry(40, 5 + rowH, 160, rowH);
  rbDiff2->setGeometry(40, 5 + 2 * rowH, 160, rowH);
  const int buttonsTop = PanelDiff->geometry().bottom() + unit;
  const int bw = fm.horizontalAdvance(bnCreate->text()) + 30;
  bnCreate->setGeometry(unit, buttonsTop, bw, bh);
  bnInitCancel->setGeometry(w - unit - 90, buttonsTop, 90, bh);
  PanelCreate->setGeometry(unit, unit, w - 2 * unit, PanelDiff->height());
  label->setGeometry(0, 10, PanelCreate->width(), rowH);
  pgCreate->setGeometry(10, 20 + rowH, PanelCreate->width() - 20, 22);
  bnCancel->setGeometry((w - 90) / 2, buttonsTop, 90, bh);
  setFixedSize(w, buttonsTop + bh + unit);

  connect(bnCreate, &QPushButton::clicked, this, &TfrmSudNew::bnCreateClick);
  connect(bnInitCancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
  connect(bnCancel, &QPushButton::clicked, this, &TfrmSudNew::bnCancelClick);
}

void TfrmSudNew::SetDifficulty(int difficulty) {
  (difficulty == kEasy ? rbDiff0 : difficulty == kHard ? rbDiff2 : rbDiff1)->setChecked(true);
}

int TfrmSudNew::Difficulty() const { return rbDiff0->isChecked() ? kEasy : rbDiff2->isChecked() ? kHard : kMedium; }

void TfrmSudNew::FormShow() {
  const QRect m = main_.frameGeometry();
  move(m.left() + (m.width() - width()) / 2, m.top() + (m.height() - height()) / 2);
  TimerClose.stop();
  created_ = false;
  PanelDiff->show();
  bnCreate->show();
  bnInitCancel->show();
  PanelCreate->hide();
  bnCancel->hide();
  pgCreate->setValue(0);
}

void TfrmSudNew::bnCreateClick() {
  if (Creating()) return;
  PanelDiff->hide();
  bnCreate->hide();
  bnInitCancel->hide();
  PanelCreate->show();
  bnCancel->show();
  pgCreate->setValue(0);
  AppState& state = main_.state();
  workSettings_ = state.sudokuSettings;
  workPuzzle_ = state.sudokuPuzzle;
  std::memcpy(workFlags_, state.general.sudokuTemplateUsed, sizeof workFlags_);
  const int difficulty = Difficulty();
  Random& random = main_.random();
  StartCreation([this, difficulty, &random] {
    const sudoku::CreateResult r =
        sudoku::CreateSudokuPuzzle(random, progress_, difficulty, workSettings_, workPuzzle_, workFlags_);
    return Outcome{r.success, r.cancelled, r.startCloseTimer};
  });
}

void TfrmSudNew::Finished(const Outcome& outcome) {
  AppState& state = main_.state();
  std::memcpy(state.general.sudokuTemplateUsed, workFlags_, sizeof workFlags_);
  if (outcome.success) {
    state.sudokuSettings = workSettings_;
    state.sudokuPuzzle = workPuzzle_;
    created_ = true;
  }
  if (saveRequested_) main_.SaveStateNow();
  if (!outcome.success && !outcome.cancelled)
    ShowMessageBox(QStringLiteral("Error creating Sudoku puzzle.  Please try again."), 0);
  CloseAfter(outcome);
}

}  // namespace zorvek::app
