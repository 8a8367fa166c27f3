#include "core/batch/batch.h"

#include <algorithm>
#include <cstring>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek::batch {
namespace {

bool IsBatchKind(int kind) { return kind >= kKindSudoku && kind <= kKindHexKakuro; }

}  // namespace

int PuzzlesPerPage(int kind, int size) { return kind == kKindSudoku || size == 0 ? 6 : 2; }

int BatchTotal(const BatchChoices& choices) {
  int total = 0;
  for (int kind = 0; kind < 4; ++kind)
    if (IsBatchKind(kind))
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
    if (!IsBatchKind(kind)) continue;
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
    switch (s.kind) {
      case kKindSudoku:
        result->ok = sudoku::CreateSudokuForPrint(random, progress, c.difficulty, result->sudoku, result->banks.sudoku);
        break;
      case kKindKakuro:
        result->ok = kakuro::CreateKakuroForPrint(random, progress, c.difficulty, rows, cols, result->kakuroHeader,
                                                  result->kakuro);
        break;
      case kKindFutoshiki: {
        const futoshiki::BankUsedFlags flags{result->banks.medium9, result->banks.hard9, result->banks.hard7};
        result->ok = futoshiki::CreateFutoshikiForPrint(random, progress, c.difficulty, rows, result->futoshiki, &flags);
        result->futoshikiHeader.size = rows;
        result->futoshikiHeader.difficulty = static_cast<std::uint8_t>(c.difficulty);
        break;
      }
      case kKindHexKakuro:
        result->ok = hexkakuro::CreateHexKakuroForPrint(random, progress, c.difficulty, rows, cols, result->hexKakuro);
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
  for (int kind = 0; kind < 4; ++kind)
    if (IsBatchKind(kind)) sheets += choices_[kind].pages;
  return solutions ? 2 * sheets : sheets;
}

SheetContent BatchRun::Sheet(int sheet, bool solutions) const {
  SheetContent content;
  const int puzzleSheets = SheetCount(false);
  content.solution = solutions && sheet >= puzzleSheets;
  if (content.solution) sheet -= puzzleSheets;
  for (int kind = 0; kind < 4; ++kind) {
    if (!IsBatchKind(kind)) continue;
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
