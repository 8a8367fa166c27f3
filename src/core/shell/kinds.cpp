#include "core/shell/kinds.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

#include "core/common/progress.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/geometry.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/futoshiki/play.h"
#include "core/hexkakuro/play.h"
#include "core/kakuro/play.h"
#include "core/sudoku/generator.h"
#include "core/sudoku/play.h"

namespace zorvek {
namespace {

// What every kind's job shares: copies of its two blocks, made when the job
// is, put back on success; bank entries a run drew go back whatever came of it.
template <auto S, auto P>
struct BlocksJob : CreateJob {
  explicit BlocksJob(const AppState& s) : settings(s.*S), puzzle(s.*P) {}
  void Commit(AppState& s, bool success) const override {
    CommitBanks(s);
    if (!success) return;
    s.*S = settings;
    s.*P = puzzle;
  }
  virtual void CommitBanks(AppState&) const {}
  std::remove_cvref_t<decltype(std::declval<AppState&>().*S)> settings;
  std::remove_cvref_t<decltype(std::declval<AppState&>().*P)> puzzle;
};

// How each kind's engine makes puzzles: its start-up puzzle, and a job that
// makes one of a chosen difficulty and size into copies of its blocks.
// Choice reads the difficulty and size choice its settings block names
// (false when they are out of range, or the kind has no such creation).
struct SudokuKind {
  using Blocks = sudoku::SudokuBlocks;
  using Adapter = sudoku::SudokuPlayAdapter;
  static bool Has(const AppState& s) { return sudoku::HasPuzzle(s.sudokuPuzzle); }
  static void Startup(Random& r, AppState& s) { sudoku::CreateStartupSudoku(r, s.sudokuSettings, s.sudokuPuzzle); }
  static PuzzleShape Shape(const AppState& s) { return {s.sudokuSettings.difficulty, 9, 9}; }
  static bool Choice(const AppState& s, int& difficulty, int& size) {
    difficulty = s.sudokuSettings.difficulty;
    size = 0;
    return difficulty <= kHard;
  }
  struct Job : BlocksJob<&AppState::sudokuSettings, &AppState::sudokuPuzzle> {
    Job(const AppState& s, int difficulty, int) : BlocksJob(s), difficulty(difficulty) {
      std::memcpy(used, s.general.sudokuTemplateUsed, sizeof used);
    }
    CreateOutcome Run(Random& r, CreateProgress& p) override {
      const sudoku::CreateResult x = sudoku::CreateSudokuPuzzle(r, p, difficulty, settings, puzzle, used);
      return {x.success, x.cancelled, x.startCloseTimer};
    }
    void CommitBanks(AppState& s) const override { std::memcpy(s.general.sudokuTemplateUsed, used, sizeof used); }
    int difficulty;
    std::uint8_t used[sizeof GeneralSettings::sudokuTemplateUsed];
  };
};

struct KakuroKind {
  using Blocks = kakuro::KakuroBlocks;
  using Adapter = kakuro::KakuroPlayAdapter;
  // Kakuro blocks always hold a puzzle: there is no "none yet" mark.
  static bool Has(const AppState&) { return true; }
  static void Startup(Random& r, AppState& s) { kakuro::CreateStartupKakuro(r, s.kakuroSettings, s.kakuroPuzzle); }
  static PuzzleShape Shape(const AppState& s) {
    return {s.kakuroSettings.difficulty, s.kakuroSettings.rows, s.kakuroSettings.cols};
  }
  static bool Choice(const AppState&, int&, int&) { return false; }
  struct Job : BlocksJob<&AppState::kakuroSettings, &AppState::kakuroPuzzle> {
    Job(const AppState& s, int difficulty, int size) : BlocksJob(s), difficulty(difficulty), size(std::max(0, size)) {}
    // Its attempts are few and quick: no progress, no stopping.
    CreateOutcome Run(Random& r, CreateProgress&) override {
      return {kakuro::CreateKakuroPuzzle(r, nullptr, difficulty, size, settings, puzzle).success, false, false};
    }
    int difficulty, size;
  };
};

struct FutoshikiKind {
  using Blocks = futoshiki::FutoshikiBlocks;
  using Adapter = futoshiki::FutoshikiPlayAdapter;
  static bool Has(const AppState& s) { return futoshiki::HasPuzzle(s.futoshikiPuzzle); }
  static void Startup(Random& r, AppState& s) {
    futoshiki::CreateStartupFutoshiki(r, s.futoshikiSettings, s.futoshikiPuzzle);
  }
  static PuzzleShape Shape(const AppState& s) {
    return {s.futoshikiSettings.difficulty, s.futoshikiSettings.size, s.futoshikiSettings.size};
  }
  static bool Choice(const AppState& s, int& difficulty, int& size) {
    const futoshiki::FutHeader& h = s.futoshikiSettings;
    difficulty = h.difficulty;
    size = (h.size - 5) / 2;
    return (h.size == 5 || h.size == 7 || h.size == 9) && difficulty <= kHard;
  }
  struct Job : BlocksJob<&AppState::futoshikiSettings, &AppState::futoshikiPuzzle> {
    Job(const AppState& s, int difficulty, int size)
        : BlocksJob(s), difficulty(difficulty), n(size <= 0 ? 5 : size == 1 ? 7 : 9) {
      std::memcpy(medium9, s.general.futMedium9Used, sizeof medium9);
      std::memcpy(hard9, s.general.futHard9Used, sizeof hard9);
      std::memcpy(hard7, s.general.futHard7Used, sizeof hard7);
    }
    CreateOutcome Run(Random& r, CreateProgress& p) override {
      const futoshiki::CreateResult x =
          futoshiki::CreateFutoshikiPuzzle(r, p, difficulty, n, settings, puzzle, {medium9, hard9, hard7});
      return {x.success, x.cancelled, x.startCloseTimer};
    }
    void CommitBanks(AppState& s) const override {
      std::memcpy(s.general.futMedium9Used, medium9, sizeof medium9);
      std::memcpy(s.general.futHard9Used, hard9, sizeof hard9);
      std::memcpy(s.general.futHard7Used, hard7, sizeof hard7);
    }
    int difficulty, n;
    std::uint8_t medium9[futoshiki::kBankSize], hard9[futoshiki::kBankSize], hard7[futoshiki::kBankSize];
  };
};

struct HexKakuroKind {
  using Blocks = hexkakuro::HexKakuroBlocks;
  using Adapter = hexkakuro::HexKakuroPlayAdapter;
  static bool Has(const AppState& s) { return hexkakuro::HasPuzzle(s.hexKakuroPuzzle); }
  static void Startup(Random& r, AppState& s) {
    hexkakuro::CreateStartupHexKakuro(r, s.hexKakuroSettings, s.hexKakuroPuzzle);
  }
  static PuzzleShape Shape(const AppState& s) {
    return {s.hexKakuroSettings.difficulty, s.hexKakuroSettings.rows, s.hexKakuroSettings.cols};
  }
  static bool Choice(const AppState& s, int& difficulty, int& size) {
    const hexkakuro::HexHeader& h = s.hexKakuroSettings;
    difficulty = h.difficulty;
    size = h.rows == hexkakuro::kLargeRows ? 1 : 0;
    return hexkakuro::IsHexSize(h.rows, h.cols) && difficulty <= kHard;
  }
  struct Job : BlocksJob<&AppState::hexKakuroSettings, &AppState::hexKakuroPuzzle> {
    Job(const AppState& s, int difficulty, int size)
        : BlocksJob(s), difficulty(difficulty), rows(size == 1 ? hexkakuro::kLargeRows : hexkakuro::kSmallRows),
          cols(size == 1 ? hexkakuro::kLargeCols : hexkakuro::kSmallCols) {}
    CreateOutcome Run(Random& r, CreateProgress& p) override {
      const hexkakuro::HexCreateResult x =
          hexkakuro::CreateHexKakuroPuzzle(r, p, difficulty, rows, cols, settings, puzzle);
      return {x.success, x.cancelled, false};
    }
    int difficulty, rows, cols;
  };
};

// A puzzle of the settings' own difficulty and size, made through the kind's job.
template <typename K>
bool FromSettings(Random& r, AppState& s) {
  int difficulty = 0, size = 0;
  if (!K::Choice(s, difficulty, size)) return false;
  typename K::Job job(s, difficulty, size);
  CreateProgress progress;
  const bool success = job.Run(r, progress).success;
  job.Commit(s, success);
  return success;
}

// K: the engine side of a kind; S and P: its settings and puzzle blocks in
// the state; Counter and Mode: its save counter and input mode.
template <typename K, auto S, auto P, std::int32_t GeneralSettings::*Counter, std::uint8_t GeneralSettings::*Mode>
KindDescriptor Describe(int number, std::size_t stateEnd) {
  using Blocks = typename K::Blocks;
  return KindDescriptor{
      number,
      KindName(number),
      KindLetter(number),
      sizeof(PuzRecord<Blocks>),
      Counter,
      Mode,
      stateEnd,
      [](const AppState& s) { return K::Has(s); },
      [](const AppState& s) { return Blocks::Valid(s.*S, s.*P); },
      [](Random& r, AppState& s) { K::Startup(r, s); },
      [](Random& r, AppState& s) {
        if (!FromSettings<K>(r, s)) K::Startup(r, s);
      },
      [](const AppState& s, int difficulty, int size) -> std::unique_ptr<CreateJob> {
        return std::make_unique<typename K::Job>(s, difficulty, size);
      },
      [](AppState& s, const std::string& path) {
        const PuzLoadResult<Blocks> loaded = LoadPuzFile<Blocks>(path);
        if (!loaded.ok) return loaded.message;
        s.*S = loaded.settings;
        s.*P = loaded.puzzle;
        return std::string();
      },
      [](const AppState& s, const std::string& path) {
        return SavePuzFile<Blocks>(path, s.*S, s.*P);
      },
      [](const AppState& s) { return DefaultFileName<Blocks>(s.*S, s.general.*Counter); },
      [](const AppState& s) { return K::Shape(s); },
      [](AppState& s) -> std::unique_ptr<PlayAdapter> { return std::make_unique<typename K::Adapter>(s.*S, s.*P); },
  };
}

}  // namespace

const KindDescriptor& KindOf(int kind) {
  static const KindDescriptor kinds[kPlayKinds] = {
      Describe<SudokuKind, &AppState::sudokuSettings, &AppState::sudokuPuzzle, &GeneralSettings::sudokuSaveCounter,
               &GeneralSettings::sudokuInputMode>(kKindSudoku,
                                                  offsetof(AppState, sudokuPuzzle) + sizeof(sudoku::SudPuzzle)),
      Describe<KakuroKind, &AppState::kakuroSettings, &AppState::kakuroPuzzle, &GeneralSettings::kakuroSaveCounter,
               &GeneralSettings::kakuroInputMode>(kKindKakuro,
                                                  offsetof(AppState, kakuroPuzzle) + sizeof(kakuro::KakGrid)),
      Describe<FutoshikiKind, &AppState::futoshikiSettings, &AppState::futoshikiPuzzle,
               &GeneralSettings::futoshikiSaveCounter, &GeneralSettings::futoshikiInputMode>(
          kKindFutoshiki, offsetof(AppState, futoshikiPuzzle) + sizeof(futoshiki::FutGrid)),
      Describe<HexKakuroKind, &AppState::hexKakuroSettings, &AppState::hexKakuroPuzzle,
               &GeneralSettings::hexKakuroSaveCounter, &GeneralSettings::hexKakuroInputMode>(
          kKindHexKakuro, offsetof(AppState, hexKakuroPuzzle) + sizeof(hexkakuro::HexGrid)),
  };
  return kinds[kind >= 0 && kind < kPlayKinds ? kind : 0];
}

}  // namespace zorvek
