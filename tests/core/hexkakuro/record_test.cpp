#include "core/hexkakuro/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <tuple>
#include <vector>

#include "core/common/types.h"
#include "core/hexkakuro/generator.h"

namespace zorvek::hexkakuro {
namespace {

const std::string kPrefix = "Error reading HexKakuro puzzle file.\n\r\n\r";
const std::string kUnrecognized = kPrefix + "Unrecognized file format.";

struct Puzzle {
  HexHeader settings{};
  HexGrid grid{};
};

Puzzle Generated(int level, int rows, int cols) {
  Puzzle p;
  Random random(314 + level + rows);
  CreateProgress progress;
  EXPECT_TRUE(CreateHexKakuroPuzzle(random, progress, level, rows, cols, p.settings, p.grid).success);
  return p;
}

std::vector<std::uint8_t> Bytes(const Puzzle& p) {
  const HexRecord record = MakePuzRecord<HexKakuroBlocks>(p.settings, p.grid);
  std::vector<std::uint8_t> bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

std::string Message(const std::vector<std::uint8_t>& b) {
  const HexLoadResult r = ParsePuzFile<HexKakuroBlocks>(b.data(), b.size());
  return r.ok ? "ok" : r.message;
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
  const std::string path = (dir / DefaultFileName<HexKakuroBlocks>(p.settings, 4)).string() + ".puz";
  EXPECT_EQ(std::filesystem::path(path).filename(), "HexKakuroMedium11x13_5.puz");
  ASSERT_TRUE(SavePuzFile<HexKakuroBlocks>(path, p.settings, p.grid));
  EXPECT_EQ(std::filesystem::file_size(path), 8092u);
  const HexLoadResult loaded = LoadPuzFile<HexKakuroBlocks>(path);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(std::memcmp(&loaded.settings, &p.settings, sizeof p.settings), 0);
  EXPECT_EQ(std::memcmp(&loaded.puzzle, &p.grid, sizeof p.grid), 0);
  const auto bytes = ReadFilePrefix(path, 9000);
  EXPECT_EQ(std::memcmp(bytes.data(), "\x04QVZH", 5), 0);
  EXPECT_EQ(bytes[28 + 2 * 576 + 2 * 36 + 23], '1');  // cell (2,2), its typed text
  std::filesystem::remove_all(dir);

  HexHeader easy{0, {}, 9, 9, 0, 0, {}};
  EXPECT_EQ(DefaultFileName<HexKakuroBlocks>(easy, 0), "HexKakuroEasy9x9_1");
  HexGrid none{};
  MarkNoPuzzle(none);
  EXPECT_FALSE(HasPuzzle(none));
}

TEST(HexRecord, RejectionMessages) {
  const auto good = Bytes(Generated(0, 9, 9));
  ASSERT_EQ(Message(good), "ok");
  for (auto [letter, name] : {std::pair{'S', "Sudoku"}, {'K', "Kakuro"}, {'F', "Futoshiki"}}) {
    auto b = good;
    b[4] = static_cast<std::uint8_t>(letter);
    EXPECT_EQ(Message(b), kPrefix + "The file you have accessed is a " + name + " puzzle.");
  }
  auto b = good;
  b[4] = 'X';
  EXPECT_EQ(Message(b), kUnrecognized);
  b = good;
  b[8] = 3;  // difficulty
  EXPECT_EQ(Message(b), kUnrecognized);
  EXPECT_EQ(Message({good.begin(), good.end() - 1}), kUnrecognized);
  // Every other kind's file is shorter than ours; its magic still names it.
  for (auto [letter, length, name] : {std::tuple{'S', 2612, "Sudoku"}, {'K', 6088, "Kakuro"},
                                      {'F', 2616, "Futoshiki"}}) {
    std::vector<std::uint8_t> other(good.begin(), good.begin() + length);
    other[4] = static_cast<std::uint8_t>(letter);
    EXPECT_EQ(Message(other), kPrefix + "The file you have accessed is a " + name + " puzzle.");
  }
  EXPECT_EQ(Message({}), kUnrecognized);
  EXPECT_EQ(LoadPuzFile<HexKakuroBlocks>("/nonexistent/none.puz").message, kUnrecognized);
  for (auto [rows, cols] : {std::pair{11, 11}, {9, 13}, {13, 15}, {-1, 9}}) {
    b = good;
    std::memcpy(&b[12], &rows, 4);
    std::memcpy(&b[16], &cols, 4);
    EXPECT_EQ(Message(b), kUnrecognized) << rows << "x" << cols;
  }
}

// Each damaged field alone turns a good record into "Unrecognized file format.".
TEST(HexRecord, HostileFieldsAreRejected) {
  const Puzzle good = Generated(2, 9, 9);
  ASSERT_EQ(good.grid.cells[1][3].kind, kHexClue);
  ASSERT_EQ(good.grid.cells[1][4].kind, kHexWhite);
  using Edit = std::function<void(HexHeader&, HexGridCell (&)[14][16])>;
  const std::vector<std::pair<const char*, Edit>> damage = {
      {"timer state 3", [](HexHeader& h, auto&) { h.timerState = 3; }},
      {"negative clock", [](HexHeader& h, auto&) { h.elapsed = -1; }},
      {"kind 4", [](HexHeader&, auto& g) { g[5][5].kind = 4; }},
      {"clue off the lattice", [](HexHeader&, auto& g) { g[1][4].kind = kHexClue; }},
      {"white on a clue position", [](HexHeader&, auto& g) { g[1][3].kind = kHexWhite; }},
      {"removed at row 1, column 5", [](HexHeader&, auto& g) { g[1][5].kind = kHexRemoved; }},
      {"white in the bottom row", [](HexHeader&, auto& g) { g[9][2] = g[1][4]; }},
      {"white beyond the columns", [](HexHeader&, auto& g) { g[2][10] = g[1][4]; }},
      {"clue in the frame", [](HexHeader&, auto& g) { g[0][3] = g[1][3]; }},
      {"solution 0", [](HexHeader&, auto& g) { g[1][4].number = 0; }},
      {"solution 10", [](HexHeader&, auto& g) { g[1][4].number = 10; }},
      {"sum 40", [](HexHeader&, auto& g) { g[1][3].number = 40; }},
      {"negative sum", [](HexHeader&, auto& g) { g[1][3].number = -2; }},
      {"count 7", [](HexHeader&, auto& g) { g[1][3].count = 7; }},
      {"entry 10", [](HexHeader&, auto& g) { g[1][4].entry = 10; }},
      {"pencil mark 2", [](HexHeader&, auto& g) { g[1][4].marks[4] = 2; }},
      {"text length 10", [](HexHeader&, auto& g) { g[1][4].textLength = 10; }},
      {"text with a letter", [](HexHeader&, auto& g) { g[1][4].textLength = 1, g[1][4].text[0] = 'a'; }},
      {"text with a zero", [](HexHeader&, auto& g) { g[1][4].textLength = 1, g[1][4].text[0] = '0'; }},
      {"check mark 3", [](HexHeader&, auto& g) { g[1][4].check = 3; }},
  };
  for (const auto& [what, edit] : damage) {
    Puzzle p = good;
    edit(p.settings, p.grid.cells);
    EXPECT_EQ(Message(Bytes(p)), kUnrecognized) << what;
  }
  // Player fields at their limits load, and so does a removed cell on a white position.
  Puzzle p = good;
  HexGridCell& x = p.grid.cells[1][4];
  x.entry = 9;
  x.marks[8] = 1;
  x.textLength = 9;
  std::memcpy(x.text, "123456789", 9);
  x.check = 1;
  x.kind = kHexRemoved;
  EXPECT_EQ(Message(Bytes(p)), "ok");

  // Random damage never crashes, and what loads is safe to index.
  const auto bytes = Bytes(good);
  Random random(99);
  for (int round = 0; round < 3000; ++round) {
    auto b = bytes;
    for (int i = 0; i <= random(4); ++i)
      b[static_cast<std::size_t>(random(static_cast<int>(b.size())))] = static_cast<std::uint8_t>(random(256));
    const HexLoadResult r = ParsePuzFile<HexKakuroBlocks>(b.data(), b.size());
    if (!r.ok) continue;
    EXPECT_TRUE(IsHexSize(r.settings.rows, r.settings.cols));
    for (const auto& row : r.puzzle.cells)
      for (const HexGridCell& c : row) EXPECT_TRUE(c.kind <= 3 && c.textLength <= 9 && c.entry <= 9);
  }
}

}  // namespace
}  // namespace zorvek::hexkakuro
