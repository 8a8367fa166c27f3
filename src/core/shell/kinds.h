#pragma once
// One entry per puzzle kind: what the state file, the save and load commands
// and start-up need to know about it, so that no caller wires the four kinds
// by hand.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/common/random.h"
#include "core/play/play.h"
#include "core/shell/create_job.h"
#include "core/shell/state.h"

namespace zorvek {

// A puzzle's difficulty and grid, as the print dialog names them.
struct PuzzleShape {
  int difficulty = 0;
  int rows = 9, cols = 9;
};

struct KindDescriptor {
  int number;            // kKindSudoku .. kKindHexKakuro
  const char* name;      // "Sudoku"; also the stem of its file names
  char letter;           // the kind letter after "QVZ" in its .puz record
  std::size_t recordSize;
  std::int32_t GeneralSettings::*saveCounter;
  std::uint8_t GeneralSettings::*inputMode;
  // Where its blocks end in the state record: a read that stops short of it
  // leaves the kind without a whole puzzle.
  std::size_t stateEnd;
  // Its blocks in the state: is there a puzzle, do its bytes pass the loader's checks.
  bool (*hasPuzzle)(const AppState&);
  bool (*blocksValid)(const AppState&);
  // The puzzle of a first start (fixed difficulty and size).
  void (*createStartup)(Random&, AppState&);
  // A new puzzle of the difficulty and size its settings block names; the
  // start-up puzzle when those are out of range or creation gives up.
  void (*createFromSettings)(Random&, AppState&);
  // The job that makes a puzzle of a difficulty (0..2) and a size choice (the
  // index of the create dialog's size button; 0 for a kind with one size).
  std::unique_ptr<CreateJob> (*createJob)(const AppState&, int difficulty, int sizeChoice);
  // Copies a valid .puz file of this kind into the state and returns "";
  // otherwise returns the window's message and leaves the state untouched.
  std::string (*load)(AppState&, const std::string& path);
  bool (*save)(const AppState&, const std::string& path);
  // The save dialog's proposal from the current puzzle and the save counter.
  std::string (*defaultFileName)(const AppState&);
  PuzzleShape (*shape)(const AppState&);
  // The play rules' view of its blocks in the state (for hints outside a window).
  std::unique_ptr<PlayAdapter> (*playAdapter)(AppState&);
};

inline constexpr int kPlayKinds = 4;

// The descriptor of a play kind (0..3).
const KindDescriptor& KindOf(int kind);

}  // namespace zorvek
