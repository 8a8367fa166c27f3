#include "core/shell/state.h"

#include <algorithm>
#include <cstring>

#include "core/common/puzfile.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"

namespace zorvek {
namespace {

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

// The record holds the kinds in this order; resets draw their puzzles in it,
// so a seed gives the same puzzles whichever way the state came about.
constexpr int kRecordOrder[kPlayKinds] = {kKindKakuro, kKindSudoku, kKindFutoshiki, kKindHexKakuro};

Random& RandomOf(const StateContext& context, Random& fallback) {
  return context.random ? *context.random : fallback;
}

bool GeneralIsValid(const GeneralSettings& g) {
  return g.magicLength == 4 && std::memcmp(g.magic, "QVZ1", 4) == 0;
}

}  // namespace

void ResetState(AppState& state, const StateContext& context) {
  ResetGeneral(state.general, context.screen);
  Random fallback(Random::ClockSeed());
  Random& random = RandomOf(context, fallback);
  for (int kind : kRecordOrder) KindOf(kind).createStartup(random, state);
}

bool StateIsValid(const AppState& state) {
  if (!GeneralIsValid(state.general)) return false;
  for (int kind : kRecordOrder) {
    const KindDescriptor& d = KindOf(kind);
    if (d.hasPuzzle(state) && !d.blocksValid(state)) return false;
  }
  return true;
}

void FillMissingPuzzles(AppState& state, const StateContext& context) {
  Random fallback(Random::ClockSeed());
  Random& random = RandomOf(context, fallback);
  for (int kind : kRecordOrder) {
    const KindDescriptor& d = KindOf(kind);
    if (!d.hasPuzzle(state)) d.createFromSettings(random, state);
  }
}

bool LoadState(AppState& state, const std::string& path, const StateContext& context) {
  const auto bytes = ReadFilePrefix(path, kStateRecordSize);
  std::memset(&state, 0, sizeof state);
  // A short file keeps what it holds: every block read whole is judged on
  // its own, and only what is missing or fails its checks starts over.
  const std::size_t read = std::min(bytes.size(), kStateRecordSize);
  if (read > 0) std::memcpy(&state, bytes.data(), read);
  if (read >= sizeof(GeneralSettings) && GeneralIsValid(state.general)) {
    // One damaged kind costs only that kind's puzzle, not every setting.
    Random fallback(Random::ClockSeed());
    Random& random = RandomOf(context, fallback);
    for (int kind : kRecordOrder) {
      const KindDescriptor& d = KindOf(kind);
      if (read < d.stateEnd || (d.hasPuzzle(state) && !d.blocksValid(state))) d.createStartup(random, state);
    }
    FillMissingPuzzles(state, context);
    return true;
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
