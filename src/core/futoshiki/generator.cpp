#include "core/futoshiki/generator.h"

#include <cstring>

#include "core/common/types.h"

namespace zorvek::futoshiki {

extern const char* const kFutBank_medium9[];
extern const int kFutBank_medium9Count;
extern const char* const kFutBank_hard9[];
extern const int kFutBank_hard9Count;
extern const char* const kFutBank_hard7[];
extern const int kFutBank_hard7Count;

namespace {

int SizeIndex(int size) { return size <= 6 ? 0 : size <= 8 ? 1 : 2; }
int DifficultyIndex(int difficulty) { return difficulty < 0 ? 0 : difficulty > 2 ? 2 : difficulty; }

constexpr GenerationParameters kParameters[3][3] = {
    {{4, 1, 15, 20}, {4, 1, 35, 45}, {2, 2, 45, 80}},  // Easy: 5, 7, 9
    {{6, 2, 8, 12}, {6, 3, 25, 35}, {4, 3, 55, 70}},   // Medium
    {{7, 3, 4, 7}, {6, 5, 15, 25}, {4, 5, 35, 55}},    // Hard
};

constexpr int kAttemptLimits[3][3] = {
    {10000, 2100, 2000},  // Easy: 5, 7, 9
    {20000, 2100, 410},   // Medium
    {30000, 2100, 410},   // Hard
};

// Zero runs: "A" is 16 zeros down to "Q" for 2 ("I" and "O" unused).
constexpr char kRunLetters[] = "ABCDEFGHJKLMNPQ";
int RunLength(char letter) {
  for (int i = 0; kRunLetters[i] != 0; ++i)
    if (kRunLetters[i] == letter) return 16 - i;
  return 0;
}

// Sign letters "a".."h" for (signRight, signDown) pairs other than (0, 0).
constexpr std::uint8_t kLetterSigns[8][2] = {{0, 1}, {0, 2}, {1, 0}, {1, 1},
                                             {1, 2}, {2, 0}, {2, 1}, {2, 2}};

// The packed board a generator step works on, with the signs-in-a-row rule
// of small boards.
// Returns the new sign's place in row-major sign order (cell * 2 + dir), or
// -1 when no sign was added.
int AddSign(PackedFutBoard& board, int n, Random& random) {
  int tries = 0;
  for (;;) {
    const int dir = random(2);
    const int kind = random(2) + 1;
    int row, col;
    if (dir == 0) {
      col = random(n - 1);
      row = random(n);
    } else {
      col = random(n);
      row = random(n - 1);
    }
    const int i = row * kMaxSize + col;
    std::uint8_t& sign = dir == 0 ? board.cells[i].signRight : board.cells[i].signDown;
    if (sign != 0) {
      if (++tries > 100) return -1;
      continue;
    }
    sign = static_cast<std::uint8_t>(kind);
    // The solver's sign step looks at the new sign through its cell.
    board.signsDirty[row] = static_cast<std::uint16_t>(board.signsDirty[row] | 1u << col);
    if (n != 5) return i * 2 + dir;
    // Small boards must not spell out a run of four by signs alone. The
    // board held no chain before (every sign added here was checked), so
    // only chains through the new sign can exist.
    if (!packed::HasSignChainThrough(board, n, i, dir)) return i * 2 + dir;
    sign = 0;
    if (++tries > 100) return -1;
  }
}

void AddGiven(PackedFutBoard& board, int n, Random& random) {
  const int colOffset = random(n);
  const int rowOffset = random(n);
  int best = -1, bestCount = 0;
  for (int i = 0; i < n; ++i) {
    const int row = (rowOffset + i) % n;
    for (int j = 0; j < n; ++j) {
      const int index = row * kMaxSize + (colOffset + j) % n;
      if (board.cells[index].value < 0 && board.cells[index].count > bestCount) {
        best = index;
        bestCount = board.cells[index].count;
      }
    }
  }
  if (bestCount < 1) return;
  int k = random(bestCount) + 1;
  int digit = 0;
  for (int d = 1; d <= n && digit == 0; ++d)
    if ((board.cells[best].candidates >> d & 1u) && --k == 0) digit = d;
  board.cells[best].candidates = static_cast<std::uint16_t>(1u << digit);
  board.cells[best].value = static_cast<std::int8_t>(digit);
  board.cells[best].given = 1;
  board.cells[best].count = 1;
  packed::Touch(board, best);
  packed::MarkSigns(board, best);
  packed::FixCell(board, n, best);
}

// CreateProgress::CancelRequested, with the plain flag reads first so the
// common case (neither paused nor cancelled) stays inline.
bool CancelRequested(CreateProgress* progress) {
  return progress != nullptr &&
         (progress->paused.load(std::memory_order_relaxed) ||
          progress->cancelled.load(std::memory_order_relaxed)) &&
         progress->CancelRequested();
}

// The packed form of a board ClearBoard has just emptied.
void ClearPacked(int n, PackedFutBoard& work) {
  work = PackedFutBoard{};
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col) {
      PackedFutCell& c = work.cells[row * kMaxSize + col];
      c.candidates = static_cast<std::uint16_t>((2u << n) - 2u);
      c.value = -1;
      c.count = static_cast<std::int8_t>(n);
    }
}

// GenerateFutoshiki on a packed board that ClearBoard has just emptied.
bool Generate(const FutHeader& header, PackedFutBoard& board, Random& random,
              CreateProgress* progress) {
  const int n = header.size;
  const GenerationParameters p = ParametersFor(header.difficulty, n);
  int phase = 0;
  for (int clue = 1; clue <= p.mostClues; ++clue) {
    if (++phase > p.signsPerGiven) phase = 0;
    const bool addSign = phase < p.signsPerGiven;
    const PackedFutBoard undo = board;
    int retries = 0;
    for (;;) {
      if (CancelRequested(progress)) return false;
      if (addSign)
        AddSign(board, n, random);
      else
        AddGiven(board, n, random);
      // Once the solver has returned true every sign holds: of IsConsistent
      // only the rows and columns are left to check.
      if (!packed::SolveLogically(board, n, p.level) || !packed::EveryDigitPlaceable(board, n)) {
        board = undo;
        if (++retries > n) return false;
        continue;  // another random clue of the same kind
      }
      if (packed::IsFullyDetermined(board, n)) return clue >= p.fewestClues;
      break;
    }
  }
  return false;
}

// GenerateFutoshiki then SolveAndExport, for the drivers, which need the
// board only when it makes a puzzle: a failed attempt is never unpacked.
bool GenerateAndExport(const FutHeader& header, Random& random, CreateProgress* progress,
                       FutGrid& grid) {
  const int n = header.size;
  PackedFutBoard work;
  ClearPacked(n, work);
  if (!Generate(header, work, random, progress)) return false;
  // Re-solving from the givens alone is what BuildFromGivens leaves of the
  // packed board.
  return packed::SolveAndExport(work, n, SolverLevel(header.difficulty, n), grid);
}

void Progress(CreateProgress& progress, int attempt) {
  progress.attempts.store(attempt, std::memory_order_relaxed);
}

}  // namespace

