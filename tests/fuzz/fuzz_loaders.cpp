// Feeds arbitrary bytes to every loader of data read from disk: the four .puz
// records and the state record. Built as a libFuzzer target with clang
// (-DZORVEK_LIBFUZZER=ON); otherwise a driver mutates valid records at random
// and runs under the sanitizers with the other core tests.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/futoshiki/record.h"
#include "core/hexkakuro/record.h"
#include "core/kakuro/record.h"
#include "core/shell/state.h"
#include "core/sudoku/record.h"
#include "core/futoshiki/play.h"
#include "core/hexkakuro/play.h"
#include "core/kakuro/play.h"
#include "core/play/hint.h"
#include "core/sudoku/play.h"

using namespace zorvek;

namespace {

// Hints on whatever a loader accepted: a bounded walk whose every step names
// a cell the player may change and a digit the cell may hold.
void FollowHints(PlayAdapter&& a) {
  for (int step = 0; step < 100; ++step) {
    const Hint hint = a.NextHint();
    if (!hint.Found()) return;
    const int r = hint.target.row, c = hint.target.col;
    if (r < 0 || r >= a.Rows() || c < 0 || c >= a.Cols() || !a.IsCell(r, c) || a.IsGiven(r, c)) __builtin_trap();
    if (hint.type == Hint::Type::Placement && (hint.digit < a.MarkLow() || hint.digit > a.MarkHigh())) __builtin_trap();
    ApplyHint(a, hint);
  }
}

// Loads the bytes with every loader; returns which kinds accepted them (bit
// per kind). Whatever a loader accepts must also pass its own block checks,
// which is what keeps play and drawing inside their arrays.
int LoadEverything(const std::uint8_t* data, std::size_t size) {
  int accepted = 0;
  const auto s = ParsePuzFile<sudoku::SudokuBlocks>(data, size);
  if (s.ok && !sudoku::BlocksAreValid(s.settings, s.puzzle)) __builtin_trap();
  const auto k = ParsePuzFile<kakuro::KakuroBlocks>(data, size);
  if (k.ok && !kakuro::BlocksAreValid(k.settings, k.puzzle)) __builtin_trap();
  const auto f = ParsePuzFile<futoshiki::FutoshikiBlocks>(data, size);
  if (f.ok && !futoshiki::BlocksAreValid(f.settings, f.puzzle)) __builtin_trap();
  const auto h = ParsePuzFile<hexkakuro::HexKakuroBlocks>(data, size);
  if (h.ok && !hexkakuro::BlocksAreValid(h.settings, h.puzzle)) __builtin_trap();
  if (auto x = s; x.ok) FollowHints(sudoku::SudokuPlayAdapter(x.settings, x.puzzle));
  if (auto x = k; x.ok) FollowHints(kakuro::KakuroPlayAdapter(x.settings, x.puzzle));
  if (auto x = f; x.ok) FollowHints(futoshiki::FutoshikiPlayAdapter(x.settings, x.puzzle));
  if (auto x = h; x.ok) FollowHints(hexkakuro::HexKakuroPlayAdapter(x.settings, x.puzzle));
  accepted |= s.ok << kKindSudoku | k.ok << kKindKakuro | f.ok << kKindFutoshiki |
              h.ok << kKindHexKakuro;
  if (size >= kStateRecordSize) {
    auto state = std::make_unique<AppState>();
    std::memcpy(state.get(), data, kStateRecordSize);
    if (StateIsValid(*state)) {
      accepted |= 1 << 8;
      // Every puzzle block of an accepted state is safe to play.
      if ((sudoku::HasPuzzle(state->sudokuPuzzle) &&
           !sudoku::BlocksAreValid(state->sudokuSettings, state->sudokuPuzzle)) ||
          !kakuro::BlocksAreValid(state->kakuroSettings, state->kakuroPuzzle) ||
          (futoshiki::HasPuzzle(state->futoshikiPuzzle) &&
           !futoshiki::BlocksAreValid(state->futoshikiSettings, state->futoshikiPuzzle)) ||
          (hexkakuro::HasPuzzle(state->hexKakuroPuzzle) &&
           !hexkakuro::BlocksAreValid(state->hexKakuroSettings, state->hexKakuroPuzzle)))
        __builtin_trap();
    }
  }
  return accepted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LoadEverything(data, size);
  return 0;
}

#ifndef ZORVEK_LIBFUZZER
namespace {

template <typename Record>
std::vector<std::uint8_t> AsBytes(const Record& r) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&r);
  return {p, p + sizeof r};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 4000;
  Random random(77);
  auto state = std::make_unique<AppState>();
  StateContext context;
  context.random = &random;
  ResetState(*state, context);
  // Valid seeds of every record, each with the loader bit it must set.
  const std::vector<std::pair<std::vector<std::uint8_t>, int>> seeds = {
      {AsBytes(MakePuzRecord<sudoku::SudokuBlocks>(state->sudokuSettings, state->sudokuPuzzle)), 1 << kKindSudoku},
      {AsBytes(MakePuzRecord<kakuro::KakuroBlocks>(state->kakuroSettings, state->kakuroPuzzle)), 1 << kKindKakuro},
      {AsBytes(MakePuzRecord<futoshiki::FutoshikiBlocks>(state->futoshikiSettings, state->futoshikiPuzzle)),
       1 << kKindFutoshiki},
      {AsBytes(MakePuzRecord<hexkakuro::HexKakuroBlocks>(state->hexKakuroSettings, state->hexKakuroPuzzle)),
       1 << kKindHexKakuro},
      {AsBytes(*state), 1 << 8},
  };
  for (const auto& [bytes, bit] : seeds) {
    if (!(LoadEverything(bytes.data(), bytes.size()) & bit)) {
      std::printf("a valid seed record was refused (loader bit %d)\n", bit);
      return 1;
    }
  }
  int accepted = 0;
  for (int round = 0; round < rounds; ++round) {
    auto bytes = seeds[static_cast<std::size_t>(random(static_cast<int>(seeds.size())))].first;
    const int flips = 1 + random(8);
    for (int i = 0; i < flips; ++i)
      bytes[static_cast<std::size_t>(random(static_cast<int>(bytes.size())))] =
          static_cast<std::uint8_t>(random(256));
    if (random(8) == 0) bytes.resize(static_cast<std::size_t>(random(static_cast<int>(bytes.size()))));
    accepted += LoadEverything(bytes.data(), bytes.size()) != 0;
  }
  std::printf("%d damaged records, %d still accepted by some loader\n", rounds, accepted);
  return 0;
}
#endif
