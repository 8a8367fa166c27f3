#pragma once
// A batch of new puzzles for a booklet: what the batch page asks for, the
// slots in creation order with a seed each drawn up front (so a seed gives the
// same booklet on any number of threads), the stored banks copied in and
// merged back after a complete run, and the worker threads that create them.
// The order of the sheets lives here too; painting them is the page layer's.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "core/common/progress.h"
#include "core/shell/state.h"

namespace zorvek::batch {

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

// One slot's puzzle, with the bank entries its creation drew.
struct BatchResult {
  bool ok = false;
  BatchBanks banks;
  sudoku::SudPuzzle sudoku{};
  kakuro::KakHeader kakuroHeader{};
  kakuro::KakGrid kakuro{};
  futoshiki::FutHeader futoshikiHeader{};
  futoshiki::FutGrid futoshiki{};
  hexkakuro::HexHeader hexKakuroHeader{};
  hexkakuro::HexGrid hexKakuro{};
};

// Creates a batch's puzzles on worker threads; the caller paints the sheets.
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
  const BatchChoices& choices() const { return choices_; }
  // Slot i's puzzle once it is made (null before, or when the run stopped).
  const BatchResult* result(int i) const;

 private:
  void Work(int worker);

  BatchChoices choices_;
  std::vector<BatchSlot> slots_;
  std::vector<std::unique_ptr<BatchResult>> results_;
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

}  // namespace zorvek::batch
