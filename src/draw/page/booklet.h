#pragma once
// Whole print jobs on any paged device (a printer, a PDF writer): the current
// puzzle of a kind, and a batch of new puzzles created on worker threads and
// printed as puzzle pages, kind by kind, then the solution pages.
#include <QPagedPaintDevice>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "core/common/progress.h"
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

// What the batch page asks for, kind by kind (kKindSudoku .. kKindHexKakuro).
struct BatchKindChoice {
  int pages = 0;       // 0..4
  int difficulty = 0;  // 0..2
  int size = 0;        // 0 first size, 1 second
};
using BatchChoices = std::array<BatchKindChoice, 4>;

int PuzzlesPerPage(int kind, int size);
// All puzzles of a batch: the progress bar's full count.
int BatchTotal(const BatchChoices& choices);
// The grid a kind's batch puzzle has: Kakuro and HexKakuro playing rows and
// columns, Futoshiki N x N, Sudoku 9 x 9.
void BatchGridSize(int kind, int size, int& rows, int& cols);

// What one sheet of a booklet shows.
struct SheetContent {
  int kind = -1;  // -1: past the last sheet
  int page = 1;
  bool solution = false;
};

struct BatchSlot {
  int kind = 0;
  int page = 1;  // 1..4
  int slot = 1;  // 1..6
  std::uint64_t seed = 0;
};
// The slots in creation order, each with its own seed drawn from one
// generator, so a seed gives the same booklet however many threads run it.
std::vector<BatchSlot> PlanBatch(const BatchChoices& choices, std::uint64_t seed);

// The stored banks a batch may draw from, copied from the state so that
// workers never share them; what was drawn is merged back afterwards.
struct BatchBanks {
  std::uint8_t sudoku[5000] = {};
  std::uint8_t medium9[1000] = {};
  std::uint8_t hard9[1000] = {};
  std::uint8_t hard7[1000] = {};
  static BatchBanks From(const GeneralSettings& general);
  // Marks in `general` every bank entry some slot drew; true when any was new.
  bool MergeInto(GeneralSettings& general) const;
};

class BatchRun {
 public:
  BatchRun(const BatchChoices& choices, std::uint64_t seed, const BatchBanks& banks);
  ~BatchRun();
  BatchRun(const BatchRun&) = delete;
  BatchRun& operator=(const BatchRun&) = delete;

  // Starts the workers (at least one) and returns at once.
  void Start(int threads);
  // Every worker stops within one generation attempt; nothing is kept.
  void Cancel();
  // Blocks until every worker has stopped.
  void Wait();
  bool Finished() const { return running_.load() == 0 && started_; }
  bool Cancelled() const { return cancelled_.load(); }
  int Total() const { return static_cast<int>(slots_.size()); }
  int Done() const { return done_.load(); }
  // The slot taken most recently (its kind, page and puzzle for the label); -1 before.
  int Latest() const { return latest_.load(); }
  const BatchSlot& slot(int i) const { return slots_[i]; }
  // Banks as left by every slot (merged after a complete run).
  BatchBanks UsedBanks() const;

  // Sheets of the booklet: puzzle pages kind by kind, then (with solutions)
  // the solution pages in the same order.
  int SheetCount(bool solutions) const;
  SheetContent Sheet(int sheet, bool solutions) const;
  void PrintSheet(PrintCanvas& canvas, int sheet, bool solutions) const;

 private:
  struct Result;
  void Work(int worker);

  BatchChoices choices_;
  std::vector<BatchSlot> slots_;
  std::vector<std::unique_ptr<Result>> results_;
  std::vector<std::unique_ptr<CreateProgress>> progress_;
  std::vector<std::thread> threads_;
  BatchBanks banks_;
  std::atomic<int> next_{0};
  std::atomic<int> done_{0};
  std::atomic<int> latest_{-1};
  std::atomic<int> running_{0};
  std::atomic<bool> cancelled_{false};
  bool started_ = false;
};

}  // namespace zorvek::draw::page
