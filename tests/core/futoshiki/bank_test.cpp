#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "brute.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"

namespace zorvek::futoshiki {
namespace {

FutHeader Header(int n, int difficulty) {
  FutHeader h{};
  h.size = n;
  h.difficulty = static_cast<std::uint8_t>(difficulty);
  return h;
}

TEST(FutoshikiBank, DecodesRunsDigitsAndSignLetters) {
  const FutHeader h = Header(5, kHard);
  FutBoard b{};
  ClearBoard(h, b);
  // 3 with ">" to its right; 16 empty; an empty cell whose sign below is
  // "<"; 4 empty; a 1; 2 empty: 25 cells.
  ASSERT_TRUE(DecodeBankEntry(h, "3cA0bN1Q", b));
  EXPECT_TRUE(b.at(0, 0).given);
  EXPECT_EQ(b.at(0, 0).value, 3);
  EXPECT_EQ(b.at(0, 0).signRight, 1);
  EXPECT_EQ(b.at(0, 0).signDown, 0);
  EXPECT_FALSE(b.at(3, 2).given);
  EXPECT_EQ(b.at(3, 2).signRight, 0);
  EXPECT_EQ(b.at(3, 2).signDown, 2);
  EXPECT_TRUE(b.at(4, 2).given);
  EXPECT_EQ(b.at(4, 2).value, 1);
  int givens = 0, signs = 0;
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      givens += b.at(r, c).given, signs += (b.at(r, c).signRight != 0) + (b.at(r, c).signDown != 0);
  EXPECT_EQ(givens, 2);
  EXPECT_EQ(signs, 2);

  // Each letter pairs its two signs as listed.
  const std::uint8_t pairs[8][2] = {{0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}};
  for (int i = 0; i < 8; ++i) {
    const std::string entry = std::string("0") + static_cast<char>('a' + i) + "AJ";
    ASSERT_TRUE(DecodeBankEntry(h, entry.c_str(), b)) << entry;
    EXPECT_EQ(b.at(0, 0).signRight, pairs[i][0]) << entry;
    EXPECT_EQ(b.at(0, 0).signDown, pairs[i][1]) << entry;
  }
}

TEST(FutoshikiBank, RejectsEntriesThatDoNotMakeABoard) {
  const FutHeader h = Header(5, kHard);
  FutBoard b{};
  ClearBoard(h, b);
  EXPECT_FALSE(DecodeBankEntry(h, "", b));
  EXPECT_FALSE(DecodeBankEntry(h, "3cA0b", b)) << "18 cells: four more empty ones do not fill 25";
  EXPECT_FALSE(DecodeBankEntry(h, "6A0000000P", b)) << "digit above N";
  EXPECT_FALSE(DecodeBankEntry(h, "00000cA0000", b)) << "sign off the right edge";
  EXPECT_FALSE(DecodeBankEntry(h, "A00000a0000", b)) << "sign off the bottom edge";
  EXPECT_FALSE(DecodeBankEntry(h, "IAJ", b)) << "I is no run letter";
  EXPECT_TRUE(DecodeBankEntry(h, "AJ0Q", b)) << "text past the last cell is ignored";
  // The last four cells may be left off: they are empty.
  b.at(4, 4).given = true;
  b.at(4, 4).signRight = 1;
  ASSERT_TRUE(DecodeBankEntry(h, "3cA0bN1", b)) << "23 cells";
  EXPECT_TRUE(b.at(4, 2).given);
  EXPECT_EQ(b.at(4, 2).value, 1);
  for (int c = 3; c < 5; ++c) {
    EXPECT_FALSE(b.at(4, c).given) << "column " << c;
    EXPECT_EQ(b.at(4, c).value, 0) << "column " << c;
    EXPECT_EQ(b.at(4, c).signRight, 0) << "column " << c;
  }
  char runs[40];
  std::memset(runs, 'A', sizeof runs - 1);
  runs[sizeof runs - 1] = 0;
  char out[256];
  EXPECT_FALSE(ExpandBankEntry(runs, out, sizeof out)) << "624 zeros do not fit";
  EXPECT_FALSE(DecodeBankEntry(h, runs, b));
}

TEST(FutoshikiBank, EncodingRoundTrips) {
  for (int size : {5, 7, 9}) {
    const FutHeader h = Header(size, kHard);
    Random random(size);
    CreateProgress progress;
    FutGrid grid{};
    ASSERT_TRUE(CreateFutoshikiForPrint(random, progress, kHard, size, grid, nullptr));
    char entry[256];
    const int length = EncodeBankEntry(h, grid, entry, sizeof entry);
    ASSERT_GT(length, 0);
    EXPECT_EQ(static_cast<int>(std::strlen(entry)), length);
    EXPECT_EQ(std::string(entry).find("00"), std::string::npos) << "runs are compressed";
    FutBoard b{};
    ClearBoard(h, b);
    ASSERT_TRUE(DecodeBankEntry(h, entry, b)) << entry;
    for (int r = 0; r < size; ++r)
      for (int c = 0; c < size; ++c) {
        const FutGridCell& g = grid.cells[r][c];
        EXPECT_EQ(b.at(r, c).given, g.given != 0);
        EXPECT_EQ(b.at(r, c).value, g.given ? g.solution : 0);
        EXPECT_EQ(b.at(r, c).signRight, g.signRight);
        EXPECT_EQ(b.at(r, c).signDown, g.signDown);
      }
    char small[10];
    EXPECT_EQ(EncodeBankEntry(h, grid, small, sizeof small), -1);
  }
}

// Every shipped entry: short enough, distinct, and solved by the solver of
// its level; a sample also has its single solution confirmed independently.
TEST(FutoshikiBank, ShippedBanksHoldSolvableUniquePuzzles) {
  for (int id = kBankMedium9; id <= kBankHard7; ++id) {
    const BankInfo& bank = Bank(id);
    SCOPED_TRACE(bank.name);
    ASSERT_EQ(bank.count, kBankSize);
    const FutHeader h = Header(bank.size, bank.difficulty);
    std::set<std::string> seen;
    for (int i = 0; i < bank.count; ++i) {
      const char* entry = bank.entries[i];
      ASSERT_LE(static_cast<int>(std::strlen(entry)), bank.maxLength) << "entry " << i + 1;
      EXPECT_TRUE(seen.insert(entry).second) << "entry " << i + 1 << " repeats";
      FutBoard b{};
      ClearBoard(h, b);
      ASSERT_TRUE(DecodeBankEntry(h, entry, b)) << "entry " << i + 1;
      FutGrid grid{};
      ASSERT_TRUE(SolveAndExport(h, b, grid)) << "entry " << i + 1;
      if (i % 25 == 0) {
        ASSERT_EQ(testing::CountFutoshikiSolutions(testing::ProblemFromGrid(h, grid)), 1)
            << "entry " << i + 1;
      }
    }
  }
}

TEST(FutoshikiBank, DrawWalksPastUsedEntriesAndStartsOverWhenAllAreUsed) {
  std::uint8_t m9[kBankSize], h9[kBankSize], h7[kBankSize];
  std::memset(m9, 1, sizeof m9);
  std::memset(h9, 0, sizeof h9);
  std::memset(h7, 0, sizeof h7);
  m9[536] = 0;  // only entry 537 is left
  int saves = 0;
  CreateProgress progress;
  progress.saveState = [&] { ++saves; };
  const FutHeader medium = Header(9, kMedium);
  Random random(3);
  FutBoard b{};
  ASSERT_TRUE(LoadStoredPuzzle(medium, b, random, BankUsedFlags{m9, h9, h7}, &progress));
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(m9[536], 1);
  FutBoard expected{};
  ClearBoard(medium, expected);
  ASSERT_TRUE(DecodeBankEntry(medium, Bank(kBankMedium9).entries[536], expected));
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      EXPECT_EQ(b.at(r, c).value, expected.at(r, c).value);
      EXPECT_EQ(b.at(r, c).signRight, expected.at(r, c).signRight);
      EXPECT_EQ(b.at(r, c).signDown, expected.at(r, c).signDown);
    }
  for (std::uint8_t f : h9) ASSERT_EQ(f, 0);
  for (std::uint8_t f : h7) ASSERT_EQ(f, 0);

