#pragma once
// The golden sets of the Sudoku and Futoshiki generators, shared by the
// generator_golden tool (every set in full) and the tests (the first few
// steps of each): for a fixed seed per set, a running 64-bit FNV-1a hash over
// every puzzle block made, the attempt count and the random generator's state
// after each puzzle, so any change in what a generator makes or in how many
// random numbers it draws shows up. "attempt" sets hash every single attempt
// instead, with the whole working board, so a rejected attempt must also end
// exactly as before.
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek::golden {

struct Fnv {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  void Bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
      h ^= p[i];
      h *= 0x100000001b3ULL;
    }
  }
  void Int(std::int64_t v) { Bytes(&v, sizeof v); }
  void State(const Random& random) {
    static_assert(std::is_trivially_copyable_v<Random>);
    unsigned char bytes[sizeof(Random)];
    std::memcpy(bytes, &random, sizeof bytes);
    Bytes(bytes, sizeof bytes);
  }
};

inline void HashBoard(Fnv& f, const sudoku::SolverBoard& board, const sudoku::Solver& solver) {
  for (const sudoku::SolverCell& c : board.cells) {
    f.Int(c.Given);
    f.Int(c.Value);
    f.Int(c.CandidateCount);
    f.Bytes(c.Candidates, sizeof c.Candidates);
    f.Bytes(c.SubsetMarks, sizeof c.SubsetMarks);
  }
  const sudoku::DoneTables done = solver.done();
  f.Bytes(&done, sizeof done);
}

inline void HashBoard(Fnv& f, const futoshiki::FutBoard& board, int n) {
  for (int r = -2; r <= n + 1; ++r)
    for (int c = -2; c <= n + 1; ++c) {
      const futoshiki::FutCell& x = board.at(r, c);
      f.Int(x.given);
      f.Int(x.value);
      f.Int(x.count);
      for (bool b : x.candidates) f.Int(b);
      f.Int(x.signRight);
      f.Int(x.signDown);
      for (bool b : x.rowSubsetUsed) f.Int(b);
      for (bool b : x.colSubsetUsed) f.Int(b);
    }
}

// One golden set: `count` steps from one seed; a step feeds the hash.
struct Set {
  std::string name;
  int count;
};

inline std::vector<Set> AllSets() {
  std::vector<Set> sets;
  const char* words[3] = {"easy", "medium", "hard"};
  for (int d = kEasy; d <= kHard; ++d) {
    sets.push_back({std::string("sudoku/print/") + words[d], 1000});
    sets.push_back({std::string("sudoku/interactive/") + words[d], d == kHard ? 100 : 1000});
    sets.push_back({std::string("sudoku/attempt/") + words[d], 20000});
  }
  sets.push_back({"sudoku/startup", 300});
  for (int size : {5, 7, 9})
    for (int d = kEasy; d <= kHard; ++d) {
      const std::string tag = std::string(words[d]) + std::to_string(size);
      sets.push_back({"futoshiki/print/" + tag, 1000});
      sets.push_back({"futoshiki/interactive/" + tag, 200});
      sets.push_back({"futoshiki/attempt/" + tag, 20000});
    }
  for (const char* tag : {"medium9", "hard9", "hard7"})
    sets.push_back({std::string("futoshiki/banked/") + tag, 200});
  sets.push_back({"futoshiki/startup", 300});
  return sets;
}

inline int DifficultyOf(const std::string& word) {
  return word.rfind("easy", 0) == 0 ? kEasy : word.rfind("medium", 0) == 0 ? kMedium : kHard;
}

inline std::uint64_t SeedOf(const std::string& name) {
  Fnv f;
  f.Bytes(name.data(), name.size());
  return f.h;
}

