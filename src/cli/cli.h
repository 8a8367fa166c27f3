#pragma once
// What each puzzle kind plugs into the `zorvek` tool.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvek::cli {

struct GenerateOptions {
  int difficulty = 1;
  std::string size;  // as typed after --size; empty when not given
  int count = 1;
  std::uint64_t seed = 0;
  std::string outDir = ".";
  int threads = 0;  // 0: one per core
};

// One generated puzzle, ready to write.
struct GeneratedPuzzle {
  std::string stem;  // the file name before "_N.puz"
  std::vector<std::uint8_t> record;
  long long attempts = 0;
  long long ms = 0;
};

struct BankOptions {
  std::string which;  // which bank of the kind, when it has several
  int count = 1;
  std::uint64_t seed = 0;
  int variants = 1;  // entries derived from each generated puzzle, where the kind can
};

// Every handler returns the process exit code: 0 success, 1 a puzzle or file
// that fails, 2 a bad argument (after printing a one-line error).
struct KindCommands {
  const char* name;      // word on the command line: "sudoku"
  int kind;              // kind number
  const char* sizeHelp;  // e.g. "5|7|9"; nullptr when the kind has one size
  int (*generate)(const GenerateOptions&);
  int (*show)(const std::vector<std::uint8_t>& bytes);   // load as the window would
  int (*solve)(const std::vector<std::uint8_t>& bytes);  // re-solve from the givens
  const char* bankHelp;  // nullptr when the kind keeps no stored bank
  int (*bank)(const BankOptions&);
};

// Argument parsing shared by the commands: false for text that is not a
// whole number in lo..hi, or not an unsigned 64-bit seed.
bool ParseInt(const std::string& text, long long lo, long long hi, long long& out);
bool ParseSeed(const std::string& text, std::uint64_t& out);
// "running", "paused" or "stopped": a puzzle's clock as `show` prints it.
const char* TimerWord(int state);
// One line on stderr naming the seed a run used, so its output can be made again.
void AnnounceSeed(std::uint64_t seed);

// zorvek print: a puzzle file or a booklet of new puzzles to PDF or a
// printer. Only in builds with Qt.
int PrintCommand(const std::vector<std::string>& args, int argc, char** argv);

const KindCommands& SudokuCommands();
const KindCommands& KakuroCommands();
const KindCommands& HexKakuroCommands();
const KindCommands& FutoshikiCommands();

// Makes options.count puzzles on options.threads worker threads, each from
// its own seed drawn up front from options.seed, so the same seed gives the
// same files on any thread count. A puzzle equal to an earlier one (two draws
// of one stored bank entry) is made again from a seed derived from its own.
// Each is named as the save dialog would ("SudokuHard_1.puz", ...), skipping
// names already in the output folder so an earlier run's files are never
// overwritten, written in order, and reported with the tool's line for it
// (file, attempts, milliseconds). Returns the exit code.
using MakePuzzle = void (*)(const GenerateOptions& options, int rows, int cols, std::uint64_t seed,
                            GeneratedPuzzle& out);
int GenerateAll(const GenerateOptions& options, int rows, int cols, MakePuzzle make);

class Stopwatch {
 public:
  Stopwatch() : start_(std::chrono::steady_clock::now()) {}
  long long Milliseconds() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_;
};

}  // namespace zorvek::cli
