#include "core/sudoku/record.h"

#include <cstring>

#include "core/common/types.h"

namespace zorvek::sudoku {

bool HasPuzzle(const SudPuzzle& puzzle) { return puzzle.cells[0][0].solution >= 0; }

bool BlocksAreValid(const SudSettings& settings, const SudPuzzle& puzzle) {
  if (settings.difficulty > kHard || settings.timerState > kTimerRunning ||
      settings.elapsed < 0)
    return false;
  for (const auto& row : puzzle.cells) {
    for (const SudCell& c : row) {
      if (c.given > 1 || c.solution < 1 || c.solution > 9 || c.entry > 9 || c.check > 2 ||
          c.textLength > 9)
        return false;
      for (std::uint8_t m : c.marks)
        if (m > 1) return false;
      for (int i = 0; i < c.textLength; ++i)
        if (c.text[i] < '1' || c.text[i] > '9') return false;
    }
  }
  return true;
}

SudLoadResult ParseSudokuRecord(const std::uint8_t* bytes, std::size_t size) {
  SudLoadResult result;
  SudRecord record{};
  result.ok = ParsePuzRecord(kKindSudoku, bytes, size, record, result.message,
                             [](const SudRecord& r) { return BlocksAreValid(r.settings, r.puzzle); });
  if (result.ok) {
    result.settings = record.settings;
    result.puzzle = record.puzzle;
  }
  return result;
}

SudLoadResult LoadSudokuFile(const std::string& path) {
  const auto bytes = ReadFilePrefix(path, kSudRecordSize);
  return ParseSudokuRecord(bytes.data(), bytes.size());
}

SudRecord MakeSudokuRecord(const SudSettings& settings, const SudPuzzle& puzzle) {
  SudRecord record{};
  record.header = MakePuzHeader(kKindSudoku);
  record.settings = settings;
  record.puzzle = puzzle;
  return record;
}

bool SaveSudokuFile(const std::string& path, const SudSettings& settings,
                    const SudPuzzle& puzzle) {
  const SudRecord record = MakeSudokuRecord(settings, puzzle);
  return WriteFileAtomic(path, &record, sizeof record);
}

std::string DefaultSudokuFileName(const SudSettings& settings, int saveCounter) {
  return DefaultPuzFileName(kKindSudoku, settings.difficulty, "", saveCounter);
}

}  // namespace zorvek::sudoku
