#include "core/shell/kinds.h"

#include "core/common/progress.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/geometry.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek {
namespace {

// Where a kind's two blocks live in the state, and how its engine makes puzzles.
struct SudokuKind {
  using Blocks = sudoku::SudokuBlocks;
  static auto& Settings(AppState& s) { return s.sudokuSettings; }
  static auto& Puzzle(AppState& s) { return s.sudokuPuzzle; }
  static const auto& Settings(const AppState& s) { return s.sudokuSettings; }
  static const auto& Puzzle(const AppState& s) { return s.sudokuPuzzle; }
  static bool Has(const AppState& s) { return sudoku::HasPuzzle(s.sudokuPuzzle); }
  static void Startup(Random& r, AppState& s) { sudoku::CreateStartupSudoku(r, s.sudokuSettings, s.sudokuPuzzle); }
  static bool FromSettings(Random& r, AppState& s) {
    if (s.sudokuSettings.difficulty > kHard) return false;
    CreateProgress progress;
    return sudoku::CreateSudokuPuzzle(r, progress, s.sudokuSettings.difficulty, s.sudokuSettings,
                                      s.sudokuPuzzle, s.general.sudokuTemplateUsed)
        .success;
  }
};

struct KakuroKind {
  using Blocks = kakuro::KakuroBlocks;
  static auto& Settings(AppState& s) { return s.kakuroSettings; }
  static auto& Puzzle(AppState& s) { return s.kakuroPuzzle; }
  static const auto& Settings(const AppState& s) { return s.kakuroSettings; }
  static const auto& Puzzle(const AppState& s) { return s.kakuroPuzzle; }
  // Kakuro blocks always hold a puzzle: there is no "none yet" mark.
  static bool Has(const AppState&) { return true; }
  static void Startup(Random& r, AppState& s) { kakuro::CreateStartupKakuro(r, s.kakuroSettings, s.kakuroPuzzle); }
  static bool FromSettings(Random&, AppState&) { return false; }
};

struct FutoshikiKind {
  using Blocks = futoshiki::FutoshikiBlocks;
  static auto& Settings(AppState& s) { return s.futoshikiSettings; }
  static auto& Puzzle(AppState& s) { return s.futoshikiPuzzle; }
  static const auto& Settings(const AppState& s) { return s.futoshikiSettings; }
  static const auto& Puzzle(const AppState& s) { return s.futoshikiPuzzle; }
  static bool Has(const AppState& s) { return futoshiki::HasPuzzle(s.futoshikiPuzzle); }
  static void Startup(Random& r, AppState& s) {
    futoshiki::CreateStartupFutoshiki(r, s.futoshikiSettings, s.futoshikiPuzzle);
  }
  static bool FromSettings(Random& r, AppState& s) {
    const futoshiki::FutHeader& h = s.futoshikiSettings;
    if ((h.size != 5 && h.size != 7 && h.size != 9) || h.difficulty > kHard) return false;
    CreateProgress progress;
    GeneralSettings& g = s.general;
    return futoshiki::CreateFutoshikiPuzzle(r, progress, h.difficulty, h.size, s.futoshikiSettings,
                                            s.futoshikiPuzzle, {g.futMedium9Used, g.futHard9Used, g.futHard7Used})
        .success;
  }
};

struct HexKakuroKind {
  using Blocks = hexkakuro::HexKakuroBlocks;
  static auto& Settings(AppState& s) { return s.hexKakuroSettings; }
  static auto& Puzzle(AppState& s) { return s.hexKakuroPuzzle; }
  static const auto& Settings(const AppState& s) { return s.hexKakuroSettings; }
  static const auto& Puzzle(const AppState& s) { return s.hexKakuroPuzzle; }
  static bool Has(const AppState& s) { return hexkakuro::HasPuzzle(s.hexKakuroPuzzle); }
  static void Startup(Random& r, AppState& s) {
    hexkakuro::CreateStartupHexKakuro(r, s.hexKakuroSettings, s.hexKakuroPuzzle);
  }
  static bool FromSettings(Random& r, AppState& s) {
    const hexkakuro::HexHeader& h = s.hexKakuroSettings;
    if (!hexkakuro::IsHexSize(h.rows, h.cols) || h.difficulty > kHard) return false;
    CreateProgress progress;
    return hexkakuro::CreateHexKakuroPuzzle(r, progress, h.difficulty, h.rows, h.cols, s.hexKakuroSettings,
                                            s.hexKakuroPuzzle)
        .success;
  }
};

template <typename K, std::int32_t GeneralSettings::*Counter, std::uint8_t GeneralSettings::*Mode>
KindDescriptor Describe(int number) {
  using Blocks = typename K::Blocks;
  return KindDescriptor{
      number,
      KindName(number),
      KindLetter(number),
      sizeof(PuzRecord<Blocks>),
      Counter,
      Mode,
      [](const AppState& s) { return K::Has(s); },
      [](const AppState& s) { return Blocks::Valid(K::Settings(s), K::Puzzle(s)); },
      [](Random& r, AppState& s) { K::Startup(r, s); },
      [](Random& r, AppState& s) {
        if (!K::FromSettings(r, s)) K::Startup(r, s);
      },
      [](AppState& s, const std::string& path) {
        const PuzLoadResult<Blocks> loaded = LoadPuzFile<Blocks>(path);
        if (!loaded.ok) return loaded.message;
        K::Settings(s) = loaded.settings;
        K::Puzzle(s) = loaded.puzzle;
        return std::string();
      },
      [](const AppState& s, const std::string& path) {
        return SavePuzFile<Blocks>(path, K::Settings(s), K::Puzzle(s));
      },
      [](const AppState& s) { return DefaultFileName<Blocks>(K::Settings(s), s.general.*Counter); },
  };
}

}  // namespace

const KindDescriptor& KindOf(int kind) {
  static const KindDescriptor kinds[kPlayKinds] = {
      Describe<SudokuKind, &GeneralSettings::sudokuSaveCounter, &GeneralSettings::sudokuInputMode>(kKindSudoku),
      Describe<KakuroKind, &GeneralSettings::kakuroSaveCounter, &GeneralSettings::kakuroInputMode>(kKindKakuro),
      Describe<FutoshikiKind, &GeneralSettings::futoshikiSaveCounter, &GeneralSettings::futoshikiInputMode>(
          kKindFutoshiki),
      Describe<HexKakuroKind, &GeneralSettings::hexKakuroSaveCounter, &GeneralSettings::hexKakuroInputMode>(
          kKindHexKakuro),
  };
  return kinds[kind >= 0 && kind < kPlayKinds ? kind : 0];
}

}  // namespace zorvek
