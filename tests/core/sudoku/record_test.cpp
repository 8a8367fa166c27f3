#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/common/types.h"
#include "core/sudoku/generator.h"
#include "core/sudoku/record.h"

using namespace zorvek;
using namespace zorvek::sudoku;

namespace {

const char kUnrecognized[] = "Error reading Sudoku puzzle file.\n\r\n\rUnrecognized file format.";

SudRecord SampleRecord() {
  SudSettings settings{};
  settings.difficulty = kHard;
  settings.elapsed = 754;
  settings.timerState = kTimerPaused;
  SudPuzzle puzzle{};
  Random random(17);
  CreateStartupSudoku(random, settings, puzzle);
  settings.difficulty = kHard;
  settings.elapsed = 754;
  settings.timerState = kTimerPaused;
  // Some play: marks, typed text, a check mark.
  puzzle.cells[0][1].marks[4] = 1;
  puzzle.cells[2][2].textLength = 2;
  std::memcpy(puzzle.cells[2][2].text, "37", 2);
  puzzle.cells[4][4].check = 2;
  return MakePuzRecord<SudokuBlocks>(settings, puzzle);
}

std::vector<std::uint8_t> Bytes(const SudRecord& r) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&r);
  return {p, p + sizeof r};
}

std::string MessageFor(const std::vector<std::uint8_t>& bytes) {
  const SudLoadResult r = ParsePuzFile<SudokuBlocks>(bytes.data(), bytes.size());
  return r.ok ? "ok" : r.message;
}

}  // namespace

TEST(SudokuRecord, RoundTripsByteForByte) {
  const SudRecord record = SampleRecord();
  const auto dir = std::filesystem::temp_directory_path() / "zorvek_sud_record";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "SudokuHard_1.puz").string();
  ASSERT_TRUE(SavePuzFile<SudokuBlocks>(path, record.settings, record.puzzle));
  EXPECT_EQ(std::filesystem::file_size(path), 2612u);
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> onDisk((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(onDisk, Bytes(record));
  const SudLoadResult loaded = LoadPuzFile<SudokuBlocks>(path);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(0, std::memcmp(&loaded.puzzle, &record.puzzle, sizeof record.puzzle));
  EXPECT_EQ(loaded.settings.elapsed, 754);
  EXPECT_EQ(loaded.puzzle.cells[2][2].textLength, 2);
  std::filesystem::remove_all(dir);
}

TEST(SudokuRecord, ForeignAndBrokenFilesGetTheWindowsMessage) {
  auto bytes = Bytes(SampleRecord());
  bytes[4] = 'K';
  EXPECT_EQ(MessageFor(bytes),
            "Error reading Sudoku puzzle file.\n\r\n\rThe file you have accessed is a Kakuro puzzle.");
  bytes[4] = 'F';
  EXPECT_EQ(MessageFor(bytes),
            "Error reading Sudoku puzzle file.\n\r\n\rThe file you have accessed is a Futoshiki puzzle.");
  bytes[4] = 'H';
  EXPECT_EQ(MessageFor(bytes),
            "Error reading Sudoku puzzle file.\n\r\n\rThe file you have accessed is a HexKakuro puzzle.");
  bytes[4] = 'Z';
  EXPECT_EQ(MessageFor(bytes), kUnrecognized);

  auto good = Bytes(SampleRecord());
  EXPECT_EQ(MessageFor(good), "ok");
  auto shortFile = good;
  shortFile.resize(2611);
  EXPECT_EQ(MessageFor(shortFile), kUnrecognized);
  // A cut-off file of another kind still names its kind.
  auto cutKakuro = shortFile;
  cutKakuro.resize(100);
  cutKakuro[4] = 'K';
  EXPECT_EQ(MessageFor(cutKakuro),
            "Error reading Sudoku puzzle file.\n\r\n\rThe file you have accessed is a Kakuro puzzle.");
  EXPECT_EQ(MessageFor({}), kUnrecognized);
  auto difficulty3 = good;
  difficulty3[8] = 3;
  EXPECT_EQ(MessageFor(difficulty3), kUnrecognized);
  // A longer file is read up to its first record.
  auto longer = good;
  longer.resize(5000, 0xAB);
  EXPECT_EQ(MessageFor(longer), "ok");
  EXPECT_EQ(LoadPuzFile<SudokuBlocks>("/nonexistent/zorvek.puz").message, kUnrecognized);
}

TEST(SudokuRecord, FieldsThatWouldBreakPlayAreRejected) {
  const auto good = Bytes(SampleRecord());
  const std::size_t cell = 20 + (9 * 3 + 5) * 32;  // cell (3, 5)
  struct Corruption {
    std::size_t offset;
    std::uint8_t value;
  };
  const Corruption cases[] = {
      {cell + 0, 2},           // given flag
      {cell + 4, 0},           // solution 0
      {cell + 4, 10},          // solution 10
      {cell + 7, 0x80},        // negative solution
      {cell + 8, 10},          // entry
      {cell + 9 + 4, 2},       // pencil mark
      {cell + 18, 10},         // typed length
      {cell + 28, 3},          // check mark
      {16, 3},                 // timer state
      {15, 0x80},              // negative elapsed time
  };
  for (const Corruption& c : cases) {
    auto bytes = good;
    bytes[c.offset] = c.value;
    EXPECT_EQ(MessageFor(bytes), kUnrecognized) << "offset " << c.offset;
  }
  auto badText = good;
  badText[cell + 18] = 1;
  badText[cell + 19] = '0';
  EXPECT_EQ(MessageFor(badText), kUnrecognized);
  badText[cell + 19] = '9';
  EXPECT_EQ(MessageFor(badText), "ok");
}

TEST(SudokuRecord, DefaultNameFollowsDifficultyAndCounter) {
  SudSettings s{};
  s.difficulty = kHard;
  EXPECT_EQ(DefaultFileName<SudokuBlocks>(s, 0), "SudokuHard_1");
  EXPECT_EQ(DefaultFileName<SudokuBlocks>(s, 1), "SudokuHard_2");
  s.difficulty = kMedium;
  EXPECT_EQ(DefaultFileName<SudokuBlocks>(s, 3), "SudokuMedium_4");
}

TEST(SudokuRecord, RandomDamageNeverYieldsAnUnsafeBlock) {
  const auto good = Bytes(SampleRecord());
  zorvek::Random random(2024);
  for (int round = 0; round < 3000; ++round) {
    auto bytes = good;
    const int flips = 1 + random(6);
    for (int k = 0; k < flips; ++k)
      bytes[static_cast<std::size_t>(random(static_cast<int>(bytes.size())))] =
          static_cast<std::uint8_t>(random(256));
    if (random(10) == 0) bytes.resize(static_cast<std::size_t>(random(2612)));
    const SudLoadResult r = ParsePuzFile<SudokuBlocks>(bytes.data(), bytes.size());
    if (r.ok) {
      EXPECT_TRUE(BlocksAreValid(r.settings, r.puzzle));
    } else {
      EXPECT_EQ(r.message.rfind("Error reading Sudoku puzzle file.\n\r\n\r", 0), 0u);
    }
  }
}
