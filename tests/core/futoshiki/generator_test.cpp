// The Futoshiki generator's stored banks: entry text, the shipped entries,
// and the draw. Generated puzzles are checked in hint_test.
#include "core/futoshiki/generator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/common/types.h"
#include "support/brute.h"
#include "support/capped.h"

namespace zorvek::futoshiki {
namespace {

FutHeader Header(int n, int difficulty) {
  FutHeader h{};
  h.size = n;
  h.difficulty = static_cast<std::uint8_t>(difficulty);
  return h;
}

// Givens as digits and signs as "<" ">" pairs, row by row, '.' for nothing.
std::string Picture(const FutBoard& b, int n) {
  std::string s;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      const FutCell& x = b.at(r, c);
      s += x.given ? static_cast<char>('0' + x.value) : '.';
      s += ".><"[x.signRight];
      s += ".><"[x.signDown];
    }
  return s;
}

TEST(FutoshikiBank, EntriesDecodeRunsDigitsAndSignLetters) {
  const FutHeader h = Header(5, kHard);
  FutBoard b{};
  b.at(4, 4).given = true;  // decoding replaces whatever the board held
  b.at(4, 4).signRight = 1;
  // 3 with ">" to its right; 16 empty; an empty cell with "<" below; 4 empty;
  // a 1; the last two cells may be left off.
  ASSERT_TRUE(DecodeBankEntry(h, "3cA0bN1", b));
  std::string expected(75, '.');
  expected.replace(0, 3, "3>.");
  expected[17 * 3 + 2] = '<';
  expected[22 * 3] = '1';
  EXPECT_EQ(Picture(b, 5), expected);
  // Each letter pairs its two signs as listed.
  const char* const pairs[8] = {".>", ".<", ">.", ">>", "><", "<.", "<>", "<<"};
  for (int i = 0; i < 8; ++i) {
    ASSERT_TRUE(DecodeBankEntry(h, (std::string("0") + static_cast<char>('a' + i) + "AJ").c_str(), b));
    EXPECT_EQ(Picture(b, 5).substr(1, 2), pairs[i]) << i;
  }
  EXPECT_TRUE(DecodeBankEntry(h, "AJ0Q", b)) << "text past the last cell is ignored";
  for (const char* bad : {"", "3cA0b", "6A0000000P", "00000cA0000", "A00000a0000", "IAJ"})
    EXPECT_FALSE(DecodeBankEntry(h, bad, b)) << bad;  // short, digit above N, signs off the edge, no run letter
  std::string runs(39, 'A');  // 624 zeros
  char out[256];
  EXPECT_FALSE(ExpandBankEntry(runs.c_str(), out, sizeof out));
  EXPECT_FALSE(DecodeBankEntry(h, runs.c_str(), b));
}

TEST(FutoshikiBank, GeneratedPuzzlesEncodeCompactlyAndDecodeBack) {
  for (int size : {5, 7, 9}) {
    const FutHeader h = Header(size, kHard);
    Random random(size);
    CreateProgress progress;
    FutGrid grid{};
    ASSERT_TRUE(testing::FutoshikiWithinCap(random, kHard, size));
    ASSERT_TRUE(CreateFutoshikiForPrint(random, progress, kHard, size, grid, nullptr));
    char entry[256];
    const int length = EncodeBankEntry(h, grid, entry, sizeof entry);
    ASSERT_EQ(length, static_cast<int>(std::strlen(entry)));
    EXPECT_EQ(std::string(entry).find("00"), std::string::npos) << "runs are compressed";
    FutBoard b{};
    ASSERT_TRUE(DecodeBankEntry(h, entry, b)) << entry;
    FutGrid back{};
    ASSERT_TRUE(SolveAndExport(h, b, back));
    EXPECT_EQ(std::memcmp(&back, &grid, sizeof grid), 0) << entry;
    char small[10];
    EXPECT_EQ(EncodeBankEntry(h, grid, small, sizeof small), -1);
  }
}

// Every shipped entry: short enough, distinct, solved at its level; a sample
// also has its single solution confirmed independently.
TEST(FutoshikiBank, ShippedBanksHoldSolvableUniquePuzzles) {
  for (int id = kBankMedium9; id <= kBankHard7; ++id) {
    const BankInfo& bank = Bank(id);
    SCOPED_TRACE(bank.name);
    ASSERT_EQ(bank.count, kBankSize);
    const FutHeader h = Header(bank.size, bank.difficulty);
    std::set<std::string> seen;
    for (int i = 0; i < bank.count; ++i) {
      const char* entry = bank.entries[i];
      ASSERT_LE(static_cast<int>(std::strlen(entry)), bank.maxLength) << i + 1;
      EXPECT_TRUE(seen.insert(entry).second) << i + 1 << " repeats";
      FutBoard b{};
      ASSERT_TRUE(DecodeBankEntry(h, entry, b)) << i + 1;
      FutGrid grid{};
      ASSERT_TRUE(SolveAndExport(h, b, grid)) << i + 1;
      if (i % 25 == 0) {
        ASSERT_EQ(testing::Verdict(testing::FutoshikiProblem(h, grid)), "") << i + 1;
      }
    }
  }
}

int Used(const std::uint8_t (&flags)[kBankSize]) {
  int n = 0;
  for (std::uint8_t f : flags) n += f;
  return n;
}

TEST(FutoshikiBank, DrawWalksPastUsedEntriesAndStartsOverWhenAllAreUsed) {
  std::uint8_t m9[kBankSize], h9[kBankSize] = {}, h7[kBankSize] = {};
  std::memset(m9, 1, sizeof m9);
  m9[536] = 0;  // only entry 537 is left
  const BankUsedFlags flags{m9, h9, h7};
  int saves = 0;
  CreateProgress progress;
  progress.saveState = [&] { ++saves; };
  const FutHeader medium = Header(9, kMedium);
  Random random(3);
  FutBoard b{}, expected{};
  ASSERT_TRUE(LoadStoredPuzzle(medium, b, random, flags, &progress));
  ASSERT_TRUE(DecodeBankEntry(medium, Bank(kBankMedium9).entries[536], expected));
  EXPECT_EQ(Picture(b, 9), Picture(expected, 9));
  EXPECT_EQ(Used(m9), kBankSize);
  EXPECT_EQ(Used(h9) + Used(h7), 0);

  // Every Medium entry used: the flags start over, one draw marks one.
  ASSERT_TRUE(LoadStoredPuzzle(medium, b, random, flags, &progress));
  EXPECT_EQ(Used(m9), 1);
  // Hard draws go by size; two draws never repeat while entries are left.
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(LoadStoredPuzzle(Header(7, kHard), b, random, flags, &progress));
  EXPECT_EQ(Used(h7), 2);
  ASSERT_TRUE(LoadStoredPuzzle(Header(9, kHard), b, random, flags, &progress));
  FutGrid grid{};
  EXPECT_TRUE(SolveAndExport(Header(9, kHard), b, grid));
  EXPECT_EQ(Used(h9), 1);
  EXPECT_EQ(saves, 5);
}

TEST(FutoshikiGenerator, AFullBoardTakesNoMoreSigns) {
  const FutHeader h = Header(5, kHard);
  Random random(5);
  // Every slot taken: no sign is added, and the call still returns (the
  // golden digests pin where clues go when there is room).
  FutBoard full{};
  ClearBoard(h, full);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) {
      if (c < 4) full.at(r, c).signRight = 1 + (r + c) % 2;
      if (r < 4) full.at(r, c).signDown = 1 + (r + c + 1) % 2;
    }
  const FutBoard before = full;
  AddRandomSign(h, full, random);
  EXPECT_EQ(std::memcmp(&before, &full, sizeof full), 0);
}

}  // namespace
}  // namespace zorvek::futoshiki
