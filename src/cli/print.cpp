// zorvek print: one puzzle file, or a booklet of new puzzles, to a PDF file
// or a platform printer, painted by the game's own page renderers.
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli.h"
#include "core/common/puzfile.h"
#include "core/common/random.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"
#include "draw/page/booklet.h"

namespace zorvek::cli {
namespace {

using draw::page::PrintCanvas;
using SheetPainter = std::function<void(PrintCanvas&, int)>;

void PrintHelp() {
  std::cout <<
      "zorvek print FILE.puz [--solution] [--partial] (--out FILE.pdf | --printer NAME)\n"
      "zorvek print [--sudoku PAGES:LEVEL] [--kakuro PAGES:LEVEL:SIZE]\n"
      "             [--futoshiki PAGES:LEVEL:SIZE] [--hexkakuro PAGES:LEVEL:SIZE]\n"
      "             [--solutions] [--seed S] [--threads N] (--out FILE.pdf | --printer NAME)\n"
      "zorvek print --list-printers\n\n"
      "The first form prints the puzzle in FILE as its window's \"Print this puzzle\"\n"
      "does: the puzzle in the upper half of the page, with --partial the player's\n"
      "entries in it, with --solution the solved grid below. The second creates\n"
      "a booklet as the \"Print\" page does: PAGES 0..4 per kind, LEVEL\n"
      "easy|medium|hard, SIZE 1 (6 per page: Kakuro 7x9, Futoshiki 5x5, HexKakuro\n"
      "9x9) or 2 (2 per page: 11x13, 9x9, 11x13); puzzle pages kind by kind, then\n"
      "with --solutions the solution pages. Without --seed each booklet is new;\n"
      "the seed used is named on stderr, and the same --seed gives the same\n"
      "booklet again, on any number of threads (default: one per core).\n";
}

int Bad(const std::string& what) {
  std::cerr << "zorvek: " << what << " (try 'zorvek print --help')\n";
  return 2;
}

int Level(const std::string& word) {
  for (int d = kEasy; d <= kHard; ++d) {
    std::string w = DifficultyWord(d);
    std::transform(w.begin(), w.end(), w.begin(), [](unsigned char c) { return std::tolower(c); });
    if (word == w) return d;
  }
  return -1;
}

// PAGES:LEVEL or PAGES:LEVEL:SIZE into a batch choice.
bool ParseChoice(const std::string& text, bool withSize, batch::BatchKindChoice& out) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = text.find(':', start);
    parts.push_back(text.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  if (parts.size() != (withSize ? 3u : 2u)) return false;
  if (parts[0].size() != 1 || parts[0][0] < '0' || parts[0][0] > '4') return false;
  out.pages = parts[0][0] - '0';
  out.difficulty = Level(parts[1]);
  if (out.difficulty < 0) return false;
  out.size = 0;
  if (withSize) {
    if (parts[2] != "1" && parts[2] != "2") return false;
    out.size = parts[2] == "2" ? 1 : 0;
  }
  return true;
}

// The PDF file or the named printer, opened before anything is created for
// it; false after printing the reason.
class Output {
 public:
  bool Open(const std::string& out, const std::string& printer) {
    name_ = out.empty() ? printer : out;
    if (!out.empty()) return Check(writer_.OpenPdf(QString::fromStdString(out)));
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printer));
    if (info.isNull()) {
      std::cerr << "zorvek: no printer named '" << printer << "' (see 'zorvek print --list-printers')\n";
      return false;
    }
    device_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    device_->setDocName(QString::fromLatin1(draw::page::kDocumentTitle));
    device_->setCreator(QString::fromLatin1(draw::page::kDocumentTitle));
    device_->setPageOrientation(QPageLayout::Portrait);
    if (!device_->isValid()) {
      std::cerr << "zorvek: the printer '" << printer << "' cannot be used\n";
      return false;
    }
    return Check(writer_.OpenDevice(*device_, QString::fromStdString(printer)));
  }

  bool Print(int sheets, const SheetPainter& paint) {
    bool ok = true;
    for (int i = 0; ok && i < sheets; ++i)
      ok = writer_.PaintSheet([&](PrintCanvas& canvas) { paint(canvas, i); });
    return Check(ok && writer_.Finish());
  }

  const std::string& name() const { return name_; }

 private:
  bool Check(bool ok) {
    if (!ok) std::cerr << "zorvek: " << writer_.error().toStdString() << "\n";
    return ok;
  }

  std::unique_ptr<QPrinter> device_;
  draw::page::SheetWriter writer_;
  std::string name_;
};

int PrintFile(const std::string& file, bool solution, bool partial, Output& output) {
  if (!std::filesystem::exists(file)) {
    std::cerr << "zorvek: " << file << " does not exist\n";
    return 1;
  }
  const auto head = ReadFilePrefix(file, sizeof(PuzHeader));
  const int kind = KindOfMagic(head.data(), head.size());
  if (kind < kKindSudoku || kind > kKindHexKakuro) {
    std::cerr << "zorvek: " << file << " is not a puzzle file\n";
    return 1;
  }
  auto state = std::make_unique<AppState>();
  const std::string message = KindOf(kind).load(*state, file);
  if (!message.empty()) {
    std::cerr << "zorvek: " << file << ": " << message << "\n";
    return 1;
  }
  if (!draw::page::CanPrintKind(kind)) {
    std::cerr << "zorvek: " << KindName(kind) << " puzzles cannot be printed in this build\n";
    return 1;
  }
  if (!output.Print(1, [&](PrintCanvas& canvas, int) {
        draw::page::PrintCurrentPuzzle(canvas, *state, kind, solution, partial);
      }))
    return 1;
  std::cout << KindName(kind) << " puzzle printed to " << output.name() << "\n";
  return 0;
}

