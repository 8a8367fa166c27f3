// The .puz record rules: round trip, the messages for other kinds' and broken
// files, each kind's fields that would break play, default names, and the
// atomic write.
#include "core/common/puzfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"
#include "support/capped.h"
#include "support/kakuro_fixture.h"

namespace zorvek {
namespace {

const char* const kNames[] = {"Sudoku", "Kakuro", "Futoshiki", "HexKakuro"};
const std::size_t kSizes[] = {2612, 6088, 2616, 8092};

// The first-start puzzle of each kind, and the name its second save gets.
// Each is tried first within a cap, so a broken engine fails the tests
// instead of looping for ever.
void Startup(Random& r, sudoku::SudSettings& s, sudoku::SudPuzzle& p) {
  if (testing::SudokuWithinCap(r, kMedium)) sudoku::CreateStartupSudoku(r, s, p);
}
void Startup(Random& r, kakuro::KakHeader& s, kakuro::KakGrid& p) {
  if (testing::KakuroWithinCap(r, kMedium, 9, 11)) kakuro::CreateStartupKakuro(r, s, p);
}
void Startup(Random& r, futoshiki::FutHeader& s, futoshiki::FutGrid& p) {
  if (testing::FutoshikiWithinCap(r, kMedium, 7, testing::kAttemptCap)) futoshiki::CreateStartupFutoshiki(r, s, p);
}
void Startup(Random& r, hexkakuro::HexHeader& s, hexkakuro::HexGrid& p) {
  if (testing::HexKakuroWithinCap(r, kEasy, 9, 9)) hexkakuro::CreateStartupHexKakuro(r, s, p);
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

// Edits that would break play, drawing or printing, each of which must make
// the whole file refused, and one setting the play fields at their limits,
// which loads.
template <typename Blocks>
using Edit = std::function<void(typename Blocks::Settings&, typename Blocks::Puzzle&)>;
template <typename Blocks>
using Edits = std::pair<std::vector<Edit<Blocks>>, Edit<Blocks>>;

Edits<sudoku::SudokuBlocks> HostileEdits(const sudoku::SudPuzzle& puzzle) {
  int i = 0;  // the first open cell
  while (puzzle.cells[i / 9][i % 9].given) ++i;
  auto cell = [i](sudoku::SudPuzzle& p) -> sudoku::SudCell& { return p.cells[i / 9][i % 9]; };
  return {{[](auto& s, auto&) { s.timerState = 3; },
           [=](auto&, auto& p) { cell(p).given = 2; },
           [=](auto&, auto& p) { cell(p).solution = 0; },
           [=](auto&, auto& p) { cell(p).solution = 10; },
           [=](auto&, auto& p) { cell(p).solution = -9; },
           [=](auto&, auto& p) { cell(p).entry = 10; },
           [=](auto&, auto& p) { cell(p).marks[4] = 2; },
           [=](auto&, auto& p) { cell(p).textLength = 10; },
           [=](auto&, auto& p) { cell(p).textLength = 1, cell(p).text[0] = '0'; },
           [=](auto&, auto& p) { cell(p).check = 3; }},
          [=](auto& s, auto& p) {
            s.timerState = kTimerStopped;
            cell(p).entry = 9;
            cell(p).marks[8] = 1;
            cell(p).textLength = 9;
            std::memcpy(cell(p).text, "123456789", 9);
            cell(p).check = 2;
          }};
}

// The first white cell and the clue before it.
Edits<kakuro::KakuroBlocks> HostileEdits(const kakuro::KakGrid& grid) {
  int wr = 1, wc = 1;
  while (grid.cells[wr][wc].colour != kakuro::kWhite) wc + 1 < kakuro::kGridCols ? ++wc : (++wr, wc = 1);
  auto white = [=](kakuro::KakGrid& g) -> kakuro::KakCell& { return g.cells[wr][wc]; };
  auto clue = [=](kakuro::KakGrid& g) -> kakuro::KakCell& { return g.cells[wr][wc - 1]; };
  return {{[](auto& h, auto&) { h.rows = 12; },
           [](auto& h, auto&) { h.cols = 6; },
           [](auto& h, auto&) { h.rows = -7; },
           [](auto& h, auto&) { h.playState = 3; },
           [](auto& h, auto&) { h.highestDigit = 10; },
           [=](auto&, auto& g) { white(g).colour = 0; },
           [=](auto&, auto& g) { white(g).colour = 3; },
           [](auto&, auto& g) { g.cells[0][3].colour = kakuro::kWhite; },
           [=](auto&, auto& g) { white(g).sum = 0; },
           [=](auto&, auto& g) { white(g).sum = 10; },
           [=](auto&, auto& g) { white(g).entry = -2; },
           [=](auto&, auto& g) { white(g).entry = 10; },
           [=](auto&, auto& g) { white(g).pencil[4] = 2; },
           [=](auto&, auto& g) { white(g).textLength = 10; },
           [=](auto&, auto& g) { white(g).textLength = 2, white(g).text[1] = 'x'; },
           [=](auto&, auto& g) { white(g).mark = 5; },
           [=](auto&, auto& g) { clue(g).sum = 46; },
           [=](auto&, auto& g) { clue(g).sum = -1; },
           [=](auto&, auto& g) { clue(g).acrossLength += 1; },
           [=](auto&, auto& g) { clue(g).acrossLength = 200; },
           [](auto&, auto& g) { g.cells[0][0].downSum = 7; },  // no run below it
           [](auto&, auto& g) {  // ten cells, even with the length stated
             for (int c = 1; c <= 10; ++c) g.cells[1][c].colour = kakuro::kWhite, g.cells[1][c].sum = 1;
             g.cells[1][0].acrossLength = 10;
           }},
          [=](auto&, auto& g) {
            white(g).entry = 9;
            white(g).pencil[9] = 1;
            white(g).textLength = 9;
            std::memcpy(white(g).text, "123456789", 9);
            white(g).mark = 4;
          }};
}

// A 7 x 7 board; cells outside it are carried, not read.
Edits<futoshiki::FutoshikiBlocks> HostileEdits(const futoshiki::FutGrid&) {
  return {{[](auto& h, auto&) { h.size = 4; },
           [](auto& h, auto&) { h.size = 10; },
           [](auto& h, auto&) { h.size = -7; },
           [](auto& h, auto&) { h.playState = 3; },
           [](auto&, auto& g) { g.cells[3][3].given = 2; },
           [](auto&, auto& g) { g.cells[6][6].solution = 0; },
           [](auto&, auto& g) { g.cells[0][4].solution = 8; },
           [](auto&, auto& g) { g.cells[2][2].signRight = 3; },
           [](auto&, auto& g) { g.cells[4][6].signRight = 1; },  // off the right edge
           [](auto&, auto& g) { g.cells[6][1].signDown = 2; },   // off the bottom edge
           [](auto&, auto& g) { g.cells[5][5].entry = 8; },
           [](auto&, auto& g) { g.cells[1][1].marks[8] = 2; },
           [](auto&, auto& g) { g.cells[0][0].textLength = 10; },
           [](auto&, auto& g) { g.cells[1][2].textLength = 1, g.cells[1][2].text[0] = ':'; },
           [](auto&, auto& g) { g.cells[6][0].check = 3; }},
          [](auto&, auto& g) {
            futoshiki::FutGridCell& x = g.cells[1][2];
            x.given = 0;
            x.entry = 7;
            x.marks[6] = 1;
            x.textLength = 2;
            x.text[0] = '1', x.text[1] = '7';
            x.check = 2;
            g.cells[8][8].solution = 77;
            g.cells[8][8].textLength = 200;
          }};
}

// (1, 3) is a clue and (1, 4) a white cell in the first-start puzzle here.
Edits<hexkakuro::HexKakuroBlocks> HostileEdits(const hexkakuro::HexGrid&) {
  using hexkakuro::kHexClue, hexkakuro::kHexWhite, hexkakuro::kHexRemoved;
  return {{[](auto& h, auto&) { h.timerState = 3; },
           [](auto& h, auto&) { h.rows = 11, h.cols = 11; },
           [](auto& h, auto&) { h.rows = 9, h.cols = 13; },
           [](auto& h, auto&) { h.rows = 13, h.cols = 15; },
           [](auto& h, auto&) { h.rows = -1; },
           [](auto&, auto& g) { g.cells[5][5].kind = 4; },
           [](auto&, auto& g) { g.cells[1][4].kind = kHexClue; },   // clue off the lattice
           [](auto&, auto& g) { g.cells[1][3].kind = kHexWhite; },  // white on a clue position
           [](auto&, auto& g) { g.cells[1][5].kind = kHexRemoved; },
           [](auto&, auto& g) { g.cells[9][2] = g.cells[1][4]; },   // white in the bottom row
           [](auto&, auto& g) { g.cells[2][10] = g.cells[1][4]; },  // white beyond the columns
           [](auto&, auto& g) { g.cells[0][3] = g.cells[1][3]; },   // clue in the frame
           [](auto&, auto& g) { g.cells[1][4].number = 0; },
           [](auto&, auto& g) { g.cells[1][4].number = 10; },
           [](auto&, auto& g) { g.cells[1][3].number = 40; },
           [](auto&, auto& g) { g.cells[1][3].number = -2; },
           [](auto&, auto& g) { g.cells[1][3].count = 7; },
           [](auto&, auto& g) { g.cells[1][4].entry = 10; },
           [](auto&, auto& g) { g.cells[1][4].marks[4] = 2; },
           [](auto&, auto& g) { g.cells[1][4].textLength = 10; },
           [](auto&, auto& g) { g.cells[1][4].textLength = 1, g.cells[1][4].text[0] = 'a'; },
           [](auto&, auto& g) { g.cells[1][4].textLength = 1, g.cells[1][4].text[0] = '0'; },
           [](auto&, auto& g) { g.cells[1][4].check = 3; }},
          [](auto&, auto& g) {  // and a removed cell on a white position
            hexkakuro::HexGridCell& x = g.cells[1][4];
            x.entry = 9;
            x.marks[8] = 1;
            x.textLength = 9;
            std::memcpy(x.text, "123456789", 9);
            x.check = 1;
            x.kind = kHexRemoved;
          }};
}

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
  EXPECT_EQ(this->Message({this->bytes.begin(), this->bytes.end() - 1}), unrecognized);
  EXPECT_EQ(this->Message({}), unrecognized);
  EXPECT_EQ(LoadPuzFile<TypeParam>("/nonexistent/zorvek.puz").message, unrecognized);
  // A longer file is read up to the end of its record.
  b = this->bytes;
  b.resize(b.size() + 500, 0xAB);
  EXPECT_EQ(this->Message(b), "ok");
}

TYPED_TEST(PuzRecordTest, FieldsThatWouldBreakPlayAreRejected) {
  auto [hostile, limits] = HostileEdits(this->record.puzzle);
  hostile.push_back([](auto& s, auto&) { s.difficulty = 3; });
  hostile.push_back([](auto& s, auto&) { s.elapsed = -1; });
  auto message = [&](const Edit<TypeParam>& edit) {
    auto spoiled = this->record;
    edit(spoiled.settings, spoiled.puzzle);
    const auto* p = reinterpret_cast<const std::uint8_t*>(&spoiled);
    return this->Message({p, p + sizeof spoiled});
  };
  for (std::size_t i = 0; i < hostile.size(); ++i)
    EXPECT_EQ(message(hostile[i]), this->Error("Unrecognized file format.")) << "case " << i;
  EXPECT_EQ(message(limits), "ok");
}

// A header naming more rows or columns than the grid holds is refused on its
// own: with a row of plain clue cells after the grid, reading on would pass.
TEST(KakuroRecord, OversizedHeadersAreRefusedWhateverFollowsTheGrid) {
  struct {
    kakuro::KakHeader header;
    kakuro::KakGrid grid;
    kakuro::KakCell after[kakuro::kGridCols];
  } p;
  testing::BuildSmallKakuro(p.header, p.grid);
  for (kakuro::KakCell& c : p.after) c = p.grid.cells[kakuro::kGridRows - 1][0];
  ASSERT_TRUE(kakuro::BlocksAreValid(p.header, p.grid));
  for (auto [rows, cols] : {std::pair{kakuro::kGridRows, 7}, {7, kakuro::kGridCols}}) {
    kakuro::KakHeader h = p.header;
    h.rows = rows;
    h.cols = cols;
    EXPECT_FALSE(kakuro::BlocksAreValid(h, p.grid)) << rows << " x " << cols;
  }
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
