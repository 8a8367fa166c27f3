#include "app/printing/printers.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "draw/page/booklet.h"

namespace zorvek::app {
namespace {

PdfPathHook& Hook() {
  static PdfPathHook hook;
  return hook;
}

QString AskPdfPath(QWidget* parent) {
  const QString suggested = QString::fromLatin1(kDefaultPdfName);
  if (Hook()) return Hook()(suggested);
  static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QFileDialog dialog(parent, QString::fromLatin1(kSaveAsPdf), folder, QStringLiteral("PDF files (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().first();
  folder = QFileInfo(path).absolutePath();
  return path;
}

}  // namespace

void SetPdfPathHook(PdfPathHook hook) { Hook() = std::move(hook); }

QStringList PrinterNames() {
  QStringList names = QPrinterInfo::availablePrinterNames();
  names.removeAll(QString::fromLatin1(kSaveAsPdf));
  names.append(QString::fromLatin1(kSaveAsPdf));
  return names;
}

void FillPrinterList(QComboBox* box) {
  const QString keep = box->currentText();
  box->clear();
  box->addItems(PrinterNames());
  QString pick = QPrinterInfo::defaultPrinterName();
  if (!keep.isEmpty() && box->findText(keep) >= 0) pick = keep;
  const int at = box->findText(pick);
  box->setCurrentIndex(at >= 0 ? at : box->count() - 1);
}

PrintTarget::PrintTarget() = default;
PrintTarget::~PrintTarget() = default;

PrintOutcome PrintTarget::Open(QWidget* parent, const QString& target) {
  if (target == QString::fromLatin1(kSaveAsPdf)) {
    const QString path = AskPdfPath(parent);
    if (path.isEmpty()) return PrintOutcome::Cancelled;
    return writer_.OpenPdf(path) ? PrintOutcome::Printed : PrintOutcome::Failed;
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(target);
  if (info.isNull()) {
    error_ = QStringLiteral("The printer %1 is not set up on this computer.").arg(target);
    return PrintOutcome::Failed;
  }
  const QString title = QString::fromLatin1(draw::page::kDocumentTitle);
  printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer_->setDocName(title);
  printer_->setCreator(title);
  printer_->setPageOrientation(QPageLayout::Portrait);
  if (!printer_->isValid()) {
    error_ = QStringLiteral("The printer %1 cannot be used.").arg(target);
    return PrintOutcome::Failed;
  }
  return writer_.OpenDevice(*printer_, target) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome RunPrintJob(QWidget* parent, const QString& target, int sheets,
                         const std::function<void(draw::page::PrintCanvas&, int)>& paintSheet, QString& error) {
  PrintTarget out;
  PrintOutcome outcome = out.Open(parent, target);
  bool ok = outcome == PrintOutcome::Printed;
  for (int i = 0; ok && i < sheets; ++i)
    ok = out.writer().PaintSheet([&](draw::page::PrintCanvas& canvas) { paintSheet(canvas, i); });
  if (ok) ok = out.writer().Finish();
  if (outcome == PrintOutcome::Printed && !ok) outcome = PrintOutcome::Failed;
  if (outcome == PrintOutcome::Failed) error = out.error();
  return outcome;
}

}  // namespace zorvek::app
