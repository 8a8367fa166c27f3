#include "core/shell/state.h"

#include <algorithm>
#include <cstring>

#include "core/common/puzfile.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek {
namespace {

std::int32_t ReadI32(const void* bytes, std::size_t offset) {
  std::int32_t v;
  std::memcpy(&v, static_cast<const std::uint8_t*>(bytes) + offset, sizeof v);
  return v;
}

void ResetGeneral(GeneralSettings& g, const ScreenSize& screen) {
  g.magicLength = 4;
  std::memcpy(g.magic, "QVZ1", 4);
  std::memset(g.padding0, 0, sizeof g.padding0);
  g.mainHeight = std::min(screen.height, 600);
  g.mainWidth = std::min(screen.width, 800);
  g.mainTop = (screen.height - g.mainHeight) / 2;
  g.mainLeft = (screen.width - g.mainWidth) / 2;
  g.printPartialAnswers = 0;
  g.printSolutions = 0;
  g.kakuroInputMode = 0;
  g.padding1 = 0;
  g.kakuroSaveCounter = 0;
  g.kakuroBatchSize = 0;
  g.kakuroBatchPages = 0;
  g.sudokuReserved = 1;
  g.sudokuInputMode = 1;
  std::memset(g.padding2, 0, sizeof g.padding2);
  g.sudokuSaveCounter = 0;
  g.sudokuBatchSize = 0;
  g.sudokuBatchPages = 0;
  g.futoshikiReserved = 1;
  g.futoshikiInputMode = 0;
  std::memset(g.padding3, 0, sizeof g.padding3);
  g.futoshikiSaveCounter = 0;
  g.futoshikiBatchSize = 0;
  g.futoshikiBatchPages = 0;
  g.hexKakuroReserved = 1;
  g.hexKakuroInputMode = 0;
  std::memset(g.padding4, 0, sizeof g.padding4);
  g.hexKakuroSaveCounter = 0;
  g.hexKakuroBatchSize = 0;
  g.hexKakuroBatchPages = 0;
  g.reserved = 1;
  std::memset(g.sudokuTemplateUsed, 0, sizeof g.sudokuTemplateUsed);
  std::memset(g.futMedium9Used, 0, sizeof g.futMedium9Used);
  std::memset(g.futHard9Used, 0, sizeof g.futHard9Used);
  std::memset(g.futHard7Used, 0, sizeof g.futHard7Used);
  std::memset(g.padding5, 0, sizeof g.padding5);
}

bool InRange(std::int32_t v, std::int32_t lo, std::int32_t hi) { return v >= lo && v <= hi; }

}  // namespace

void ResetState(AppState& state, const StateContext& context) {
  ResetGeneral(state.general, context.screen);
  Random fallback(Random::ClockSeed());
  Random& random = context.random ? *context.random : fallback;
  kakuro::CreateStartupKakuro(random, state.kakuroSettings, state.kakuroPuzzle);
  sudoku::CreateStartupSudoku(random, state.sudokuSettings, state.sudokuPuzzle);
  futoshiki::CreateStartupFutoshiki(random, state.futoshikiSettings, state.futoshikiPuzzle);
  hexkakuro::CreateStartupHexKakuro(random, state.hexKakuroSettings, state.hexKakuroPuzzle);
}

bool StateIsValid(const AppState& state) {
  const GeneralSettings& g = state.general;
  if (g.magicLength != 4 || std::memcmp(g.magic, "QVZ1", 4) != 0) return false;
  // Rows, columns and sizes of the other kinds' settings blocks.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&state);
  if (!InRange(ReadI32(bytes, 8220), 7, 11) || !InRange(ReadI32(bytes, 8224), 7, 13)) return false;
  if (!InRange(ReadI32(bytes, 16900), 5, 9)) return false;
  if (!InRange(ReadI32(bytes, 19512), 8, 12) || !InRange(ReadI32(bytes, 19516), 9, 15)) return false;
  // Every block is later indexed by its own bytes: check them as a .puz load would.
  if (sudoku::HasPuzzle(state.sudokuPuzzle) &&
      !sudoku::BlocksAreValid(state.sudokuSettings, state.sudokuPuzzle))
    return false;
  if (hexkakuro::HasPuzzle(state.hexKakuroPuzzle) &&
      !hexkakuro::BlocksAreValid(state.hexKakuroSettings, state.hexKakuroPuzzle))
    return false;
  if (futoshiki::HasPuzzle(state.futoshikiPuzzle) &&
      !futoshiki::BlocksAreValid(state.futoshikiSettings, state.futoshikiPuzzle))
    return false;
  if (!kakuro::BlocksAreValid(state.kakuroSettings, state.kakuroPuzzle)) return false;
  return true;
}

void FillMissingPuzzles(AppState& state, const StateContext& context) {
  Random fallback(Random::ClockSeed());
  Random& random = context.random ? *context.random : fallback;
  if (!sudoku::HasPuzzle(state.sudokuPuzzle))
    sudoku::CreateStartupSudoku(random, state.sudokuSettings, state.sudokuPuzzle);
  if (!futoshiki::HasPuzzle(state.futoshikiPuzzle))
    futoshiki::CreateStartupFutoshiki(random, state.futoshikiSettings, state.futoshikiPuzzle);
  if (!hexkakuro::HasPuzzle(state.hexKakuroPuzzle))
    hexkakuro::CreateStartupHexKakuro(random, state.hexKakuroSettings, state.hexKakuroPuzzle);
}

bool LoadState(AppState& state, const std::string& path, const StateContext& context) {
  const auto bytes = ReadFilePrefix(path, kStateRecordSize);
  std::memset(&state, 0, sizeof state);
  if (bytes.size() == kStateRecordSize) {
    std::memcpy(&state, bytes.data(), kStateRecordSize);
    if (StateIsValid(state)) {
      FillMissingPuzzles(state, context);
      return true;
    }
  }
  // A reset keeps the batch difficulties as they were read (zero when nothing
  // was); out of range they would select no radio button, so clamp them.
  GeneralSettings& g = state.general;
  for (std::int32_t* d : {&g.kakuroBatchDifficulty, &g.sudokuBatchDifficulty,
                          &g.futoshikiBatchDifficulty, &g.hexKakuroBatchDifficulty})
    if (!InRange(*d, kEasy, kHard)) *d = kEasy;
  ResetState(state, context);
  return false;
}

bool SaveState(const AppState& state, const std::string& path) {
  return WriteFileAtomic(path, &state, sizeof state);
}

}  // namespace zorvek
