#include "draw/page/booklet.h"

#include <QPainter>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

#include "core/common/types.h"
#include "draw/page/renderers.h"

namespace zorvek::draw::page {

struct SheetWriter::Pdf {
  QSaveFile file;
  std::unique_ptr<QPdfWriter> writer;
  explicit Pdf(const QString& path) : file(path) {}
};

SheetWriter::SheetWriter() = default;

SheetWriter::~SheetWriter() {
  if (painter_ && painter_->isActive()) painter_->end();
  if (pdf_) pdf_->file.cancelWriting();
}

bool SheetWriter::Fail(const QString& reason) {
  error_ = pdf_ ? QStringLiteral("The file %1 could not be written: %2.").arg(name_, reason)
               : QStringLiteral("The printer %1 failed: %2.").arg(name_, reason);
  if (painter_ && painter_->isActive()) painter_->end();
  if (pdf_) pdf_->file.cancelWriting();
  device_ = nullptr;
  return false;
}

bool SheetWriter::OpenPdf(const QString& path) {
  name_ = path;
  pdf_ = std::make_unique<Pdf>(path);
  // A folder of that name would only fail at the rename, after all the work.
  if (QFileInfo(path).isDir()) return Fail(QStringLiteral("it is a folder"));
  if (!pdf_->file.open(QIODevice::WriteOnly)) return Fail(pdf_->file.errorString());
  const QString title = QString::fromLatin1(kDocumentTitle);
  pdf_->writer = std::make_unique<QPdfWriter>(&pdf_->file);
  QPdfWriter& pdf = *pdf_->writer;
  pdf.setTitle(title);
  pdf.setCreator(title);
  pdf.setResolution(600);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(QPageLayout::Portrait);
  pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  device_ = &pdf;
  return true;
}

bool SheetWriter::OpenDevice(QPagedPaintDevice& device, const QString& name) {
  name_ = name;
  device_ = &device;
  return true;
}

bool SheetWriter::IsOpen() const { return device_ != nullptr; }

bool SheetWriter::PaintSheet(const std::function<void(PrintCanvas&)>& paint) {
  if (!device_) return false;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(device_)) return Fail(QStringLiteral("the document could not be started"));
  } else if (!device_->newPage()) {
    return Fail(QStringLiteral("a new page could not be started"));
  }
  PrintCanvas canvas(*painter_, device_->width(), device_->height());
  paint(canvas);
  ++sheets_;
  return true;
}

bool SheetWriter::Finish() {
  if (!device_) return false;
  if (!painter_ && !PaintSheet([](PrintCanvas& canvas) { canvas.ClearPage(); })) return false;
  if (!painter_->end()) return Fail(QStringLiteral("the document could not be finished"));
  device_ = nullptr;
  if (pdf_) {
    pdf_->writer.reset();
    if (!pdf_->file.commit()) return Fail(pdf_->file.errorString());
  }
  return true;
}

bool WritePdf(const QString& path, int sheets, const std::function<void(PrintCanvas&, int)>& paintSheet,
              QString* error) {
  SheetWriter writer;
  bool ok = writer.OpenPdf(path);
  for (int i = 0; ok && i < sheets; ++i) ok = writer.PaintSheet([&](PrintCanvas& canvas) { paintSheet(canvas, i); });
  ok = ok && writer.Finish();
  if (!ok && error) *error = writer.error();
  return ok;
}

bool CanPrintKind(int kind) { return kind >= kKindSudoku && kind <= kKindHexKakuro; }

namespace {

template <class Grid>
PageSlots<Grid> CurrentSlots(const Grid& puzzle, const Grid& cleared, bool solutions) {
  PageSlots<Grid> onPage;
  onPage.perPage = solutions ? 2 : 1;
  onPage.grid[0] = &cleared;
  if (solutions) {
    onPage.grid[1] = &puzzle;
    onPage.solution[1] = true;
  }
  return onPage;
}

}  // namespace

