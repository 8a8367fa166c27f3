#include "draw/page/booklet.h"

#include <QPainter>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

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

// What the pages know of each kind: its blocks in the state and in a batch
// result, the byte of a cell without an entry, and its page renderer.
struct SudokuPage {
  using Grid = zorvek::sudoku::SudPuzzle;
  using Slot = Grid;
  static constexpr int kNoEntry = 0;
  static const Grid& GridOf(const AppState& s) { return s.sudokuPuzzle; }
  static int Difficulty(const AppState& s) { return s.sudokuSettings.difficulty; }
  static Slot FromState(const AppState&, const Grid& g) { return g; }
  static Slot FromResult(const batch::BatchResult& r) { return r.sudoku; }
  static void Print(PrintCanvas& c, int d, const PageSlots<Slot>& p) { PrintSudokuPage(c, d, p); }
};

// The kinds whose slot is their header (size, difficulty) and their grid.
template <auto S, auto P, auto ResultHeader, auto ResultGrid, class SlotType, auto Render, int NoEntry>
struct HeaderPage {
  using Grid = std::remove_cvref_t<decltype(std::declval<const AppState&>().*P)>;
  using Slot = SlotType;
  static constexpr int kNoEntry = NoEntry;
  static const Grid& GridOf(const AppState& s) { return s.*P; }
  static int Difficulty(const AppState& s) { return (s.*S).difficulty; }
  static Slot FromState(const AppState& s, const Grid& g) { return {&(s.*S), &g}; }
  static Slot FromResult(const batch::BatchResult& r) { return {&(r.*ResultHeader), &(r.*ResultGrid)}; }
  static void Print(PrintCanvas& c, int d, const PageSlots<Slot>& p) { Render(c, d, p); }
};

using KakuroPage = HeaderPage<&AppState::kakuroSettings, &AppState::kakuroPuzzle, &batch::BatchResult::kakuroHeader,
                              &batch::BatchResult::kakuro, KakuroSlot, PrintKakuroPage, -1>;
using FutoshikiPage =
    HeaderPage<&AppState::futoshikiSettings, &AppState::futoshikiPuzzle, &batch::BatchResult::futoshikiHeader,
               &batch::BatchResult::futoshiki, FutoshikiSlot, PrintFutoshikiPage, 0>;
using HexKakuroPage =
    HeaderPage<&AppState::hexKakuroSettings, &AppState::hexKakuroPuzzle, &batch::BatchResult::hexKakuroHeader,
               &batch::BatchResult::hexKakuro, HexKakuroSlot, PrintHexKakuroPage, 0>;

template <class K>
void PrintCurrentOf(PrintCanvas& canvas, const AppState& state, bool solutions, bool partial) {
  auto cleared = std::make_unique<typename K::Grid>(K::GridOf(state));
  if (!partial)
    for (auto& row : cleared->cells)
      for (auto& cell : row) cell.entry = K::kNoEntry;
  const typename K::Slot puzzle = K::FromState(state, K::GridOf(state));
  const typename K::Slot blank = K::FromState(state, *cleared);
  K::Print(canvas, K::Difficulty(state), CurrentSlots(puzzle, blank, solutions));
}

// One page of a batch: slot k shows results[k] (none for a slot left empty).
template <class K>
void PrintBatchPageOf(PrintCanvas& canvas, int difficulty, const batch::BatchResult* const (&results)[6], int perPage,
                      bool solution) {
  auto kept = std::make_unique<typename K::Slot[]>(6);
  PageSlots<typename K::Slot> onPage;
  onPage.perPage = perPage;
  for (int k = 0; k < perPage && k < 6; ++k) {
    if (results[k]) {
      kept[k] = K::FromResult(*results[k]);
      onPage.grid[k] = &kept[k];
    }
    onPage.solution[k] = solution;
  }
  K::Print(canvas, difficulty, onPage);
}

struct PageKind {
  void (*printCurrent)(PrintCanvas&, const AppState&, bool solutions, bool partial);
  void (*printBatchPage)(PrintCanvas&, int difficulty, const batch::BatchResult* const (&)[6], int perPage,
                         bool solution);
};

template <class K>
constexpr PageKind Row() {
  return PageKind{PrintCurrentOf<K>, PrintBatchPageOf<K>};
}

// In kind-number order.
constexpr PageKind kPageKinds[] = {Row<SudokuPage>(), Row<KakuroPage>(), Row<FutoshikiPage>(), Row<HexKakuroPage>()};

const PageKind* PageKindOf(int kind) {
  return kind >= 0 && kind < static_cast<int>(std::size(kPageKinds)) ? &kPageKinds[kind] : nullptr;
}

}  // namespace

bool CanPrintKind(int kind) { return PageKindOf(kind) != nullptr; }

void PrintCurrentPuzzle(PrintCanvas& canvas, const AppState& state, int kind, bool solutions, bool partial) {
  if (const PageKind* k = PageKindOf(kind))
    k->printCurrent(canvas, state, solutions, partial);
  else
    canvas.ClearPage();
}

void PrintBatchSheet(PrintCanvas& canvas, const batch::BatchRun& run, int sheet, bool solutions) {
  const batch::SheetContent content = run.Sheet(sheet, solutions);
  canvas.ClearPage();
  const PageKind* k = PageKindOf(content.kind);
  if (!k) return;
  const int kind = content.kind, page = content.page;
  const batch::BatchKindChoice& c = run.choices()[kind];
  // Slots of this page in creation order.
  const batch::BatchResult* pageResults[6] = {};
  for (int i = 0; i < run.Total(); ++i)
    if (run.slot(i).kind == kind && run.slot(i).page == page && run.result(i))
      pageResults[run.slot(i).slot - 1] = run.result(i);
  k->printBatchPage(canvas, c.difficulty, pageResults, batch::PuzzlesPerPage(kind, c.size), content.solution);
}

}  // namespace zorvek::draw::page