int PrintBooklet(const batch::BatchChoices& choices, bool solutions, std::uint64_t seed, int threads,
                 Output& output) {
  AnnounceSeed(seed);
  Stopwatch creating;
  batch::BatchRun run(choices, seed, batch::BatchBanks{});
  run.Start(threads > 0 ? threads : std::max<int>(std::thread::hardware_concurrency(), 1));
  run.Wait();
  const long long createMs = creating.Milliseconds();
  Stopwatch painting;
  const int sheets = run.SheetCount(solutions);
  if (!output.Print(sheets, [&](PrintCanvas& canvas, int sheet) { draw::page::PrintBatchSheet(canvas, run, sheet, solutions); }))
    return 1;
  std::cout << run.Total() << " puzzles created in " << createMs << " ms, " << sheets << " pages painted in "
            << painting.Milliseconds() << " ms to " << output.name() << "\n";
  return 0;
}

}  // namespace

int PrintCommand(const std::vector<std::string>& args, int argc, char** argv) {
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") {
      PrintHelp();
      return 0;
    }
  std::string file, out, printer;
  bool solution = false, partial = false, solutions = false, list = false, booklet = false;
  std::uint64_t seed = 0;
  bool haveSeed = false;
  long long threads = 0;
  batch::BatchChoices choices;
  const char* const kindOptions[4] = {"--sudoku", "--kakuro", "--futoshiki", "--hexkakuro"};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& v) {
      if (i + 1 >= args.size()) return false;
      v = args[++i];
      return true;
    };
    std::string v;
    const auto kindOption = std::find(std::begin(kindOptions), std::end(kindOptions), a);
    if (kindOption != std::end(kindOptions)) {
      const int kind = static_cast<int>(kindOption - std::begin(kindOptions));
      if (!value(v) || !ParseChoice(v, kind != kKindSudoku, choices[kind]))
        return Bad("bad " + a + " '" + v + "': " + (kind == kKindSudoku ? "PAGES:LEVEL" : "PAGES:LEVEL:SIZE") +
                   " with PAGES 0..4, LEVEL easy|medium|hard" + (kind == kKindSudoku ? "" : ", SIZE 1|2"));
      booklet = true;
    } else if (a == "--solution") {
      solution = true;
    } else if (a == "--partial") {
      partial = true;
    } else if (a == "--solutions") {
      solutions = true;
    } else if (a == "--list-printers") {
      list = true;
    } else if (a == "--seed") {
      if (!value(v) || !ParseSeed(v, seed)) return Bad("bad --seed '" + v + "'");
      haveSeed = true;
    } else if (a == "--threads") {
      if (!value(v) || !ParseInt(v, 1, 64, threads)) return Bad("bad --threads '" + v + "'");
    } else if (a == "--out") {
      if (!value(out) || out.empty()) return Bad("missing file after --out");
    } else if (a == "--printer") {
      if (!value(printer) || printer.empty()) return Bad("missing name after --printer");
    } else if (!a.empty() && a[0] == '-') {
      return Bad("unknown option '" + a + "'");
    } else if (file.empty()) {
      file = a;
    } else {
      return Bad("unexpected argument '" + a + "'");
    }
  }
  // Fonts and printers need a GUI application, never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's own warnings (a runtime folder not set, a painter refused) are not
  // for this tool's user: every failure gets its own one-line message.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
  });
  QGuiApplication app(argc, argv);
  if (list) {
    for (const QString& name : QPrinterInfo::availablePrinterNames()) std::cout << name.toStdString() << "\n";
    return 0;
  }
  if (out.empty() == printer.empty()) return Bad("give exactly one of --out FILE.pdf and --printer NAME");
  if (!file.empty() && booklet) return Bad("print either a FILE or a booklet, not both");
  if (!file.empty() && solutions) return Bad("a single puzzle takes --solution, not --solutions");
  if (file.empty()) {
    if (!booklet) return Bad("print needs a FILE or at least one of --sudoku, --kakuro, --futoshiki, --hexkakuro");
    if (solution || partial) return Bad("--solution and --partial belong to a single FILE");
    if (batch::BatchTotal(choices) == 0) return Bad("no puzzles selected: give a kind at least one page");
  }
  if (!haveSeed) seed = Random::ClockSeed();
  // The file or printer is checked before a puzzle is made for it.
  Output output;
  if (!output.Open(out, printer)) return 1;
  if (!file.empty()) return PrintFile(file, solution, partial, output);
  return PrintBooklet(choices, solutions, seed, static_cast<int>(threads), output);
}

}  // namespace zorvek::cli
