#include "hexkakuro/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "common/types.h"
#include "hexkakuro/generator.h"

namespace zorvek::hexkakuro {
namespace {

const std::string kPrefix = std::string("Error reading HexKakuro puzzle file.\n\r\n\r");
const std::string kUnrecognized = kPrefix + "Unrecognized file format.";

struct Puzzle {
  HexHeader settings{};
  HexGrid grid{};
};

const Puzzle& Generated(int level, int rows, int cols) {
  static Puzzle cache[2][3];
  static bool made[2][3] = {};
  const int s = rows == 9 ? 0 : 1;
  if (!made[s][level]) {
    Random random(314 + level + s);
    CreateProgress progress;
    EXPECT_TRUE(CreateHexKakuroPuzzle(random, progress, level, rows, cols, cache[s][level].settings,
                                      cache[s][level].grid)
                    .success);
    made[s][level] = true;
  }
  return cache[s][level];
}

std::vector<std::uint8_t> Bytes(const HexHeader& settings, const HexGrid& grid) {
  const HexRecord record = MakeHexKakuroRecord(settings, grid);
  std::vector<std::uint8_t> bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

TEST(HexRecord, SaveAndLoadKeepEveryField) {
  Puzzle p = Generated(1, 11, 13);
  p.settings.elapsed = 3725;
  p.settings.timerState = kTimerPaused;
  HexGridCell& white = p.grid.cells[2][2];
  ASSERT_EQ(white.kind, kHexWhite);
  white.entry = 4;
  white.marks[0] = white.marks[8] = 1;
  white.textLength = 3;
  std::memcpy(white.text, "139", 3);
  white.check = 2;

  const auto dir = std::filesystem::temp_directory_path() / "zorvek_hexkakuro_record_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "round.puz").string();
  ASSERT_TRUE(SaveHexKakuroFile(path, p.settings, p.grid));
  EXPECT_EQ(std::filesystem::file_size(path), 8092u);
  const HexLoadResult loaded = LoadHexKakuroFile(path);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(std::memcmp(&loaded.settings, &p.settings, sizeof p.settings), 0);
  EXPECT_EQ(std::memcmp(&loaded.grid, &p.grid, sizeof p.grid), 0);

  // The bytes where the record keeps them.
  std::vector<std::uint8_t> bytes(8092);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
  std::fclose(f);
  EXPECT_EQ(std::memcmp(bytes.data(), "\x04QVZH", 5), 0);
  std::int32_t rows = 0, elapsed = 0;
  std::memcpy(&rows, &bytes[8 + 4], 4);
  std::memcpy(&elapsed, &bytes[8 + 12], 4);
  EXPECT_EQ(rows, 11);
  EXPECT_EQ(elapsed, 3725);
  const std::size_t cell = 28 + 2 * 576 + 2 * 36;
  EXPECT_EQ(bytes[cell], kHexWhite);
  EXPECT_EQ(bytes[cell + 12], 4);
  EXPECT_EQ(bytes[cell + 22], 3);
  EXPECT_EQ(bytes[cell + 23], '1');
  EXPECT_EQ(bytes[cell + 32], 2);
  std::filesystem::remove_all(dir);
}

TEST(HexRecord, RejectionMessages) {
  const Puzzle& p = Generated(0, 9, 9);
  std::vector<std::uint8_t> bytes = Bytes(p.settings, p.grid);
  ASSERT_TRUE(ParseHexKakuroRecord(bytes.data(), bytes.size()).ok);

  for (auto [letter, name] : {std::pair{'S', "Sudoku"}, {'K', "Kakuro"}, {'F', "Futoshiki"}}) {
    std::vector<std::uint8_t> other = bytes;
    other[4] = static_cast<std::uint8_t>(letter);
    const HexLoadResult r = ParseHexKakuroRecord(other.data(), other.size());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kPrefix + "The file you have accessed is a " + name + " puzzle.");
  }
  auto rejected = [&](std::vector<std::uint8_t> b) {
    const HexLoadResult r = ParseHexKakuroRecord(b.data(), b.size());
    return !r.ok && r.message == kUnrecognized;
  };
  std::vector<std::uint8_t> b = bytes;
  b[4] = 'X';
  EXPECT_TRUE(rejected(b));
  b = bytes;
  b[0] = 3;
  EXPECT_TRUE(rejected(b));
  // One byte short, nothing at all: unrecognized even with a good magic.
  EXPECT_TRUE(rejected(std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1)));
  EXPECT_TRUE(rejected({}));
  EXPECT_FALSE(ParseHexKakuroRecord(nullptr, 0).ok);
  EXPECT_EQ(LoadHexKakuroFile("/nonexistent/dir/none.puz").message, kUnrecognized);
  // Difficulty 3, and sizes other than 9 x 9 and 11 x 13 (11 x 11 among them).
  b = bytes;
  b[8] = 3;
  EXPECT_TRUE(rejected(b));
  for (auto [rows, cols] : {std::pair{11, 11}, {9, 13}, {13, 15}, {0, 0}, {-1, 9}}) {
    b = bytes;
    std::memcpy(&b[12], &rows, 4);
    std::memcpy(&b[16], &cols, 4);
    EXPECT_TRUE(rejected(b)) << rows << "x" << cols;
  }
}

// Each damaged field alone turns a good record into "Unrecognized file format.".
TEST(HexRecord, HostileFieldsAreRejected) {
  const Puzzle& p = Generated(2, 9, 9);
  // A clue and a white cell of this puzzle.
  ASSERT_EQ(p.grid.cells[1][3].kind, kHexClue);
  ASSERT_EQ(p.grid.cells[1][4].kind, kHexWhite);
  const std::vector<std::pair<const char*, std::function<void(Puzzle&)>>> damage = {
      {"timer state 3", [](Puzzle& q) { q.settings.timerState = 3; }},
      {"negative clock", [](Puzzle& q) { q.settings.elapsed = -1; }},
      {"kind 4", [](Puzzle& q) { q.grid.cells[5][5].kind = 4; }},
      {"clue off the lattice", [](Puzzle& q) { q.grid.cells[1][4].kind = kHexClue; }},
      {"white on a clue position", [](Puzzle& q) { q.grid.cells[1][3].kind = kHexWhite; }},
      {"removed cell in row 1 column 5", [](Puzzle& q) { q.grid.cells[1][5].kind = kHexRemoved; }},
      {"white in the bottom row", [](Puzzle& q) {
         q.grid.cells[9][2].kind = kHexWhite;
         q.grid.cells[9][2].number = 5;
       }},
      {"white beyond the columns", [](Puzzle& q) {
         q.grid.cells[2][10].kind = kHexWhite;
         q.grid.cells[2][10].number = 5;
       }},
      {"cell in the frame", [](Puzzle& q) { q.grid.cells[0][3].kind = kHexClue; }},
      {"solution 0", [](Puzzle& q) { q.grid.cells[1][4].number = 0; }},
      {"solution 10", [](Puzzle& q) { q.grid.cells[1][4].number = 10; }},
      {"sum 40", [](Puzzle& q) { q.grid.cells[1][3].number = 40; }},
      {"negative sum", [](Puzzle& q) { q.grid.cells[1][3].number = -2; }},
      {"count 7", [](Puzzle& q) { q.grid.cells[1][3].count = 7; }},
      {"entry 10", [](Puzzle& q) { q.grid.cells[1][4].entry = 10; }},
      {"pencil mark 2", [](Puzzle& q) { q.grid.cells[1][4].marks[4] = 2; }},
      {"text length 10", [](Puzzle& q) { q.grid.cells[1][4].textLength = 10; }},
      {"text with a letter", [](Puzzle& q) {
         q.grid.cells[1][4].textLength = 2;
         q.grid.cells[1][4].text[0] = '1';
         q.grid.cells[1][4].text[1] = 'a';
       }},
      {"text with a zero", [](Puzzle& q) {
         q.grid.cells[1][4].textLength = 1;
         q.grid.cells[1][4].text[0] = '0';
       }},
      {"check mark 3", [](Puzzle& q) { q.grid.cells[1][4].check = 3; }},
  };
  for (const auto& [what, apply] : damage) {
    Puzzle q = p;
    apply(q);
    const auto b = Bytes(q.settings, q.grid);
    const HexLoadResult r = ParseHexKakuroRecord(b.data(), b.size());
    EXPECT_FALSE(r.ok) << what;
    EXPECT_EQ(r.message, kUnrecognized) << what;
  }
  // Player fields within range, and the removed kind on a white position, load.
  Puzzle q = p;
  q.grid.cells[1][4].entry = 9;
  q.grid.cells[1][4].marks[8] = 1;
  q.grid.cells[1][4].textLength = 9;
  std::memcpy(q.grid.cells[1][4].text, "123456789", 9);
  q.grid.cells[1][4].check = 1;
  q.grid.cells[1][4].kind = kHexRemoved;
  const auto b = Bytes(q.settings, q.grid);
  EXPECT_TRUE(ParseHexKakuroRecord(b.data(), b.size()).ok);
}

// Random byte damage never crashes the loader, and what it accepts is safe to index.
TEST(HexRecord, RandomDamage) {
  const Puzzle& p = Generated(0, 11, 13);
  const auto good = Bytes(p.settings, p.grid);
  Random random(99);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> b = good;
    const int hits = 1 + random(4);
    for (int i = 0; i < hits; ++i)
      b[static_cast<std::size_t>(random(static_cast<int>(b.size())))] =
          static_cast<std::uint8_t>(random(256));
    const HexLoadResult r = ParseHexKakuroRecord(b.data(), b.size());
    if (!r.ok) continue;
    EXPECT_TRUE(IsHexSize(r.settings.rows, r.settings.cols));
    for (const auto& row : r.grid.cells)
      for (const HexGridCell& c : row) {
        EXPECT_LE(c.kind, 3);
        EXPECT_LE(c.textLength, 9);
        EXPECT_LE(c.entry, 9);
      }
  }
}

TEST(HexRecord, DefaultNameAndNoPuzzleMark) {
  HexHeader h{};
  h.difficulty = 0;
  h.rows = 9;
  h.cols = 9;
  EXPECT_EQ(DefaultHexKakuroFileName(h, 0), "HexKakuroEasy9x9_1");
  h.difficulty = 2;
  h.rows = 11;
  h.cols = 13;
  EXPECT_EQ(DefaultHexKakuroFileName(h, 2), "HexKakuroHard11x13_3");

  HexGrid grid{};
  EXPECT_TRUE(HasPuzzle(grid));
  MarkNoPuzzle(grid);
  EXPECT_FALSE(HasPuzzle(grid));
}

}  // namespace
}  // namespace zorvek::hexkakuro
