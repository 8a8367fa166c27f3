#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/futoshiki/record.h"

namespace zorvek::futoshiki {
namespace {

const std::string kPrefix = "Error reading Futoshiki puzzle file.\n\r\n\r";

struct Sample {
  FutHeader header{};
  FutGrid grid{};
};

Sample PlayedPuzzle() {
  Sample s;
  Random random(8);
  CreateStartupFutoshiki(random, s.header, s.grid);
  s.header.difficulty = kHard;
  s.header.elapsed = 754;
  s.header.playState = kTimerPaused;
  FutGridCell& c = s.grid.cells[1][2];
  c.entry = c.given ? c.entry : 3;
  c.marks[0] = c.marks[6] = 1;
  c.textLength = 2;
  c.text[0] = '1';
  c.text[1] = '7';
  c.check = 2;
  return s;
}

std::vector<std::uint8_t> Bytes(const Sample& s) {
  const FutRecord record = MakePuzRecord<FutoshikiBlocks>(s.header, s.grid);
  std::vector<std::uint8_t> bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

TEST(FutoshikiRecord, SavedFileLoadsBackUnchanged) {
  const Sample s = PlayedPuzzle();
  const auto path = (std::filesystem::temp_directory_path() / "zorvek_fut_roundtrip.puz").string();
  ASSERT_TRUE(SavePuzFile<FutoshikiBlocks>(path, s.header, s.grid));
  EXPECT_EQ(std::filesystem::file_size(path), 2616u);
  const FutLoadResult loaded = LoadPuzFile<FutoshikiBlocks>(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(std::memcmp(&loaded.settings, &s.header, sizeof s.header), 0);
  EXPECT_EQ(std::memcmp(&loaded.puzzle, &s.grid, sizeof s.grid), 0);

  const auto bytes = Bytes(s);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), 5), "\x04QVZF");

  EXPECT_EQ(DefaultFileName<FutoshikiBlocks>(s.header, 3), "FutoshikiHard7_4");
  FutHeader medium = s.header;
  medium.difficulty = kMedium;
  EXPECT_EQ(DefaultFileName<FutoshikiBlocks>(medium, 3), "FutoshikiMedium7_4");
}

TEST(FutoshikiRecord, RejectedFilesGetTheWindowsMessage) {
  const auto good = Bytes(PlayedPuzzle());
  auto message = [](std::vector<std::uint8_t> bytes) {
    const FutLoadResult r = ParsePuzFile<FutoshikiBlocks>(bytes.data(), bytes.size());
    EXPECT_FALSE(r.ok);
    return r.message;
  };
  const std::pair<char, const char*> others[] = {
      {'S', "Sudoku"}, {'K', "Kakuro"}, {'H', "HexKakuro"}};
  for (const auto& [letter, name] : others) {
    auto bytes = good;
    bytes[4] = static_cast<std::uint8_t>(letter);
    EXPECT_EQ(message(bytes), kPrefix + "The file you have accessed is a " + name + " puzzle.");
  }
  // A whole Sudoku record is shorter than ours; its magic still names it.
  auto sudoku = good;
  sudoku.resize(2612);
  sudoku[4] = 'S';
  EXPECT_EQ(message(sudoku), kPrefix + "The file you have accessed is a Sudoku puzzle.");
  const std::string unrecognized = kPrefix + "Unrecognized file format.";
  auto shortFile = good;
  shortFile.resize(2612);
  EXPECT_EQ(message(shortFile), unrecognized);
  EXPECT_EQ(message({}), unrecognized);
  auto foreign = good;
  foreign[3] = 'X';
  EXPECT_EQ(message(foreign), unrecognized);
  EXPECT_EQ(LoadPuzFile<FutoshikiBlocks>("/nonexistent/dir/none.puz").message, unrecognized);
}

// Bytes that would break play, drawing or printing: each gets the
// unrecognized-format message, however the rest of the record looks.
TEST(FutoshikiRecord, HostileFieldsAreRejected) {
  const Sample base = PlayedPuzzle();
  const std::vector<std::pair<const char*, std::function<void(Sample&)>>> cases = {
      {"difficulty 3", [](Sample& s) { s.header.difficulty = 3; }},
      {"size 4", [](Sample& s) { s.header.size = 4; }},
      {"size 10", [](Sample& s) { s.header.size = 10; }},
      {"size negative", [](Sample& s) { s.header.size = -7; }},
      {"play state 3", [](Sample& s) { s.header.playState = 3; }},
      {"negative elapsed", [](Sample& s) { s.header.elapsed = -1; }},
      {"given flag 2", [](Sample& s) { s.grid.cells[3][3].given = 2; }},
      {"solution 0", [](Sample& s) { s.grid.cells[6][6].solution = 0; }},
      {"solution above N", [](Sample& s) { s.grid.cells[0][4].solution = 8; }},
      {"sign 3", [](Sample& s) { s.grid.cells[2][2].signRight = 3; }},
      {"sign off the right edge", [](Sample& s) { s.grid.cells[4][6].signRight = 1; }},
      {"sign off the bottom edge", [](Sample& s) { s.grid.cells[6][1].signDown = 2; }},
      {"entry above N", [](Sample& s) { s.grid.cells[5][5].entry = 8; }},
      {"pencil mark 2", [](Sample& s) { s.grid.cells[1][1].marks[8] = 2; }},
      {"text length 10", [](Sample& s) { s.grid.cells[0][0].textLength = 10; }},
      {"text not a digit", [](Sample& s) { s.grid.cells[1][2].text[1] = ':'; }},
      {"check mark 3", [](Sample& s) { s.grid.cells[6][0].check = 3; }},
  };
  for (const auto& [name, spoil] : cases) {
    Sample s = base;
    spoil(s);
    EXPECT_FALSE(BlocksAreValid(s.header, s.grid)) << name;
    const auto bytes = Bytes(s);
    const FutLoadResult r = ParsePuzFile<FutoshikiBlocks>(bytes.data(), bytes.size());
    EXPECT_FALSE(r.ok) << name;
    EXPECT_EQ(r.message, kPrefix + "Unrecognized file format.") << name;
  }
  // Cells beyond the N x N board are carried, not read.
  Sample outside = base;
  outside.grid.cells[8][8].solution = 77;
  outside.grid.cells[8][8].textLength = 200;
  EXPECT_TRUE(BlocksAreValid(outside.header, outside.grid));
}

TEST(FutoshikiRecord, RandomBytesNeverCrashTheLoader) {
  Random random(77);
  auto bytes = Bytes(PlayedPuzzle());
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    auto spoiled = bytes;
    for (int k = random(6) + 1; k > 0; --k)
      spoiled[random(static_cast<int>(spoiled.size()))] = static_cast<std::uint8_t>(random(256));
    spoiled.resize(spoiled.size() - static_cast<std::size_t>(random(4) == 0 ? random(40) : 0));
    const FutLoadResult r = ParsePuzFile<FutoshikiBlocks>(spoiled.data(), spoiled.size());
    if (!r.ok) continue;
    ++accepted;
    ASSERT_TRUE(BlocksAreValid(r.settings, r.puzzle));
    const int n = r.settings.size;
    for (int row = 0; row < n; ++row)
      for (int col = 0; col < n; ++col) {
        const FutGridCell& c = r.puzzle.cells[row][col];
        ASSERT_TRUE(c.solution >= 1 && c.solution <= n && c.entry <= n);
      }
  }
  EXPECT_GT(accepted, 0) << "harmless changes (padding, unused cells) still load";
}

}  // namespace
}  // namespace zorvek::futoshiki
