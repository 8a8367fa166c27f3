#include "draw/page/booklet.h"

#include <QPainter>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"
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

int PuzzlesPerPage(int kind, int size) { return kind == kKindSudoku || size == 0 ? 6 : 2; }

int BatchTotal(const BatchChoices& choices) {
  int total = 0;
  for (int kind = 0; kind < 4; ++kind)
    if (CanPrintKind(kind))
      total += std::clamp(choices[kind].pages, 0, 4) * PuzzlesPerPage(kind, choices[kind].size);
  return total;
}

void BatchGridSize(int kind, int size, int& rows, int& cols) {
  switch (kind) {
    case kKindKakuro:
      rows = size == 0 ? 7 : 11;
      cols = size == 0 ? 9 : 13;
      break;
    case kKindFutoshiki:
      rows = cols = size == 0 ? 5 : 9;
      break;
    case kKindHexKakuro:
      rows = size == 0 ? 9 : 11;
      cols = size == 0 ? 9 : 13;
      break;
    default:
      rows = cols = 9;
  }
}

std::vector<BatchSlot> PlanBatch(const BatchChoices& choices, std::uint64_t seed) {
  Random random(seed);
  std::vector<BatchSlot> onPage;
  for (int kind = 0; kind < 4; ++kind) {
    if (!CanPrintKind(kind)) continue;
    const int pages = std::clamp(choices[kind].pages, 0, 4);
    for (int page = 1; page <= pages; ++page) {
      for (int k = 1; k <= PuzzlesPerPage(kind, choices[kind].size); ++k) {
        const std::uint64_t high = random.Next32();
        onPage.push_back(BatchSlot{kind, page, k, high << 32 | random.Next32()});
      }
    }
  }
  return onPage;
}

BatchBanks BatchBanks::From(const GeneralSettings& general) {
  BatchBanks b;
  std::memcpy(b.sudoku, general.sudokuTemplateUsed, sizeof b.sudoku);
  std::memcpy(b.medium9, general.futMedium9Used, sizeof b.medium9);
  std::memcpy(b.hard9, general.futHard9Used, sizeof b.hard9);
  std::memcpy(b.hard7, general.futHard7Used, sizeof b.hard7);
  return b;
}

namespace {

template <std::size_t N>
bool MergeFlags(const std::uint8_t (&from)[N], std::uint8_t (&into)[N]) {
  bool changed = false;
  for (std::size_t i = 0; i < N; ++i) {
    if (from[i] && !into[i]) {
      into[i] = 1;
      changed = true;
    }
  }
  return changed;
}

}  // namespace

bool BatchBanks::MergeInto(GeneralSettings& general) const {
  bool changed = MergeFlags(sudoku, general.sudokuTemplateUsed);
  changed |= MergeFlags(medium9, general.futMedium9Used);
  changed |= MergeFlags(hard9, general.futHard9Used);
  changed |= MergeFlags(hard7, general.futHard7Used);
  return changed;
}

struct BatchRun::Result {
  bool ok = false;
  BatchBanks banks;
  zorvek::sudoku::SudPuzzle sudoku{};
  zorvek::kakuro::KakHeader kakuroHeader{};
  zorvek::kakuro::KakGrid kakuro{};
  zorvek::futoshiki::FutHeader futoshikiHeader{};
  zorvek::futoshiki::FutGrid futoshiki{};
  zorvek::hexkakuro::HexHeader hexKakuroHeader{};
  zorvek::hexkakuro::HexGrid hexKakuro{};
};

BatchRun::BatchRun(const BatchChoices& choices, std::uint64_t seed, const BatchBanks& banks)
    : choices_(choices), slots_(PlanBatch(choices, seed)), banks_(banks) {
  for (BatchKindChoice& c : choices_) {
    c.pages = std::clamp(c.pages, 0, 4);
    c.difficulty = std::clamp(c.difficulty, 0, 2);
    c.size = std::clamp(c.size, 0, 1);
  }
  results_.resize(slots_.size());
}

BatchRun::~BatchRun() {
  Cancel();
  Wait();
}

void BatchRun::Start(int threads) {
  if (started_) return;
  started_ = true;
  threads = std::max(1, std::min(threads, std::max(Total(), 1)));
  for (int i = 0; i < threads; ++i) progress_.push_back(std::make_unique<CreateProgress>());
  running_ = threads;
  for (int i = 0; i < threads; ++i) threads_.emplace_back([this, i] { Work(i); });
}

