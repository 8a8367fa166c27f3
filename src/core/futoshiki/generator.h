#pragma once
// Building Futoshiki puzzles: starting from an empty board, signs and givens
// are added one at a time in a fixed ratio, each followed by the solver at the
// difficulty's level; a clue that breaks the board is undone. A puzzle is
// accepted when the board becomes determined within the clue band for its
// difficulty and size, and then solves again from its givens alone.
#include <cstdint>

#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/futoshiki/record.h"
#include "core/futoshiki/solver.h"

namespace zorvek::futoshiki {

struct GenerationParameters {
  int signsPerGiven;
  int level;
  int fewestClues;
  int mostClues;
};
GenerationParameters ParametersFor(int difficulty, int size);

// Attempt limit of the create dialog's loop (its progress-bar total).
int AttemptLimit(int difficulty, int size);

// Every cell, margin included, open with all candidates and no signs.
void ClearBoard(const FutHeader& header, FutBoard& board);
// Places at most one new sign; gives up after 100 repeated tries.
void AddRandomSign(const FutHeader& header, FutBoard& board, Random& random);
// Three signs of the same sense through four adjacent cells, in any mix of
// directions (P1 > P2 > P3 > P4).
bool HasSignChain(const FutHeader& header, const FutBoard& board);
// Makes one open cell with the most candidates a given.
void AddRandomGiven(const FutHeader& header, FutBoard& board, Random& random);
// One attempt. progress (may be null) is looked at before every clue; a
// cancel request ends the attempt as a failure.
bool GenerateFutoshiki(const FutHeader& header, FutBoard& board, Random& random,
                       CreateProgress* progress);

// ---- Stored banks ----------------------------------------------------------

constexpr int kBankSize = 1000;

enum BankId : int { kBankMedium9 = 0, kBankHard9 = 1, kBankHard7 = 2 };

struct BankInfo {
  const char* name;  // "medium9", "hard9", "hard7"
  int difficulty;
  int size;
  int maxLength;  // longest entry the bank may hold
  const char* const* entries;
  int count;
};
const BankInfo& Bank(int id);
// The bank a draw for this difficulty and size comes from.
int BankFor(int difficulty, int size);

// The used-flags of the three banks, kept in the general settings block
// (entry i at [i - 1]).
struct BankUsedFlags {
  std::uint8_t (&medium9)[kBankSize];
  std::uint8_t (&hard9)[kBankSize];
  std::uint8_t (&hard7)[kBankSize];
};

// Expands the letter runs of zeros ("A" 16 ... "Q" 2) into out (with a
// terminating 0). False when the text does not fit.
bool ExpandBankEntry(const char* entry, char* out, int outSize);
// Fills the board's givens, values and signs from an entry for an N x N
// board; the expanded text is followed by four empty cells, so an entry may
// leave off its last few. False when even then it holds fewer than N x N
// cells, or a digit above N or a sign pointing off the board.
bool DecodeBankEntry(const FutHeader& header, const char* entry, FutBoard& board);
// The opposite, from the N x N cells of a play grid: digits or "0", sign
// letters "a".."h", runs of zeros compressed longest first. Returns the
// length written (without the terminating 0), or -1 when it does not fit.
int EncodeBankEntry(const FutHeader& header, const FutGrid& grid, char* out, int outSize);

// Draws an unused entry of the bank for the header's difficulty and size
// (clearing the flags once all are used), marks it used, lets the caller save
// its state through progress->SaveState(), and decodes it into the board.
// False when the entry cannot be decoded: a failed attempt.
bool LoadStoredPuzzle(const FutHeader& header, FutBoard& board, Random& random,
                      BankUsedFlags flags, CreateProgress* progress);

// ---- Drivers ---------------------------------------------------------------

struct CreateResult {
  bool success = false;
  bool cancelled = false;
  int attempts = 0;
  // The dialog shows a full bar for half a second after a success well
  // inside the attempt limit.
  bool startCloseTimer = false;
};

// The message the create dialog shows when the loop gives up.
constexpr const char* kCreateFailedMessage = "Error creating Futoshiki puzzle.  Please try again.";

// The create dialog's loop: header holds the chosen size and difficulty. Up to
// the attempt limit; Hard 7 x 7, Hard 9 x 9 and Medium 9 x 9 draw from the
// banks in the last 10 attempts. On success header (elapsed 0, running) and
// grid hold the new puzzle; on failure or cancel both are left exactly as
// they were.
CreateResult CreateFutoshikiPuzzle(Random& random, CreateProgress& progress, FutHeader& header,
                                   FutGrid& grid, BankUsedFlags flags);
// The same for the dialog's choice of difficulty and size, with header and
// grid holding the current puzzle: a failed or cancelled run leaves both,
// size and difficulty included, as they were, so the previous puzzle is never
// shown under another size.
CreateResult CreateFutoshikiPuzzle(Random& random, CreateProgress& progress, int difficulty,
                                   int size, FutHeader& header, FutGrid& grid,
                                   BankUsedFlags flags);

// One puzzle for batch printing: no limit; banks from attempt 1501 for Hard
// 7 x 7 and from attempt 151 for non-Easy 9 x 9 (never when flags is null:
// the generator alone). Returns false (grid untouched) when
// progress.cancelled is set.
bool CreateFutoshikiForPrint(Random& random, CreateProgress& progress, int difficulty, int size,
                             FutGrid& grid, const BankUsedFlags* flags,
                             int* attemptsOut = nullptr);

// The puzzle a first start gets: Medium 7 x 7, no limit, no bank.
void CreateStartupFutoshiki(Random& random, FutHeader& header, FutGrid& grid);

}  // namespace zorvek::futoshiki