GenerationParameters ParametersFor(int difficulty, int size) {
  return kParameters[DifficultyIndex(difficulty)][SizeIndex(size)];
}

int AttemptLimit(int difficulty, int size) {
  return kAttemptLimits[DifficultyIndex(difficulty)][SizeIndex(size)];
}

void ClearBoard(const FutHeader& header, FutBoard& board) {
  const int n = header.size;
  for (int row = -2; row <= n + 1; ++row) {
    for (int col = -2; col <= n + 1; ++col) {
      FutCell& c = board.at(row, col);
      c = FutCell{};
      c.value = -1;
      c.count = n;
      for (int d = 1; d <= n; ++d) c.candidates[d] = true;
    }
  }
}

void AddRandomSign(const FutHeader& header, FutBoard& board, Random& random) {
  PackedFutBoard p{};
  Pack(header, board, p);
  AddSign(p, header.size, random);
  Unpack(header, p, board);
}

bool HasSignChain(const FutHeader& header, const FutBoard& board) {
  PackedFutBoard p{};
  Pack(header, board, p);
  return packed::HasSignChain(p, header.size);
}

void AddRandomGiven(const FutHeader& header, FutBoard& board, Random& random) {
  PackedFutBoard p{};
  Pack(header, board, p);
  AddGiven(p, header.size, random);
  Unpack(header, p, board);
}

