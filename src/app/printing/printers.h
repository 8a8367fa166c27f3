#pragma once
// Where a print job goes: the platform's printers (CUPS on Linux), and always
// last the built-in "Save as PDF" target, so printing works on a machine
// without any printer.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "draw/page/booklet.h"

class QComboBox;
class QPrinter;
class QWidget;

namespace zorvek::app {

inline constexpr const char* kSaveAsPdf = "Save as PDF";
inline constexpr const char* kDefaultPdfName = "Zorvek Number Puzzles.pdf";

// The platform's printers, then "Save as PDF".
QStringList PrinterNames();
// Fills a printer list and selects the platform's default printer (or the PDF
// target when there is none).
void FillPrinterList(QComboBox* box);

// Asks where to write the PDF; tests answer here. Empty means cancelled.
using PdfPathHook = std::function<QString(const QString& suggested)>;
void SetPdfPathHook(PdfPathHook hook);

enum class PrintOutcome { Printed, Cancelled, Failed };

// A print target opened and checked before anything is made for it: the
// PDF file (asked for first) or the platform printer.
class PrintTarget {
 public:
  PrintTarget();
  ~PrintTarget();
  // Asks for the PDF file name when `target` is the PDF target; Failed
  // leaves the reason in error().
  PrintOutcome Open(QWidget* parent, const QString& target);
  draw::page::SheetWriter& writer() { return writer_; }
  const QString& error() const { return writer_.error().isEmpty() ? error_ : writer_.error(); }

 private:
  std::unique_ptr<QPrinter> printer_;
  draw::page::SheetWriter writer_;
  QString error_;
};

// Prints `sheets` pages on the named target (document "Zorvek Number
// Puzzles", portrait); the PDF target first asks for a file name. Failed
// leaves the reason in `error`.
PrintOutcome RunPrintJob(QWidget* parent, const QString& target, int sheets,
                         const std::function<void(draw::page::PrintCanvas&, int)>& paintSheet, QString& error);

}  // namespace zorvek::app
