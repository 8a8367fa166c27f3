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

PrintOutcome RunPrintJob(QWidget* parent, const QString& target, int sheets,
                         const std::function<void(draw::page::PrintCanvas&, int)>& paintSheet) {
  const QString title = QString::fromLatin1(draw::page::kDocumentTitle);
  if (target == QString::fromLatin1(kSaveAsPdf)) {
    const QString path = AskPdfPath(parent);
    if (path.isEmpty()) return PrintOutcome::Cancelled;
    return draw::page::WritePdf(path, sheets, paintSheet) ? PrintOutcome::Printed : PrintOutcome::Failed;
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(target);
  if (info.isNull()) return PrintOutcome::Failed;
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(title);
  printer.setCreator(title);
  printer.setPageOrientation(QPageLayout::Portrait);
  return draw::page::PaintDocument(printer, sheets, paintSheet) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace zorvek::app