bool GenerateFutoshiki(const FutHeader& header, FutBoard& board, Random& random,
                       CreateProgress* progress) {
  ClearBoard(header, board);
  PackedFutBoard work;
  ClearPacked(header.size, work);
  const bool made = Generate(header, work, random, progress);
  Unpack(header, work, board);
  return made;
}

// ---- Stored banks ----------------------------------------------------------

const BankInfo& Bank(int id) {
  static const BankInfo kBanks[3] = {
      {"medium9", kMedium, 9, 125, kFutBank_medium9, kFutBank_medium9Count},
      {"hard9", kHard, 9, 110, kFutBank_hard9, kFutBank_hard9Count},
      {"hard7", kHard, 7, 60, kFutBank_hard7, kFutBank_hard7Count},
  };
  return kBanks[id < 0 || id > 2 ? 0 : id];
}

int BankFor(int difficulty, int size) {
  if (difficulty == kMedium) return kBankMedium9;
  return size == 7 ? kBankHard7 : kBankHard9;
}

bool ExpandBankEntry(const char* entry, char* out, int outSize) {
  int length = 0;
  for (const char* p = entry; *p != 0; ++p) {
    const int run = RunLength(*p);
    const int add = run > 0 ? run : 1;
    if (length + add >= outSize) return false;
    if (run > 0)
      std::memset(out + length, '0', static_cast<std::size_t>(run));
    else
      out[length] = *p;
    length += add;
  }
  out[length] = 0;
  return true;
}

bool DecodeBankEntry(const FutHeader& header, const char* entry, FutBoard& board) {
  const int n = header.size;
  char text[256];
  constexpr char kTail[] = "0000";
  if (entry == nullptr || !ExpandBankEntry(entry, text, sizeof text - (sizeof kTail - 1)))
    return false;
  // An entry may leave off up to four trailing empty cells.
  std::strcat(text, kTail);
  const char* p = text;
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      if (*p < '0' || *p > '0' + n) return false;  // also the end of a short entry
      FutCell& cell = board.at(row, col);
      cell.value = *p - '0';
      cell.given = cell.value != 0;
      cell.signRight = 0;
      cell.signDown = 0;
      ++p;
      if (*p >= 'a' && *p <= 'h') {
        cell.signRight = kLetterSigns[*p - 'a'][0];
        cell.signDown = kLetterSigns[*p - 'a'][1];
        ++p;
        if ((col == n - 1 && cell.signRight != 0) || (row == n - 1 && cell.signDown != 0))
          return false;
      }
    }
  }
  return true;
}

int EncodeBankEntry(const FutHeader& header, const FutGrid& grid, char* out, int outSize) {
  const int n = header.size;
  char cells[2 * kMaxSize * kMaxSize + 1];
  int length = 0;
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      const FutGridCell& g = grid.cells[row][col];
      cells[length++] = g.given ? static_cast<char>('0' + g.solution) : '0';
      for (int i = 0; i < 8; ++i)
        if (kLetterSigns[i][0] == g.signRight && kLetterSigns[i][1] == g.signDown)
          cells[length++] = static_cast<char>('a' + i);
    }
  }
  int written = 0;
  for (int i = 0; i < length;) {
    int run = 0;
    while (i + run < length && cells[i + run] == '0') ++run;
    if (run == 0) {
      if (written + 1 >= outSize) return -1;
      out[written++] = cells[i++];
      continue;
    }
    i += run;
    while (run > 0) {
      if (written + 1 >= outSize) return -1;
      const int take = run > 16 ? 16 : run;
      out[written++] = take == 1 ? '0' : kRunLetters[16 - take];
      run -= take;
    }
  }
  out[written] = 0;
  return written;
}

