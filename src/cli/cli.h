#pragma once
// What each puzzle kind plugs into the `zorvek` tool.
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

const KindCommands& SudokuCommands();
const KindCommands& KakuroCommands();
const KindCommands& HexKakuroCommands();
const KindCommands& FutoshikiCommands();

// The name `generate` gives its n-th file in `dir` for a default name stem
// such as "SudokuHard": the save dialog's name, skipping names already taken
// so an earlier run's files are never overwritten. `counter` advances.
std::string NextFreeName(const std::string& dir, const std::string& stemWithSize, int& counter);

// Writes a file and reports a failure on stderr.
bool WriteOrComplain(const std::string& path, const void* data, std::size_t size);

}  // namespace zorvek::cli
