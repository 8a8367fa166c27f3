#pragma once
// Whole print jobs on any paged device (a printer, a PDF writer): the current
// puzzle of a kind, and the sheets of a batch made by core/batch.
#include <QPagedPaintDevice>
#include <functional>
#include <memory>

#include "core/batch/batch.h"
#include "core/shell/state.h"
#include "draw/page/page.h"

namespace zorvek::draw::page {

inline constexpr const char* kDocumentTitle = "Zorvek Number Puzzles";

// A document painted one sheet at a time, so a window can repaint between
// sheets. The target is opened (and so checked) before anything is painted;
// a PDF is written beside its name and renamed over it only once complete,
// so a failed or abandoned document leaves no file behind.
class SheetWriter {
 public:
  SheetWriter();
  ~SheetWriter();  // an unfinished document is dropped
  SheetWriter(const SheetWriter&) = delete;
  SheetWriter& operator=(const SheetWriter&) = delete;

  // A PDF file: A4 portrait at 600 dots per inch with 10 mm margins, titled
  // "Zorvek Number Puzzles". False, with error(), when it cannot be created.
  bool OpenPdf(const QString& path);
  // A device the caller keeps alive until Finish (a printer); `name` is what
  // error() calls it.
  bool OpenDevice(QPagedPaintDevice& device, const QString& name);
  bool IsOpen() const;
  // The next sheet, on a new page after the first.
  bool PaintSheet(const std::function<void(PrintCanvas&)>& paint);
  // Ends the document; for a PDF, puts the file in place.
  bool Finish();
  // What failed, naming the file or printer and the reason.
  const QString& error() const { return error_; }

 private:
  bool Fail(const QString& reason);

  struct Pdf;
  std::unique_ptr<Pdf> pdf_;
  QPagedPaintDevice* device_ = nullptr;
  QString name_;
  std::unique_ptr<QPainter> painter_;
  int sheets_ = 0;
  QString error_;
};

// All sheets at once into a PDF file (as SheetWriter::OpenPdf); false, with
// the reason in `error` when given, when it cannot be written.
bool WritePdf(const QString& path, int sheets, const std::function<void(PrintCanvas&, int)>& paintSheet,
              QString* error = nullptr);

// Whether the kind has a page renderer in this build.
bool CanPrintKind(int kind);

// The current puzzle of a kind as printed from its window: the puzzle in the
// upper half with the player's entries only when `partial`, and with
// `solutions` the solved grid below it.
void PrintCurrentPuzzle(PrintCanvas& canvas, const AppState& state, int kind, bool solutions, bool partial);

// One sheet of a batch's booklet: its puzzle pages kind by kind, then (with
// solutions) the solution pages in the same order.
void PrintBatchSheet(PrintCanvas& canvas, const batch::BatchRun& run, int sheet, bool solutions);

}  // namespace zorvek::draw::page
