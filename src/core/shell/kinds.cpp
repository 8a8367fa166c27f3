#include "core/shell/kinds.h"

#include <cstddef>

#include "core/common/progress.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/geometry.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek {
namespace {

// How each kind's engine makes puzzles into the state.
struct SudokuKind {
  using Blocks = sudoku::SudokuBlocks;
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
  // Kakuro blocks always hold a puzzle: there is no "none yet" mark.
  static bool Has(const AppState&) { return true; }
  static void Startup(Random& r, AppState& s) { kakuro::CreateStartupKakuro(r, s.kakuroSettings, s.kakuroPuzzle); }
  static bool FromSettings(Random&, AppState&) { return false; }
};

struct FutoshikiKind {
  using Blocks = futoshiki::FutoshikiBlocks;
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
        if (!K::FromSettings(r, s)) K::Startup(r, s);
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
