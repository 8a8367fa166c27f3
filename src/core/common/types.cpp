#include "core/common/types.h"

#include <cstdio>

namespace zorvek {

const char* DifficultyWord(int difficulty) {
  switch (difficulty) {
    case kEasy: return "Easy";
    case kMedium: return "Medium";
    case kHard: return "Hard";
    default: return "";
  }
}

const char* KindName(int kind) {
  switch (kind) {
    case kKindSudoku: return "Sudoku";
    case kKindKakuro: return "Kakuro";
    case kKindFutoshiki: return "Futoshiki";
    case kKindHexKakuro: return "HexKakuro";
    default: return "";
  }
}

char KindLetter(int kind) {
  switch (kind) {
    case kKindSudoku: return 'S';
    case kKindKakuro: return 'K';
    case kKindFutoshiki: return 'F';
    case kKindHexKakuro: return 'H';
    default: return 0;
  }
}

std::string FormatElapsed(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const long long h = seconds / 3600;
  const int m = static_cast<int>(seconds / 60 % 60);
  const int s = static_cast<int>(seconds % 60);
  char text[32];
  if (h > 0)
    std::snprintf(text, sizeof text, "%lld:%02d:%02d", h, m, s);
  else
    std::snprintf(text, sizeof text, "%02d:%02d", m, s);
  return text;
}

}  // namespace zorvek
