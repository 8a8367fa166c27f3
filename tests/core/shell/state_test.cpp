#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/common/types.h"
#include "core/shell/state.h"
#include "support/capped.h"

using namespace zorvek;

namespace {

class StateFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("zorvek_state_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    path = (dir / kStateFileName).string();
    context.random = &random;
    context.screen = {1024, 768};
    ASSERT_TRUE(zorvek::testing::StartupWithinCap(random));
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::vector<std::uint8_t> FileBytes() const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void WriteBytes(const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  // A saved state whose Sudoku puzzle is marked so a reset is visible.
  std::vector<std::uint8_t> SavedMarkedState() {
    auto state = std::make_unique<AppState>();
    LoadState(*state, path, context);
    state->general.sudokuSaveCounter = 41;
    state->sudokuSettings.elapsed = 999;
    EXPECT_TRUE(SaveState(*state, path));
    return FileBytes();
  }

  std::filesystem::path dir;
  std::string path;
  Random random{12345};
  StateContext context;
};

}  // namespace

// A first start: every kind has a valid puzzle, Sudoku opens in Type mode and
// the others in Mouse mode, and the window fits a small screen.
TEST_F(StateFile, FirstStartOnASmallScreen) {
  context.screen = {640, 480};
  auto state = std::make_unique<AppState>();
  EXPECT_FALSE(LoadState(*state, path, context));
  EXPECT_TRUE(StateIsValid(*state));
  EXPECT_EQ(state->general.sudokuInputMode + state->general.kakuroInputMode + state->general.futoshikiInputMode +
                state->general.hexKakuroInputMode,
            state->general.sudokuInputMode);
  EXPECT_EQ(state->general.sudokuInputMode, 1);
  EXPECT_EQ(state->general.mainWidth, 640);
  EXPECT_EQ(state->general.mainHeight, 480);
  EXPECT_EQ(state->general.mainTop, 0);
  EXPECT_EQ(state->general.mainLeft, 0);
}

TEST_F(StateFile, SaveAndLoadRoundTripByteForByte) {
  const auto saved = SavedMarkedState();
  ASSERT_EQ(saved.size(), 27592u);
  auto state = std::make_unique<AppState>();
  ASSERT_TRUE(LoadState(*state, path, context));
  EXPECT_EQ(state->general.sudokuSaveCounter, 41);
  EXPECT_EQ(state->sudokuSettings.elapsed, 999);
  ASSERT_TRUE(SaveState(*state, path));
  EXPECT_EQ(FileBytes(), saved);
  // A place that cannot be written leaves the old file.
  EXPECT_FALSE(SaveState(*state, (dir / "no" / "such" / kStateFileName).string()));
  EXPECT_EQ(FileBytes(), saved);
}

TEST_F(StateFile, DamageCostsOnlyWhatIsDamaged) {
  const auto saved = SavedMarkedState();
  struct Damage {
    const char* what;
    std::size_t offset;
    std::uint8_t value;
    int kind;  // the kind that starts over, -1 for everything
  };
  const Damage cases[] = {
      {"magic length", 0, 5, -1},
      {"magic letter", 4, '2', -1},
      {"Kakuro rows 12", 8220, 12, kKindKakuro},
      {"Kakuro columns 6", 8224, 6, kKindKakuro},
      {"Futoshiki size 10", 16900, 10, kKindFutoshiki},
      {"HexKakuro rows 7", 19512, 7, kKindHexKakuro},
      {"HexKakuro columns 16", 19516, 16, kKindHexKakuro},
      {"Sudoku entry 10", 14308 + 8, 10, kKindSudoku},
      {"Sudoku timer state 3", 14296 + 8, 3, kKindSudoku},
  };
  auto original = std::make_unique<AppState>();
  std::memcpy(original.get(), saved.data(), saved.size());
  for (const Damage& d : cases) {
    auto bytes = saved;
    bytes[d.offset] = d.value;
    WriteBytes(bytes);
    auto state = std::make_unique<AppState>();
    EXPECT_EQ(LoadState(*state, path, context), d.kind >= 0) << d.what;
    EXPECT_TRUE(StateIsValid(*state)) << d.what;
    EXPECT_EQ(state->general.sudokuSaveCounter, d.kind >= 0 ? 41 : 0) << d.what;
    EXPECT_EQ(state->sudokuSettings.elapsed, d.kind < 0 || d.kind == kKindSudoku ? 0 : 999) << d.what;
    if (d.kind < 0) continue;
    // Every other kind keeps its puzzle exactly.
    auto same = [&](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    EXPECT_EQ(same(state->kakuroPuzzle, original->kakuroPuzzle), d.kind != kKindKakuro) << d.what;
    EXPECT_EQ(same(state->futoshikiPuzzle, original->futoshikiPuzzle), d.kind != kKindFutoshiki) << d.what;
    EXPECT_EQ(same(state->hexKakuroPuzzle, original->hexKakuroPuzzle), d.kind != kKindHexKakuro) << d.what;
    EXPECT_TRUE(d.kind == kKindSudoku || same(state->sudokuPuzzle, original->sudokuPuzzle)) << d.what;
  }
}

TEST_F(StateFile, AShortFileKeepsEveryBlockReadWhole) {
  const auto saved = SavedMarkedState();
  struct Blocks {
    const char* kind;
    std::size_t begin, end;
  };
  const Blocks kinds[] = {
      {"Kakuro", 8216, 14296}, {"Sudoku", 14296, 16900}, {"Futoshiki", 16900, 19508}, {"HexKakuro", 19508, 27592}};
  // One byte short, inside the Futoshiki puzzle, inside the Sudoku settings,
  // one byte into the Kakuro settings.
  for (std::size_t length : {27591u, 19400u, 14300u, 8217u}) {
    WriteBytes({saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(length)});
    auto state = std::make_unique<AppState>();
    EXPECT_TRUE(LoadState(*state, path, context)) << length;
    EXPECT_TRUE(StateIsValid(*state)) << length;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(state.get());
    EXPECT_TRUE(std::equal(bytes, bytes + 8216, saved.begin())) << "general settings, " << length;
    for (const Blocks& k : kinds)
      EXPECT_EQ(std::equal(bytes + k.begin, bytes + k.end, saved.begin() + static_cast<std::ptrdiff_t>(k.begin)),
                k.end <= length)
          << k.kind << ", " << length;
  }
  // Cut inside the general settings, the file is as good as missing.
  WriteBytes({saved.begin(), saved.begin() + 8215});
  auto state = std::make_unique<AppState>();
  EXPECT_FALSE(LoadState(*state, path, context));
  EXPECT_EQ(state->general.sudokuSaveCounter, 0);
  EXPECT_EQ(state->sudokuSettings.elapsed, 0);
}

TEST_F(StateFile, AMissingPuzzleIsMadeAsItsSettingsSay) {
  auto state = std::make_unique<AppState>();
  LoadState(*state, path, context);
  state->sudokuSettings.difficulty = kEasy;
  state->sudokuPuzzle.cells[0][0].solution = -1;
  state->futoshikiSettings.size = 5;
  state->futoshikiSettings.difficulty = kEasy;
  state->futoshikiPuzzle.cells[0][0].solution = -1;
  state->hexKakuroSettings.rows = 11;
  state->hexKakuroSettings.cols = 13;
  state->hexKakuroSettings.difficulty = kMedium;
  hexkakuro::MarkNoPuzzle(state->hexKakuroPuzzle);
  ASSERT_TRUE(SaveState(*state, path));
  ASSERT_TRUE(LoadState(*state, path, context));
  EXPECT_TRUE(StateIsValid(*state));
  EXPECT_EQ(state->sudokuSettings.difficulty, kEasy);
  EXPECT_TRUE(sudoku::HasPuzzle(state->sudokuPuzzle));
  EXPECT_EQ(state->futoshikiSettings.size, 5);
  EXPECT_EQ(state->futoshikiSettings.difficulty, kEasy);
  EXPECT_TRUE(futoshiki::HasPuzzle(state->futoshikiPuzzle));
  EXPECT_EQ(state->hexKakuroSettings.rows, 11);
  EXPECT_EQ(state->hexKakuroSettings.difficulty, kMedium);
  EXPECT_TRUE(hexkakuro::HasPuzzle(state->hexKakuroPuzzle));
  // Settings that name no puzzle the game can make fall back to the first-start one.
  state->futoshikiSettings.size = 6;
  state->futoshikiPuzzle.cells[0][0].solution = -1;
  ASSERT_TRUE(SaveState(*state, path));
  ASSERT_TRUE(LoadState(*state, path, context));
  EXPECT_EQ(state->futoshikiSettings.size, 7);
  EXPECT_TRUE(StateIsValid(*state));
}

TEST_F(StateFile, ResetKeepsBatchDifficultiesAndClearsUsedFlags) {
  auto state = std::make_unique<AppState>();
  LoadState(*state, path, context);
  state->general.sudokuBatchDifficulty = 2;
  state->general.kakuroBatchPages = 3;
  state->general.sudokuTemplateUsed[17] = 1;
  state->general.futHard7Used[999] = 1;
  ResetState(*state, context);
  EXPECT_EQ(state->general.sudokuBatchDifficulty, 2);
  EXPECT_EQ(state->general.kakuroBatchPages, 0);
  EXPECT_EQ(state->general.sudokuTemplateUsed[17], 0);
  EXPECT_EQ(state->general.futHard7Used[999], 0);
}
