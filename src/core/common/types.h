#pragma once
// Numbers shared by every kind: puzzle kinds, difficulties, clock states.
#include <cstdint>
#include <string>

namespace zorvek {

// Program-wide kind number; also the index of the selector panels.
enum Kind : int {
  kKindClosing = -1,
  kKindSudoku = 0,
  kKindKakuro = 1,
  kKindFutoshiki = 2,
  kKindHexKakuro = 3,
};

enum Difficulty : int {
  kEasy = 0,
  kMedium = 1,
  kHard = 2,
};

// Timer state byte of every settings block.
enum TimerState : std::uint8_t {
  kTimerPaused = 0,
  kTimerStopped = 1,
  kTimerRunning = 2,
};

// "Easy", "Medium", "Hard"; anything else gives "".
const char* DifficultyWord(int difficulty);
// "Sudoku", "Kakuro", "Futoshiki", "HexKakuro"; anything else gives "".
const char* KindName(int kind);
// The letter after "QVZ" in a .puz magic: 'S', 'K', 'F', 'H'; 0 otherwise.
char KindLetter(int kind);

// Clock text: hours only when non-zero, minutes and seconds two digits
// (65 -> "01:05", 3725 -> "1:02:05"). Negative values show as zero.
std::string FormatElapsed(std::int64_t seconds);

}  // namespace zorvek
