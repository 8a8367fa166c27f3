#include "core/common/types.h"

#include <cstdio>
#include <iterator>

namespace zorvek {

const char* DifficultyWord(int difficulty) {
  switch (difficulty) {
    case kEasy: return "Easy";
    case kMedium: return "Medium";
    case kHard: return "Hard";
    default: return "";
  }
}

namespace {

// The puzzle kinds' own names and .puz letters, in kind-number order; the
// lowest layer holds them because the .puz records name their kind.
constexpr const char* kKindNames[] = {"Sudoku", "Kakuro", "Futoshiki", "HexKakuro"};
constexpr char kKindLetters[] = {'S', 'K', 'F', 'H'};

bool IsKind(int kind) { return kind >= 0 && kind < static_cast<int>(std::size(kKindNames)); }

}  // namespace

const char* KindName(int kind) { return IsKind(kind) ? kKindNames[kind] : ""; }

char KindLetter(int kind) { return IsKind(kind) ? kKindLetters[kind] : 0; }

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
