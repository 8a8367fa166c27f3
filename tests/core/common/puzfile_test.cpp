// The .puz record rules every kind shares: round trip, the messages for other
// kinds' and broken files, default names, and the atomic write.
#include "core/common/puzfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek {
namespace {

const char* const kNames[] = {"Sudoku", "Kakuro", "Futoshiki", "HexKakuro"};
const std::size_t kSizes[] = {2612, 6088, 2616, 8092};

// The first-start puzzle of each kind, and the name its second save gets.
void Startup(Random& r, sudoku::SudSettings& s, sudoku::SudPuzzle& p) { sudoku::CreateStartupSudoku(r, s, p); }
void Startup(Random& r, kakuro::KakHeader& s, kakuro::KakGrid& p) { kakuro::CreateStartupKakuro(r, s, p); }
void Startup(Random& r, futoshiki::FutHeader& s, futoshiki::FutGrid& p) { futoshiki::CreateStartupFutoshiki(r, s, p); }
void Startup(Random& r, hexkakuro::HexHeader& s, hexkakuro::HexGrid& p) {
  // Tried first on a copy, so a broken engine fails the tests instead of looping for ever.
  Random probe = r;
  hexkakuro::HexBoard board;
  for (int attempts = 0; !hexkakuro::GenerateAttempt(probe, kEasy, 9, 9, board, p);)
    if (++attempts == 200) return;
  hexkakuro::CreateStartupHexKakuro(r, s, p);
}
const char* const kSecondNames[] = {"SudokuMedium_2", "KakuroMedium10x12_2", "FutoshikiMedium7_2", "HexKakuroEasy9x9_2"};

template <typename Blocks>
class PuzRecordTest : public ::testing::Test {
 protected:
  PuzRecordTest() {
    Random random(5);
    Startup(random, record.settings, record.puzzle);
    record.settings.elapsed = 3725;
    record = MakePuzRecord<Blocks>(record.settings, record.puzzle);
    const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
    bytes.assign(p, p + sizeof record);
  }
  std::string Message(const std::vector<std::uint8_t>& b) const {
    const auto r = ParsePuzFile<Blocks>(b.data(), b.size());
    return r.ok ? "ok" : r.message;
  }
  std::string Error(const std::string& what) const {
    return std::string("Error reading ") + kNames[Blocks::kKind] + " puzzle file.\n\r\n\r" + what;
  }
  PuzRecord<Blocks> record{};
  std::vector<std::uint8_t> bytes;
};

using AllKinds = ::testing::Types<sudoku::SudokuBlocks, kakuro::KakuroBlocks, futoshiki::FutoshikiBlocks,
                                  hexkakuro::HexKakuroBlocks>;
TYPED_TEST_SUITE(PuzRecordTest, AllKinds);

TYPED_TEST(PuzRecordTest, SavedFileLoadsBackByteForByte) {
  const std::string name = DefaultFileName<TypeParam>(this->record.settings, 1);
  EXPECT_EQ(name, kSecondNames[TypeParam::kKind]);
  const auto path = std::filesystem::temp_directory_path() / ("zorvek_puzfile_" + name + ".puz");
  ASSERT_TRUE(SavePuzFile<TypeParam>(path.string(), this->record.settings, this->record.puzzle));
  EXPECT_EQ(ReadFilePrefix(path.string(), 100000), this->bytes);
  EXPECT_EQ(this->bytes.size(), kSizes[TypeParam::kKind]);
  EXPECT_EQ(std::string(this->bytes.begin(), this->bytes.begin() + 5),
            std::string("\x04QVZ") + kNames[TypeParam::kKind][0]);
  const auto loaded = LoadPuzFile<TypeParam>(path.string());
  std::filesystem::remove(path);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(std::memcmp(&loaded.settings, &this->record.settings, sizeof loaded.settings), 0);
  EXPECT_EQ(std::memcmp(&loaded.puzzle, &this->record.puzzle, sizeof loaded.puzzle), 0);
}

TYPED_TEST(PuzRecordTest, OtherKindsAndBrokenFilesGetTheWindowsMessage) {
  const std::string unrecognized = this->Error("Unrecognized file format.");
  // Another kind's magic names that kind, at our length and at its own.
  for (int other = 0; other < 4; ++other) {
    if (other == TypeParam::kKind) continue;
    auto b = this->bytes;
    b[4] = static_cast<std::uint8_t>(kNames[other][0]);
    const std::string named = this->Error(std::string("The file you have accessed is a ") + kNames[other] + " puzzle.");
    EXPECT_EQ(this->Message(b), named);
    b.resize(kSizes[other], 0);
    EXPECT_EQ(this->Message(b), named);
  }
  auto b = this->bytes;
  b[4] = 'X';
  EXPECT_EQ(this->Message(b), unrecognized);
  b = this->bytes;
  b[0] = 3;
  EXPECT_EQ(this->Message(b), unrecognized);
  for (auto spoil : {+[](typename TypeParam::Settings& s) { s.difficulty = 3; },
                     +[](typename TypeParam::Settings& s) { s.elapsed = -1; }}) {
    auto spoiled = this->record;
    spoil(spoiled.settings);
    const auto* p = reinterpret_cast<const std::uint8_t*>(&spoiled);
    EXPECT_EQ(this->Message({p, p + sizeof spoiled}), unrecognized);
  }
  EXPECT_EQ(this->Message({this->bytes.begin(), this->bytes.end() - 1}), unrecognized);
  EXPECT_EQ(this->Message({}), unrecognized);
  EXPECT_EQ(LoadPuzFile<TypeParam>("/nonexistent/zorvek.puz").message, unrecognized);
  // A longer file is read up to the end of its record.
  b = this->bytes;
  b.resize(b.size() + 500, 0xAB);
  EXPECT_EQ(this->Message(b), "ok");
}

TEST(PuzFile, NamesCarryStemLevelSizeAndNextCounter) {
  EXPECT_EQ(DefaultPuzFileName(kKindSudoku, kHard, "", 0), "SudokuHard_1");
  EXPECT_EQ(DefaultFileName<kakuro::KakuroBlocks>(kakuro::MakeKakHeader(kHard, 11, 13), 2), "KakuroHard12x14_3");
  EXPECT_EQ(DefaultPuzFileName(kKindFutoshiki, kEasy, "5", 9), "FutoshikiEasy5_10");
}

TEST(PuzFile, AtomicWriteReplacesWholeFileOrNothing) {
  const auto dir = std::filesystem::temp_directory_path() / "zorvek_puzfile_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "a.bin").string();
  ASSERT_TRUE(WriteFileAtomic(path, "first", 5));
  ASSERT_TRUE(WriteFileAtomic(path, "xy", 2));
  // A write that cannot happen leaves the old file and no temporary behind.
  EXPECT_FALSE(WriteFileAtomic((dir / "missing" / "b.bin").string(), "zz", 2));
  const auto bytes = ReadFilePrefix(path, 100);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "xy");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
  EXPECT_TRUE(ReadFilePrefix((dir / "nope").string(), 10).empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zorvek