void PrintCurrentPuzzle(PrintCanvas& canvas, const AppState& state, int kind, bool solutions, bool partial) {
  switch (kind) {
    case kKindSudoku: {
      auto cleared = std::make_unique<zorvek::sudoku::SudPuzzle>(state.sudokuPuzzle);
      if (!partial)
        for (auto& row : cleared->cells)
          for (auto& cell : row) cell.entry = 0;
      PrintSudokuPage(canvas, state.sudokuSettings.difficulty, CurrentSlots(state.sudokuPuzzle, *cleared, solutions));
      break;
    }
    case kKindKakuro: {
      auto cleared = std::make_unique<zorvek::kakuro::KakGrid>(state.kakuroPuzzle);
      if (!partial)
        for (auto& row : cleared->cells)
          for (auto& cell : row) cell.entry = -1;
      const KakuroSlot puzzle{&state.kakuroSettings, &state.kakuroPuzzle};
      const KakuroSlot blank{&state.kakuroSettings, cleared.get()};
      PrintKakuroPage(canvas, state.kakuroSettings.difficulty, CurrentSlots(puzzle, blank, solutions));
      break;
    }
    case kKindFutoshiki: {
      auto cleared = std::make_unique<zorvek::futoshiki::FutGrid>(state.futoshikiPuzzle);
      if (!partial)
        for (auto& row : cleared->cells)
          for (auto& cell : row) cell.entry = 0;
      const FutoshikiSlot puzzle{&state.futoshikiSettings, &state.futoshikiPuzzle};
      const FutoshikiSlot blank{&state.futoshikiSettings, cleared.get()};
      PrintFutoshikiPage(canvas, state.futoshikiSettings.difficulty, CurrentSlots(puzzle, blank, solutions));
      break;
    }
    case kKindHexKakuro: {
      auto cleared = std::make_unique<zorvek::hexkakuro::HexGrid>(state.hexKakuroPuzzle);
      if (!partial)
        for (auto& row : cleared->cells)
          for (auto& cell : row) cell.entry = 0;
      const HexKakuroSlot puzzle{&state.hexKakuroSettings, &state.hexKakuroPuzzle};
      const HexKakuroSlot blank{&state.hexKakuroSettings, cleared.get()};
      PrintHexKakuroPage(canvas, state.hexKakuroSettings.difficulty, CurrentSlots(puzzle, blank, solutions));
      break;
    }
    default:
      canvas.ClearPage();
      break;
  }
}

void PrintBatchSheet(PrintCanvas& canvas, const batch::BatchRun& run, int sheet, bool solutions) {
  const batch::SheetContent content = run.Sheet(sheet, solutions);
  canvas.ClearPage();
  if (content.kind < 0) return;
  const int kind = content.kind, page = content.page;
  const bool solutionSheet = content.solution;
  const batch::BatchKindChoice& c = run.choices()[kind];
  const int perPage = batch::PuzzlesPerPage(kind, c.size);
  // Slots of this page in creation order.
  const batch::BatchResult* pageResults[6] = {};
  for (int i = 0; i < run.Total(); ++i)
    if (run.slot(i).kind == kind && run.slot(i).page == page && run.result(i))
      pageResults[run.slot(i).slot - 1] = run.result(i);
  auto fill = [&](auto& onPage, auto member) {
    onPage.perPage = perPage;
    for (int k = 0; k < perPage; ++k) {
      if (pageResults[k]) onPage.grid[k] = &(pageResults[k]->*member);
      onPage.solution[k] = solutionSheet;
    }
  };
  KakuroSlot kakuro[6];
  FutoshikiSlot futoshiki[6];
  HexKakuroSlot hexKakuro[6];
  switch (kind) {
    case kKindSudoku: {
      PageSlots<zorvek::sudoku::SudPuzzle> onPage;
      fill(onPage, &batch::BatchResult::sudoku);
      PrintSudokuPage(canvas, c.difficulty, onPage);
      break;
    }
    case kKindKakuro: {
      PageSlots<KakuroSlot> onPage;
      onPage.perPage = perPage;
      for (int k = 0; k < perPage; ++k) {
        if (pageResults[k]) {
          kakuro[k] = KakuroSlot{&pageResults[k]->kakuroHeader, &pageResults[k]->kakuro};
          onPage.grid[k] = &kakuro[k];
        }
        onPage.solution[k] = solutionSheet;
      }
      PrintKakuroPage(canvas, c.difficulty, onPage);
      break;
    }
    case kKindFutoshiki: {
      PageSlots<FutoshikiSlot> onPage;
      onPage.perPage = perPage;
      for (int k = 0; k < perPage; ++k) {
        if (pageResults[k]) {
          futoshiki[k] = FutoshikiSlot{&pageResults[k]->futoshikiHeader, &pageResults[k]->futoshiki};
          onPage.grid[k] = &futoshiki[k];
        }
        onPage.solution[k] = solutionSheet;
      }
      PrintFutoshikiPage(canvas, c.difficulty, onPage);
      break;
    }
    case kKindHexKakuro: {
      PageSlots<HexKakuroSlot> onPage;
      onPage.perPage = perPage;
      for (int k = 0; k < perPage; ++k) {
        if (pageResults[k]) {
          hexKakuro[k] = HexKakuroSlot{&pageResults[k]->hexKakuroHeader, &pageResults[k]->hexKakuro};
          onPage.grid[k] = &hexKakuro[k];
        }
        onPage.solution[k] = solutionSheet;
      }
      PrintHexKakuroPage(canvas, c.difficulty, onPage);
      break;
    }
    default:
      break;
  }
}

}  // namespace zorvek::draw::page