void BatchRun::Cancel() {
  cancelled_ = true;
  for (auto& p : progress_) p->cancelled = true;
}

void BatchRun::Wait() {
  for (std::thread& t : threads_)
    if (t.joinable()) t.join();
}

void BatchRun::Work(int worker) {
  CreateProgress& progress = *progress_[worker];
  for (;;) {
    if (cancelled_) break;
    const int i = next_++;
    if (i >= Total()) break;
    int expected = latest_.load();
    while (expected < i && !latest_.compare_exchange_weak(expected, i)) {
    }
    const BatchSlot& s = slots_[i];
    const BatchKindChoice& c = choices_[s.kind];
    auto result = std::make_unique<Result>();
    result->banks = banks_;
    Random random(s.seed);
    int rows = 9, cols = 9;
    BatchGridSize(s.kind, c.size, rows, cols);
    switch (s.kind) {
      case kKindSudoku:
        result->ok = zorvek::sudoku::CreateSudokuForPrint(random, progress, c.difficulty, result->sudoku, result->banks.sudoku);
        break;
      case kKindKakuro:
        result->ok = zorvek::kakuro::CreateKakuroForPrint(random, progress, c.difficulty, rows, cols, result->kakuroHeader,
                                                  result->kakuro);
        break;
      case kKindFutoshiki: {
        const zorvek::futoshiki::BankUsedFlags flags{result->banks.medium9, result->banks.hard9, result->banks.hard7};
        result->ok = zorvek::futoshiki::CreateFutoshikiForPrint(random, progress, c.difficulty, rows, result->futoshiki, &flags);
        result->futoshikiHeader.size = rows;
        result->futoshikiHeader.difficulty = static_cast<std::uint8_t>(c.difficulty);
        break;
      }
      case kKindHexKakuro:
        result->ok = zorvek::hexkakuro::CreateHexKakuroForPrint(random, progress, c.difficulty, rows, cols, result->hexKakuro);
        result->hexKakuroHeader.rows = rows;
        result->hexKakuroHeader.cols = cols;
        result->hexKakuroHeader.difficulty = static_cast<std::uint8_t>(c.difficulty);
        break;
    }
    if (!result->ok) break;  // cancelled
    results_[i] = std::move(result);
    ++done_;
  }
  --running_;
}

BatchBanks BatchRun::UsedBanks() const {
  BatchBanks merged = banks_;
  for (const auto& r : results_) {
    if (!r) continue;
    for (int i = 0; i < 5000; ++i) merged.sudoku[i] |= r->banks.sudoku[i];
    for (int i = 0; i < 1000; ++i) {
      merged.medium9[i] |= r->banks.medium9[i];
      merged.hard9[i] |= r->banks.hard9[i];
      merged.hard7[i] |= r->banks.hard7[i];
    }
  }
  return merged;
}

int BatchRun::SheetCount(bool solutions) const {
  int sheets = 0;
  for (int kind = 0; kind < 4; ++kind)
    if (CanPrintKind(kind)) sheets += choices_[kind].pages;
  return solutions ? 2 * sheets : sheets;
}

SheetContent BatchRun::Sheet(int sheet, bool solutions) const {
  SheetContent content;
  const int puzzleSheets = SheetCount(false);
  content.solution = solutions && sheet >= puzzleSheets;
  if (content.solution) sheet -= puzzleSheets;
  for (int kind = 0; kind < 4; ++kind) {
    if (!CanPrintKind(kind)) continue;
    if (sheet < choices_[kind].pages) {
      content.kind = kind;
      content.page = sheet + 1;
      break;
    }
    sheet -= choices_[kind].pages;
  }
  return content;
}

void BatchRun::PrintSheet(PrintCanvas& canvas, int sheet, bool solutions) const {
  const SheetContent content = Sheet(sheet, solutions);
  canvas.ClearPage();
  if (content.kind < 0) return;
  const int kind = content.kind, page = content.page;
  const bool solutionSheet = content.solution;
  const BatchKindChoice& c = choices_[kind];
  const int perPage = PuzzlesPerPage(kind, c.size);
  // Slots of this page in creation order.
  const Result* pageResults[6] = {};
  for (std::size_t i = 0; i < slots_.size(); ++i)
    if (slots_[i].kind == kind && slots_[i].page == page && results_[i] && results_[i]->ok)
      pageResults[slots_[i].slot - 1] = results_[i].get();
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
      fill(onPage, &Result::sudoku);
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
