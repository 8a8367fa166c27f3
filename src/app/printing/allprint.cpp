#include "app/printing/allprint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/printing/printers.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"
#include "draw/page/booklet.h"

namespace zorvek::app {

PrintRequest CurrentPrintRequest(const AppState& state, int kind) {
  const PuzzleShape shape = KindOf(kind).shape(state);
  PrintRequest r;
  r.kind = kind;
  r.difficulty = shape.difficulty;
  r.rows = shape.rows;
  r.cols = shape.cols;
  return r;
}

TfrmAllPrint::TfrmAllPrint(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("frmAllPrint"));
  setWindowTitle(QStringLiteral("Print puzzle"));
  setModal(true);
  cbPrinters = new QComboBox(this);
  cbPrinters->setObjectName(QStringLiteral("cbPrinters"));
  PanelAnswer = new QGroupBox(this);
  PanelAnswer->setObjectName(QStringLiteral("PanelAnswer"));
  cbAnswers = new QCheckBox(QStringLiteral("Print solutions to puzzle"), PanelAnswer);
  cbAnswers->setObjectName(QStringLiteral("cbAnswers"));
  cbPartial = new QCheckBox(QStringLiteral("Include partially completed answers"), PanelAnswer);
  cbPartial->setObjectName(QStringLiteral("cbPartial"));
  auto* answers = new QVBoxLayout(PanelAnswer);
  answers->addWidget(cbAnswers);
  answers->addWidget(cbPartial);
  bnPrint = new QPushButton(QStringLiteral("Print"), this);
  bnPrint->setObjectName(QStringLiteral("bnPrint"));
  bnPrint->setDefault(true);
  bnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bnPrint);
  buttons->addWidget(bnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(cbPrinters);
  layout->addWidget(PanelAnswer);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Both choices are remembered as soon as they are clicked.
  connect(cbAnswers, &QCheckBox::clicked, this, [this](bool on) { state_.general.printSolutions = on ? 1 : 0; });
  connect(cbPartial, &QCheckBox::clicked, this,
          [this](bool on) { state_.general.printPartialAnswers = on ? 1 : 0; });
  connect(bnPrint, &QPushButton::clicked, this, &TfrmAllPrint::bnPrintClick);
  connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAllPrint::FormShow() {
  FillPrinterList(cbPrinters);
  cbPartial->setVisible(request_.hasEntry);
  cbPartial->setChecked(request_.hasEntry && state_.general.printPartialAnswers != 0);
  cbAnswers->setChecked(state_.general.printSolutions != 0);
}

void TfrmAllPrint::Execute(const PrintRequest& request) {
  request_ = request;
  FormShow();
  exec();
}

void TfrmAllPrint::bnPrintClick() {
  const bool solutions = cbAnswers->isChecked();
  const bool partial = request_.hasEntry && cbPartial->isChecked();
  const int kind = request_.kind;
  QString error;
  const PrintOutcome outcome = RunPrintJob(
      this, cbPrinters->currentText(), 1,
      [&](draw::page::PrintCanvas& canvas, int) { draw::page::PrintCurrentPuzzle(canvas, state_, kind, solutions, partial); },
      error);
  if (outcome == PrintOutcome::Cancelled) return;  // back to the dialog
  if (outcome == PrintOutcome::Failed)
    ShowMessageBox(QStringLiteral("Error printing %1 puzzle.\n\r\n\r%2").arg(QString::fromLatin1(KindName(kind)), error),
                   0);
  accept();
}

}  // namespace zorvek::app