// Runs a set, calling `checkpoint` with the running digest after steps 1, 2,
// 3, 10, every hundredth up to 1000 and every thousandth after.
inline void RunSet(const Set& set, const std::function<void(int, std::uint64_t)>& checkpoint) {
  Random random(SeedOf(set.name));
  Fnv f;
  const std::string& name = set.name;
  const std::string last = name.substr(name.rfind('/') + 1);
  CreateProgress progress;
  static std::uint8_t sudokuFlags[sudoku::kPoolSize];
  static std::uint8_t bankFlags[3][futoshiki::kBankSize];
  std::memset(sudokuFlags, 0, sizeof sudokuFlags);
  std::memset(bankFlags, 0, sizeof bankFlags);
  futoshiki::BankUsedFlags flags{bankFlags[0], bankFlags[1], bankFlags[2]};
  sudoku::Generator sudokuGenerator(random);
  sudoku::SolverBoard sudokuBoard{};
  sudoku::SudSettings settings{};
  sudoku::SudPuzzle current{};
  futoshiki::FutBoard futBoard{};
  futoshiki::FutHeader header{};
  futoshiki::FutGrid currentGrid{};
  const int size = last.back() >= '0' && last.back() <= '9' ? last.back() - '0' : 7;
  const int difficulty = DifficultyOf(last);

  for (int step = 1; step <= set.count; ++step) {
    if (name.rfind("sudoku/print/", 0) == 0) {
      sudoku::SudPuzzle puzzle{};
      int attempts = 0;
      sudoku::CreateSudokuForPrint(random, progress, difficulty, puzzle, sudokuFlags, &attempts);
      f.Bytes(&puzzle, sizeof puzzle);
      f.Int(attempts);
    } else if (name.rfind("sudoku/interactive/", 0) == 0) {
      const sudoku::CreateResult r = sudoku::CreateSudokuPuzzle(random, progress, difficulty,
                                                                settings, current, sudokuFlags);
      f.Bytes(&current, sizeof current);
      f.Bytes(&settings, sizeof settings);
      f.Int(r.success);
      f.Int(r.attempts);
      f.Int(r.startCloseTimer);
    } else if (name.rfind("sudoku/attempt/", 0) == 0) {
      sudoku::SudPuzzle puzzle{};
      const bool made = sudokuGenerator.GeneratePuzzle(difficulty, sudokuBoard);
      f.Int(made);
      HashBoard(f, sudokuBoard, sudokuGenerator.solver);
      if (made) {
        f.Int(sudokuGenerator.FinalizePuzzle(difficulty, sudokuBoard, puzzle));
        HashBoard(f, sudokuBoard, sudokuGenerator.solver);
        f.Bytes(&puzzle, sizeof puzzle);
      }
    } else if (name == "sudoku/startup") {
      sudoku::CreateStartupSudoku(random, settings, current);
      f.Bytes(&current, sizeof current);
      f.Bytes(&settings, sizeof settings);
    } else if (name.rfind("futoshiki/print/", 0) == 0 ||
               name.rfind("futoshiki/banked/", 0) == 0) {
      const bool banked = name.rfind("futoshiki/banked/", 0) == 0;
      futoshiki::FutGrid grid{};
      int attempts = 0;
      futoshiki::CreateFutoshikiForPrint(random, progress, difficulty, size, grid,
                                         banked ? &flags : nullptr, &attempts);
      f.Bytes(&grid, sizeof grid);
      f.Int(attempts);
      if (banked) f.Bytes(bankFlags, sizeof bankFlags);
    } else if (name.rfind("futoshiki/interactive/", 0) == 0) {
      const futoshiki::CreateResult r = futoshiki::CreateFutoshikiPuzzle(
          random, progress, difficulty, size, header, currentGrid, flags);
      f.Bytes(&header, sizeof header);
      f.Bytes(&currentGrid, sizeof currentGrid);
      f.Bytes(bankFlags, sizeof bankFlags);
      f.Int(r.success);
      f.Int(r.attempts);
      f.Int(r.startCloseTimer);
    } else if (name.rfind("futoshiki/attempt/", 0) == 0) {
      futoshiki::FutHeader h{};
      h.size = size;
      h.difficulty = static_cast<std::uint8_t>(difficulty);
      const bool made = futoshiki::GenerateFutoshiki(h, futBoard, random, nullptr);
      f.Int(made);
      HashBoard(f, futBoard, size);
      if (made) {
        futoshiki::FutGrid grid{};
        f.Int(futoshiki::SolveAndExport(h, futBoard, grid));
        HashBoard(f, futBoard, size);
        f.Bytes(&grid, sizeof grid);
      }
    } else if (name == "futoshiki/startup") {
      futoshiki::CreateStartupFutoshiki(random, header, currentGrid);
      f.Bytes(&header, sizeof header);
      f.Bytes(&currentGrid, sizeof currentGrid);
    }
    f.State(random);
    if (step <= 3 || step == 10 || (step % 100 == 0 && (step <= 1000 || step % 1000 == 0)))
      checkpoint(step, f.h);
  }
}

// The running digest of the named set after `steps` steps (a checkpoint
// step), or 0 for an unknown set.
inline std::uint64_t DigestAfter(const std::string& name, int steps) {
  std::uint64_t digest = 0;
  for (const Set& set : AllSets())
    if (set.name == name)
      RunSet(Set{name, steps}, [&](int step, std::uint64_t h) {
        if (step == steps) digest = h;
      });
  return digest;
}

}  // namespace zorvek::golden
