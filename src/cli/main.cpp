// zorvek: generate, check and inspect puzzles from the command line, with the
// same engines and file records as the game.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/common/puzfile.h"
#include "core/common/random.h"
#include "core/play/hint.h"
#include "core/shell/kinds.h"

namespace zorvek::cli {
namespace {

const KindCommands* const kKinds[] = {
    &SudokuCommands(),
    &KakuroCommands(),
    &FutoshikiCommands(),
    &HexKakuroCommands(),
};

const KindCommands* FindKind(const std::string& name) {
  for (const KindCommands* k : kKinds)
    if (name == k->name) return k;
  return nullptr;
}

const KindCommands* FindKindNumber(int kind) {
  for (const KindCommands* k : kKinds)
    if (k->kind == kind) return k;
  return nullptr;
}

std::string KindList() {
  std::string s;
  for (const KindCommands* k : kKinds) {
    if (!s.empty()) s += '|';
    s += k->name;
  }
  return s;
}

int BadArgument(const std::string& what) {
  std::cerr << "zorvek: " << what << " (try --help)\n";
  return 2;
}

void MainHelp() {
  std::cout <<
      "zorvek - generate, check and inspect Zorvek Number Puzzles files\n\n"
      "Usage:\n"
      "  zorvek generate KIND --difficulty easy|medium|hard [--size S] [--count N]\n"
      "                       [--seed S] [--threads N] [--out DIR]\n"
      "  zorvek show FILE [--as KIND]\n"
      "  zorvek solve FILE [--steps]\n"
      "  zorvek hint FILE\n"
      "  zorvek bank KIND [--which NAME] [--count N] [--seed S] [--variants K]\n"
      "  zorvek print FILE.puz | --sudoku ... (--out FILE.pdf | --printer NAME)\n"
      "  zorvek --version\n\n"
      "KIND is one of " << KindList() << ".\n"
      "Run 'zorvek COMMAND --help' for the details of a command.\n";
}

void GenerateHelp() {
  std::cout <<
      "zorvek generate KIND --difficulty easy|medium|hard [--size S] [--count N]\n"
      "                [--seed S] [--threads N] [--out DIR]\n\n"
      "Creates --count puzzles (default 1) as the batch printing does, on\n"
      "--threads threads (default: one per core), and writes each as a .puz\n"
      "file named as the game's save dialog would (SudokuHard_1.puz,\n"
      "...), skipping names already present in DIR (default: the current\n"
      "directory). Prints one line per puzzle: file, attempts, milliseconds.\n"
      "Without --seed the puzzles are new each time; the seed used is named on\n"
      "stderr, and the same --seed gives the same puzzles again on every machine\n"
      "and any number of threads.\nSizes:\n";
  for (const KindCommands* k : kKinds)
    std::cout << "  " << k->name << ": " << (k->sizeHelp ? k->sizeHelp : "one size (no --size)")
              << "\n";
}

}  // namespace

bool ParseInt(const std::string& text, long long lo, long long hi, long long& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseSeed(const std::string& text, std::uint64_t& out) {
  if (text.empty() || text[0] == '-') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0') return false;
  out = v;
  return true;
}

namespace {

bool WantsHelp(const std::vector<std::string>& args) {
  for (const auto& a : args)
    if (a == "--help" || a == "-h") return true;
  return false;
}

int Generate(const std::vector<std::string>& args) {
  if (WantsHelp(args)) {
    GenerateHelp();
    return 0;
  }
  if (args.empty()) return BadArgument("generate needs a KIND (" + KindList() + ")");
  const KindCommands* kind = FindKind(args[0]);
  if (!kind) return BadArgument("unknown kind '" + args[0] + "'");
  GenerateOptions options;
  options.seed = Random::ClockSeed();
  bool haveDifficulty = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return BadArgument("missing value after '" + a + "'");
    const std::string& v = args[++i];
    long long n = 0;
    if (a == "--difficulty") {
      if (v == "easy") options.difficulty = 0;
      else if (v == "medium") options.difficulty = 1;
      else if (v == "hard") options.difficulty = 2;
      else return BadArgument("bad --difficulty '" + v + "' (easy|medium|hard)");
      haveDifficulty = true;
    } else if (a == "--size") {
      if (!kind->sizeHelp) return BadArgument(std::string(kind->name) + " has no --size");
      options.size = v;
    } else if (a == "--count") {
      if (!ParseInt(v, 1, 100000, n)) return BadArgument("bad --count '" + v + "'");
      options.count = static_cast<int>(n);
    } else if (a == "--seed") {
      if (!ParseSeed(v, options.seed)) return BadArgument("bad --seed '" + v + "'");
    } else if (a == "--threads") {
      if (!ParseInt(v, 1, 256, n)) return BadArgument("bad --threads '" + v + "'");
      options.threads = static_cast<int>(n);
    } else if (a == "--out") {
      options.outDir = v;
    } else {
      return BadArgument("unknown option '" + a + "'");
    }
  }
  if (!haveDifficulty) return BadArgument("generate needs --difficulty easy|medium|hard");
  std::error_code ec;
  std::filesystem::create_directories(options.outDir, ec);
  if (!std::filesystem::is_directory(options.outDir))
    return BadArgument("bad --out '" + options.outDir + "': not a directory");
  AnnounceSeed(options.seed);
  return kind->generate(options);
}

bool Solved(const PlayAdapter& a) {
  for (int r = 0; r < a.Rows(); ++r)
    for (int c = 0; c < a.Cols(); ++c)
      if (a.IsCell(r, c) && !a.IsGiven(r, c) && a.Entry(r, c) != a.Solution(r, c)) return false;
  return true;
}

// The logical path from the givens, one numbered step a line. 0 when it
// reaches the solution, 3 when it stops short, 1 when the file is rejected.
int PrintSteps(const std::string& file, int number) {
  auto state = std::make_unique<AppState>();
  const KindDescriptor& kind = KindOf(number);
  const std::string message = kind.load(*state, file);
  if (!message.empty()) {
    std::cout << message << "\n";
    return 1;
  }
  const std::unique_ptr<PlayAdapter> adapter = kind.playAdapter(*state);
  PlayAdapter& a = *adapter;
  for (int r = 0; r < a.Rows(); ++r)
    for (int c = 0; c < a.Cols(); ++c)
      if (a.IsCell(r, c) && !a.IsGiven(r, c)) {
        a.SetEntry(r, c, 0);
        a.SetText(r, c, "");
      }
  const std::vector<Hint> path = LogicalPath(a);
  for (std::size_t i = 0; i < path.size(); ++i)
    std::cout << i + 1 << ". " << path[i].technique << ": " << path[i].conclusion << "\n";
  if (Solved(a)) return 0;
  std::cout << "The steps stop here: no logical step found.\n";
  return 3;
}

int ShowOrSolve(const std::vector<std::string>& args, bool solve) {
  if (WantsHelp(args)) {
    if (solve)
      std::cout << "zorvek solve FILE [--steps]\n\nRe-solves the puzzle in FILE from its givens with its kind's\n"
                   "logical solver at the puzzle's own level. Exit 0 when that solves\n"
                   "it, 1 when not or when the file is rejected. With --steps it first\n"
                   "prints the logical path from the givens, one step a line, as the\n"
                   "game's Hint button names each step.\n";
    else
      std::cout << "zorvek show FILE [--as KIND]\n\nLoads FILE exactly as the game window of its "
                   "kind would (or of KIND,\nwith --as) and prints its header and grid. A file "
                   "the window would\nreject prints the window's message and exits 1.\n";
    return 0;
  }
  std::string file;
  const KindCommands* as = nullptr;
  bool steps = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (solve && args[i] == "--steps") {
      steps = true;
    } else if (args[i] == "--as") {
      if (solve) return BadArgument("unknown option '--as'");
      if (i + 1 >= args.size()) return BadArgument("missing value after '--as'");
      as = FindKind(args[++i]);
      if (!as) return BadArgument("unknown kind '" + args[i] + "'");
    } else if (!args[i].empty() && args[i][0] == '-') {
      return BadArgument("unknown option '" + args[i] + "'");
    } else if (file.empty()) {
      file = args[i];
    } else {
      return BadArgument("unexpected argument '" + args[i] + "'");
    }
  }
  if (file.empty()) return BadArgument(std::string(solve ? "solve" : "show") + " needs a FILE");
  if (!std::filesystem::exists(file)) return BadArgument("no such file '" + file + "'");
  // Enough for the largest record of any kind.
  const auto bytes = ReadFilePrefix(file, 1 << 16);
  const KindCommands* kind = as ? as : FindKindNumber(KindOfMagic(bytes.data(), bytes.size()));
  if (!kind) kind = kKinds[0];  // no known magic: any window reports it as unrecognized
  if (!solve) return kind->show(bytes);
  int code = 0;
  if (steps) {
    code = PrintSteps(file, kind->kind);
    if (code != 0 && code != 3) return code;
  }
  const int verdict = kind->solve(bytes);
  // Steps that stop short of the solution fail the run even when the solver gets there.
  return verdict != 0 ? verdict : (code == 3 ? 1 : 0);
}

int HintCommand(const std::vector<std::string>& args) {
  if (WantsHelp(args)) {
    std::cout << "zorvek hint FILE\n\nPrints the next logical step from the entries in FILE, as the\n"
                 "game's Hint button finds it: <Technique>: <conclusion> (<cells>), cells\n"
                 "written r<row>c<column> counted from 1 as the board shows them. A wrong\n"
                 "entry comes first. Exit 0 with a step or a solved puzzle, 1 when the file\n"
                 "is rejected or no logical step is left.\n";
    return 0;
  }
  std::string file;
  for (const std::string& a : args) {
    if (!a.empty() && a[0] == '-') return BadArgument("unknown option '" + a + "'");
    if (!file.empty()) return BadArgument("unexpected argument '" + a + "'");
    file = a;
  }
  if (file.empty()) return BadArgument("hint needs a FILE");
  if (!std::filesystem::exists(file)) return BadArgument("no such file '" + file + "'");
  const auto bytes = ReadFilePrefix(file, 1 << 16);
  const int number = KindOfMagic(bytes.data(), bytes.size());
  auto state = std::make_unique<AppState>();
  const KindDescriptor& kind = KindOf(number >= 0 && number < kPlayKinds ? number : 0);
  const std::string message = kind.load(*state, file);
  if (!message.empty()) {
    std::cout << message << "\n";
    return 1;
  }
  const std::unique_ptr<PlayAdapter> adapter = kind.playAdapter(*state);
  const Hint hint = adapter->NextHint();
  if (hint.Found()) {
    std::cout << HintLine(hint) << "\n";
    return 0;
  }
  if (Solved(*adapter)) {
    std::cout << "No hint: the puzzle is solved.\n";
    return 0;
  }
  std::cout << (hint.technique.empty() ? "No logical step found" : hint.technique) << "\n";
  return 1;
}

int Bank(const std::vector<std::string>& args) {
  if (WantsHelp(args)) {
    std::cout << "zorvek bank KIND [--which NAME] [--count N] [--seed S]\n\n"
                 "Writes N entries (default 1) of a stored puzzle bank, one per line,\n"
                 "made by the kind's own generator, to regenerate the banks in data/.\n";
    for (const KindCommands* k : kKinds)
      if (k->bank) std::cout << "  " << k->name << ": " << k->bankHelp << "\n";
    return 0;
  }
  if (args.empty()) return BadArgument("bank needs a KIND");
  const KindCommands* kind = FindKind(args[0]);
  if (!kind) return BadArgument("unknown kind '" + args[0] + "'");
  if (!kind->bank) return BadArgument(std::string(kind->name) + " keeps no stored bank");
  BankOptions options;
  options.seed = Random::ClockSeed();
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return BadArgument("missing value after '" + a + "'");
    const std::string& v = args[++i];
    long long n = 0;
    if (a == "--which") options.which = v;
    else if (a == "--variants") {
      if (!ParseInt(v, 1, 1000, n)) return BadArgument("bad --variants '" + v + "'");
      options.variants = static_cast<int>(n);
    }
    else if (a == "--count") {
      if (!ParseInt(v, 1, 1000000, n)) return BadArgument("bad --count '" + v + "'");
      options.count = static_cast<int>(n);
    } else if (a == "--seed") {
      if (!ParseSeed(v, options.seed)) return BadArgument("bad --seed '" + v + "'");
    } else {
      return BadArgument("unknown option '" + a + "'");
    }
  }
  return kind->bank(options);
}

}  // namespace
}  // namespace zorvek::cli

int main(int argc, char** argv) {
  using namespace zorvek::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--version" || args[0] == "-v")) {
    std::cout << "zorvek " << ZORVEK_VERSION << "\n";
    return 0;
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    MainHelp();
    return args.empty() ? 2 : 0;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "generate") return Generate(args);
  if (command == "show") return ShowOrSolve(args, false);
  if (command == "solve") return ShowOrSolve(args, true);
  if (command == "bank") return Bank(args);
  if (command == "hint") return HintCommand(args);
  if (command == "print") {
#ifdef ZORVEK_CLI_PRINT
    return PrintCommand(args, argc, argv);
#else
    std::cerr << "zorvek: this build has no printing (it was built without Qt)\n";
    return 1;
#endif
  }
  return BadArgument("unknown command '" + command + "'");
}