  // The walk starts at a drawn entry: with nothing used, that one is taken.
  {
    std::uint8_t fresh[kBankSize] = {};
    Random draw(11), twin(11);
    ASSERT_TRUE(
        LoadStoredPuzzle(medium, b, draw, BankUsedFlags{fresh, h9, h7}, &progress));
    EXPECT_EQ(fresh[twin(kBankSize)], 1);
    EXPECT_EQ(draw.Next32(), twin.Next32()) << "one draw per stored puzzle";
  }

  // Now every Medium entry is used: the flags start over, one draw marks one.
  ASSERT_TRUE(LoadStoredPuzzle(medium, b, random, BankUsedFlags{m9, h9, h7}, &progress));
  int used = 0;
  for (std::uint8_t f : m9) used += f;
  EXPECT_EQ(used, 1);

  // Hard draws go by size; two draws never repeat while entries are left.
  const FutHeader hard7 = Header(7, kHard);
  ASSERT_TRUE(LoadStoredPuzzle(hard7, b, random, BankUsedFlags{m9, h9, h7}, &progress));
  ASSERT_TRUE(LoadStoredPuzzle(hard7, b, random, BankUsedFlags{m9, h9, h7}, &progress));
  used = 0;
  for (std::uint8_t f : h7) used += f;
  EXPECT_EQ(used, 2);
  const FutHeader hard9 = Header(9, kHard);
  ASSERT_TRUE(LoadStoredPuzzle(hard9, b, random, BankUsedFlags{m9, h9, h7}, &progress));
  FutGrid grid{};
  EXPECT_TRUE(SolveAndExport(hard9, b, grid));
  used = 0;
  for (std::uint8_t f : h9) used += f;
  EXPECT_EQ(used, 1);
  EXPECT_EQ(saves, 6);
}

}  // namespace
}  // namespace zorvek::futoshiki
