#include "core/batch/batch.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <cstring>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek::batch {
namespace {

// What a batch knows of each kind: puzzles per page, the grid of each size
// choice, and how its print driver makes one slot's puzzle.
struct BatchKind {
  int perPage[2];  // puzzles on a page of the first and of the second size
  int rows[2], cols[2];
  bool (*create)(Random&, CreateProgress&, int difficulty, int rows, int cols, BatchResult&);
};

bool CreateSudoku(Random& random, CreateProgress& progress, int difficulty, int, int, BatchResult& r) {
  return sudoku::CreateSudokuForPrint(random, progress, difficulty, r.sudoku, r.banks.sudoku);
}

bool CreateKakuro(Random& random, CreateProgress& progress, int difficulty, int rows, int cols, BatchResult& r) {
  return kakuro::CreateKakuroForPrint(random, progress, difficulty, rows, cols, r.kakuroHeader, r.kakuro);
}

bool CreateFutoshiki(Random& random, CreateProgress& progress, int difficulty, int n, int, BatchResult& r) {
  const futoshiki::BankUsedFlags flags{r.banks.medium9, r.banks.hard9, r.banks.hard7};
  r.futoshikiHeader.size = n;
  r.futoshikiHeader.difficulty = static_cast<std::uint8_t>(difficulty);
  return futoshiki::CreateFutoshikiForPrint(random, progress, difficulty, n, r.futoshiki, &flags);
}

bool CreateHexKakuro(Random& random, CreateProgress& progress, int difficulty, int rows, int cols, BatchResult& r) {
  r.hexKakuroHeader.rows = rows;
  r.hexKakuroHeader.cols = cols;
  r.hexKakuroHeader.difficulty = static_cast<std::uint8_t>(difficulty);
  return hexkakuro::CreateHexKakuroForPrint(random, progress, difficulty, rows, cols, r.hexKakuro);
}

// In kind-number order.
constexpr BatchKind kBatchKinds[] = {
    {{6, 6}, {9, 9}, {9, 9}, CreateSudoku},
    {{6, 2}, {7, 11}, {9, 13}, CreateKakuro},
    {{6, 2}, {5, 9}, {5, 9}, CreateFutoshiki},
    {{6, 2}, {9, 11}, {9, 13}, CreateHexKakuro},
};
constexpr int kBatchKindCount = static_cast<int>(std::size(kBatchKinds));
static_assert(kBatchKindCount == std::tuple_size_v<BatchChoices>);

const BatchKind& KindRow(int kind) { return kBatchKinds[std::clamp(kind, 0, kBatchKindCount - 1)]; }

}  // namespace

int PuzzlesPerPage(int kind, int size) { return KindRow(kind).perPage[size == 0 ? 0 : 1]; }

int BatchTotal(const BatchChoices& choices) {
  int total = 0;
  for (int kind = 0; kind < kBatchKindCount; ++kind)
    total += std::clamp(choices[kind].pages, 0, 4) * PuzzlesPerPage(kind, choices[kind].size);
  return total;
}

void BatchGridSize(int kind, int size, int& rows, int& cols) {
  rows = KindRow(kind).rows[size == 0 ? 0 : 1];
  cols = KindRow(kind).cols[size == 0 ? 0 : 1];
}

std::vector<BatchSlot> PlanBatch(const BatchChoices& choices, std::uint64_t seed) {
  Random random(seed);
  std::vector<BatchSlot> onPage;
  for (int kind = 0; kind < kBatchKindCount; ++kind) {
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
    auto result = std::make_unique<BatchResult>();
    result->banks = banks_;
    Random random(s.seed);
    int rows = 9, cols = 9;
    BatchGridSize(s.kind, c.size, rows, cols);
    result->ok = KindRow(s.kind).create(random, progress, c.difficulty, rows, cols, *result);
    if (!result->ok) break;  // cancelled
    results_[i] = std::move(result);
    ++done_;
  }
  --running_;
}

const BatchResult* BatchRun::result(int i) const {
  return i >= 0 && i < Total() && results_[i] && results_[i]->ok ? results_[i].get() : nullptr;
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
  for (int kind = 0; kind < kBatchKindCount; ++kind) sheets += choices_[kind].pages;
  return solutions ? 2 * sheets : sheets;
}

SheetContent BatchRun::Sheet(int sheet, bool solutions) const {
  SheetContent content;
  const int puzzleSheets = SheetCount(false);
  content.solution = solutions && sheet >= puzzleSheets;
  if (content.solution) sheet -= puzzleSheets;
  for (int kind = 0; kind < kBatchKindCount; ++kind) {
    if (sheet < choices_[kind].pages) {
      content.kind = kind;
      content.page = sheet + 1;
      break;
    }
    sheet -= choices_[kind].pages;
  }
  return content;
}

}  // namespace zorvek::batch