bool LoadStoredPuzzle(const FutHeader& header, FutBoard& board, Random& random,
                      BankUsedFlags flags, CreateProgress* progress) {
  const int id = BankFor(header.difficulty, header.size);
  std::uint8_t* used = id == kBankMedium9 ? flags.medium9 : id == kBankHard9 ? flags.hard9
                                                                            : flags.hard7;
  const int start = random(kBankSize) + 1;
  int entry = start;
  while (used[entry - 1] != 0) {
    entry = entry == kBankSize ? 1 : entry + 1;
    if (entry == start) {
      std::memset(used, 0, kBankSize);
      break;
    }
  }
  // Marked so the walk does not offer the same puzzle again before the bank
  // is exhausted.
  used[entry - 1] = 1;
  if (progress) progress->SaveState();
  const BankInfo& bank = Bank(id);
  ClearBoard(header, board);
  if (entry > bank.count || bank.size != header.size) return false;
  return DecodeBankEntry(header, bank.entries[entry - 1], board);
}

// ---- Drivers ---------------------------------------------------------------

CreateResult CreateFutoshikiPuzzle(Random& random, CreateProgress& progress, FutHeader& header,
                                   FutGrid& grid, BankUsedFlags flags) {
  CreateResult result;
  progress.cancelled.store(false);
  const FutHeader savedHeader = header;
  const FutGrid savedGrid = grid;
  const int n = header.size;
  const int total = AttemptLimit(header.difficulty, n);
  const bool banked = (header.difficulty == kHard && (n == 7 || n == 9)) ||
                      (header.difficulty == kMedium && n == 9);
  progress.attemptScale.store(total);
  Progress(progress, 0);
  FutBoard board{};  // cells past the margin of a small board stay defined
  int attempt = 0;
  for (;;) {
    bool ok;
    if (attempt > total - 10 && banked)
      ok = LoadStoredPuzzle(header, board, random, flags, &progress) &&
           SolveAndExport(header, board, grid);
    else
      ok = GenerateAndExport(header, random, &progress, grid);
    ++attempt;
    Progress(progress, attempt);
    if (ok) {
      result.success = true;
      break;
    }
    if (attempt > total || progress.CancelRequested()) break;
  }
  result.attempts = attempt;
  if (!result.success) {
    result.cancelled = progress.CancelRequested();
    header = savedHeader;
    grid = savedGrid;
    return result;
  }
  header.elapsed = 0;
  header.playState = kTimerRunning;
  result.startCloseTimer = attempt < total - 15;
  return result;
}

CreateResult CreateFutoshikiPuzzle(Random& random, CreateProgress& progress, int difficulty,
                                   int size, FutHeader& header, FutGrid& grid,
                                   BankUsedFlags flags) {
  const FutHeader current = header;
  header.size = size;
  header.difficulty = static_cast<std::uint8_t>(difficulty);
  const CreateResult result = CreateFutoshikiPuzzle(random, progress, header, grid, flags);
  if (!result.success) header = current;
  return result;
}

bool CreateFutoshikiForPrint(Random& random, CreateProgress& progress, int difficulty, int size,
                             FutGrid& grid, const BankUsedFlags* flags, int* attemptsOut) {
  FutHeader header{};
  header.size = size;
  header.difficulty = static_cast<std::uint8_t>(difficulty);
  FutBoard board{};
  int attempt = 0;
  bool ok = false;
  while (!progress.CancelRequested()) {
    const bool fromBank = flags != nullptr && ((attempt >= 1501 && difficulty == kHard && size == 7) ||
                                               (attempt >= 151 && difficulty != kEasy && size == 9));
    if (fromBank)
      ok = LoadStoredPuzzle(header, board, random, *flags, &progress) &&
           SolveAndExport(header, board, grid);
    else
      ok = GenerateAndExport(header, random, &progress, grid);
    ++attempt;
    Progress(progress, attempt);
    if (ok) break;
  }
  if (attemptsOut) *attemptsOut = attempt;
  return ok;
}

void CreateStartupFutoshiki(Random& random, FutHeader& header, FutGrid& grid) {
  header = FutHeader{};
  header.size = 7;
  header.difficulty = kMedium;
  while (!GenerateAndExport(header, random, nullptr, grid)) {
  }
  header.elapsed = 0;
  header.playState = kTimerRunning;
}

}  // namespace zorvek::futoshiki
