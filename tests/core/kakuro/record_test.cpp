#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/common/puzfile.h"
#include "core/common/types.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/record.h"

namespace zorvek::kakuro {
namespace {

const std::string kPrefix = "Error reading Kakuro puzzle file.\n\r\n\r";
const std::string kUnrecognized = kPrefix + "Unrecognized file format.";

// A generated puzzle with some play on it: entries, marks, typed text.
KakRecord PlayedRecord() {
  Random random(11);
  KakHeader h;
  KakGrid g;
  CreateStartupKakuro(random, h, g);
  h.elapsed = 1234;
  h.playState = 0;
  for (int r = 1; r <= h.rows; ++r)
    for (int c = 1; c <= h.cols; ++c) {
      KakCell& cell = g.cells[r][c];
      if (cell.colour != kWhite) continue;
      if ((r + c) % 3 == 0) cell.entry = static_cast<std::int8_t>(cell.sum);
      if ((r + c) % 3 == 1) cell.pencil[(r * c) % 10] = 1;
      if ((r + c) % 5 == 2) {
        cell.textLength = 3;
        std::memcpy(cell.text, "123", 3);
      }
      cell.mark = static_cast<std::uint8_t>((r + c) % 2 ? 3 : 4);
    }
  g.cells[1][0].mark = 1;
  return MakePuzRecord<KakuroBlocks>(h, g);
}

std::vector<std::uint8_t> Bytes(const KakRecord& record) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
  return {p, p + sizeof record};
}

std::string MessageFor(const std::vector<std::uint8_t>& bytes) {
  const KakLoadResult result = ParsePuzFile<KakuroBlocks>(bytes.data(), bytes.size());
  return result.ok ? "" : result.message;
}

TEST(KakuroRecord, SavedAndLoadedPuzzleIsIdenticalByteForByte) {
  const KakRecord record = PlayedRecord();
  const std::string path =
      (std::filesystem::temp_directory_path() / "zorvek_kakuro_roundtrip.puz").string();
  ASSERT_TRUE(SavePuzFile<KakuroBlocks>(path, record.settings, record.grid));
  EXPECT_EQ(std::filesystem::file_size(path), 6088u);
  const auto onDisk = ReadFilePrefix(path, 10000);
  EXPECT_EQ(onDisk, Bytes(record));
  const KakLoadResult loaded = LoadPuzFile<KakuroBlocks>(path);
  std::remove(path.c_str());
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(std::memcmp(&loaded.settings, &record.settings, sizeof loaded.settings), 0);
  EXPECT_EQ(std::memcmp(&loaded.puzzle, &record.grid, sizeof loaded.puzzle), 0);
  EXPECT_EQ(std::memcmp(onDisk.data(), "\x04QVZK", 5), 0);
}

TEST(KakuroRecord, OtherKindsAndBadFilesGetTheirMessages) {
  const auto valid = Bytes(PlayedRecord());
  // The other kinds' records, at their own (shorter or longer) sizes.
  for (auto [letter, size, name] : {std::tuple{'S', 2612, "Sudoku"}, {'F', 2616, "Futoshiki"},
                                    {'H', 8092, "HexKakuro"}}) {
    std::vector<std::uint8_t> other(size, 0);
    std::memcpy(other.data(), "\x04QVZ", 4);
    other[4] = static_cast<std::uint8_t>(letter);
    EXPECT_EQ(MessageFor(other),
              kPrefix + "The file you have accessed is a " + name + " puzzle.");
  }
  EXPECT_EQ(MessageFor({}), kUnrecognized);
  EXPECT_EQ(MessageFor({valid.begin(), valid.end() - 1}), kUnrecognized);
  EXPECT_EQ(LoadPuzFile<KakuroBlocks>("/nonexistent/dir/none.puz").message, kUnrecognized);
  auto wrongMagic = valid;
  wrongMagic[4] = 'X';
  EXPECT_EQ(MessageFor(wrongMagic), kUnrecognized);
  // Out-of-range header fields of a Kakuro record.
  const auto withHeader = [&](const std::function<void(KakHeader&)>& change) {
    KakRecord record = PlayedRecord();
    change(record.settings);
    return MessageFor(Bytes(record));
  };
  EXPECT_EQ(withHeader([](KakHeader& h) { h.difficulty = 3; }), kUnrecognized);
  EXPECT_EQ(withHeader([](KakHeader& h) { h.rows = 12; }), kUnrecognized);
  EXPECT_EQ(withHeader([](KakHeader& h) { h.cols = 6; }), kUnrecognized);
  EXPECT_EQ(withHeader([](KakHeader& h) { h.rows = -7; }), kUnrecognized);
  EXPECT_EQ(withHeader([](KakHeader& h) { h.playState = 3; }), kUnrecognized);
  EXPECT_EQ(withHeader([](KakHeader& h) { h.elapsed = -1; }), kUnrecognized);
  EXPECT_EQ(withHeader([](KakHeader& h) { h.highestDigit = 10; }), kUnrecognized);
}

// Cells that would break play or drawing are refused as a whole file.
TEST(KakuroRecord, HostileCellsAreRefused) {
  const KakRecord base = PlayedRecord();
  ASSERT_TRUE(ParsePuzFile<KakuroBlocks>(Bytes(base).data(), sizeof base).ok);
  int wr = -1, wc = -1;  // a white cell
  for (int r = 1; r <= base.settings.rows && wr < 0; ++r)
    for (int c = 1; c <= base.settings.cols && wr < 0; ++c)
      if (base.grid.cells[r][c].colour == kWhite) wr = r, wc = c;
  ASSERT_GE(wr, 0);
  const int hr = wr, hc = wc - 1;  // its across clue
  ASSERT_EQ(base.grid.cells[hr][hc].colour, kBlack);
  const std::vector<std::function<void(KakGrid&)>> changes = {
      [&](KakGrid& g) { g.cells[wr][wc].colour = 0; },
      [&](KakGrid& g) { g.cells[wr][wc].colour = 3; },
      [&](KakGrid& g) { g.cells[0][3].colour = kWhite; },
      [&](KakGrid& g) { g.cells[wr][wc].sum = 0; },
      [&](KakGrid& g) { g.cells[wr][wc].sum = 10; },
      [&](KakGrid& g) { g.cells[wr][wc].entry = -2; },
      [&](KakGrid& g) { g.cells[wr][wc].entry = 10; },
      [&](KakGrid& g) { g.cells[wr][wc].pencil[4] = 2; },
      [&](KakGrid& g) { g.cells[wr][wc].textLength = 10; },
      [&](KakGrid& g) { g.cells[wr][wc].textLength = 2, g.cells[wr][wc].text[1] = 'x'; },
      [&](KakGrid& g) { g.cells[wr][wc].mark = 5; },
      [&](KakGrid& g) { g.cells[hr][hc].sum = 46; },
      [&](KakGrid& g) { g.cells[hr][hc].sum = -1; },
      [&](KakGrid& g) { g.cells[hr][hc].acrossLength += 1; },
      [&](KakGrid& g) { g.cells[hr][hc].acrossLength = 200; },
      [&](KakGrid& g) { g.cells[0][0].downSum = 7; },  // a sum with no run below it
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    KakRecord record = base;
    changes[i](record.grid);
    EXPECT_EQ(MessageFor(Bytes(record)), kUnrecognized) << "change " << i;
  }
  // A run longer than nine cells, even when its clue states the length.
  KakRecord record = base;
  KakGrid& g = record.grid;
  for (int c = 1; c <= 10; ++c) g.cells[1][c].colour = kWhite, g.cells[1][c].sum = 1;
  g.cells[1][0].acrossLength = 10;
  EXPECT_EQ(MessageFor(Bytes(record)), kUnrecognized);
}

// Random damage either loads a record that passes the checks or is refused
// with the message; never anything else.
TEST(KakuroRecord, DamagedRecordsNeverSlipThrough) {
  const auto valid = Bytes(PlayedRecord());
  Random random(5);
  for (int trial = 0; trial < 2000; ++trial) {
    auto bytes = valid;
    for (int flips = 1 + random(4); flips > 0; --flips)
      bytes[random(static_cast<int>(bytes.size()))] = static_cast<std::uint8_t>(random(256));
    const KakLoadResult result = ParsePuzFile<KakuroBlocks>(bytes.data(), bytes.size());
    if (result.ok) {
      EXPECT_TRUE(BlocksAreValid(result.settings, result.puzzle));
    } else {
      EXPECT_EQ(result.message.rfind(kPrefix, 0), 0u);
    }
  }
}

TEST(KakuroRecord, DefaultFileNameCountsTheClueRowAndColumn) {
  EXPECT_EQ(DefaultFileName<KakuroBlocks>(MakeKakHeader(kHard, 11, 13), 2), "KakuroHard12x14_3");
  EXPECT_EQ(DefaultFileName<KakuroBlocks>(MakeKakHeader(kEasy, 7, 7), 0), "KakuroEasy8x8_1");
  EXPECT_EQ(DefaultFileName<KakuroBlocks>(MakeKakHeader(kMedium, 9, 11), 9), "KakuroMedium10x12_10");
}

}  // namespace
}  // namespace zorvek::kakuro
