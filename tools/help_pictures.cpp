// Draws the pictures of the hint glossary (data/help/hints.html). Each is a
// real position: puzzles made with fixed seeds are played by hints alone, and
// wherever the kind's step finder names a wanted technique first, that
// position is painted by the kind's own board with the hint over it, as the
// second press of Hint shows it. Of those, the one with the fewest outlined
// cells away from the tinted ones is kept. The same seeds give the same
// pictures, so a run after a change to a board or a finder shows exactly what
// changed.
//
//   QT_QPA_PLATFORM=offscreen help_pictures [OUT_DIR]   (default data/help)
//
// Prints one line a picture (file, where it came from, the hint as
// `zorvek hint` prints it) and exits 1 when a technique was not found.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/futoshiki/play.h"
#include "core/hexkakuro/generator.h"
#include "core/hexkakuro/play.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/play.h"
#include "core/play/hint.h"
#include "core/play/play.h"
#include "core/sudoku/generator.h"
#include "core/sudoku/play.h"
#include "core/sudoku/solver.h"
#include "draw/futoshiki/board.h"
#include "draw/hexkakuro/board.h"
#include "draw/kakuro/board.h"
#include "draw/sudoku/board.h"

namespace zorvek {
namespace {

// A picture wanted: the clearest hint whose technique starts with `prefix`.
struct Wanted {
  Wanted(const char* prefix, const char* stem) : prefix(prefix), stem(stem) {}
  const char* prefix;
  const char* stem;  // hint_<kind>_<stem>.png
  int clutter = -1;  // the kept picture's Clutter(); -1 while none
  QImage image;
  std::string line;  // where it came from and its hint, for the log
};

// Fonts are fitted on the image the board is painted into, so layout and
// painting measure on the same kind of device.
const QImage& Probe() {
  static const QImage probe(8, 8, QImage::Format_RGB32);
  return probe;
}

// The outlined cells away from the tinted ones. A hint's removals include
// those of the steps after its first, so a long chain scatters dashed cells
// over the board that the technique's picture does not explain.
int Clutter(const Hint& hint) {
  std::vector<HintCell> away;
  auto note = [&](const HintCell& c) {
    if (std::find(hint.cells.begin(), hint.cells.end(), c) == hint.cells.end() &&
        std::find(away.begin(), away.end(), c) == away.end())
      away.push_back(c);
  };
  for (const HintRemoval& r : hint.removals) note(r.cell);
  note(hint.target);
  return static_cast<int>(away.size());
}

class Pictures {
 public:
  Pictures(QString dir, const char* kind, std::vector<Wanted> wanted)
      : dir_(std::move(dir)), kind_(kind), wanted_(std::move(wanted)) {}

  // Plays hints from the adapter's position to the end, painting the
  // position before each wanted hint that is clearer than the one kept.
  void Walk(PlayAdapter& adapter, const draw::Board& board, const std::string& source) {
    for (int step = 0; step < 1000; ++step) {
      const Hint hint = adapter.NextHint();
      if (!hint.Found()) return;
      Offer(hint, board, source);
      if (!ApplyHint(adapter, hint)) return;
    }
  }

  // Writes the pictures kept; the number of techniques no position showed.
  int Save() const {
    int missing = 0;
    for (const Wanted& w : wanted_) {
      if (w.clutter < 0) {
        std::fprintf(stderr, "%s: no position found for \"%s\"\n", kind_, w.prefix);
        ++missing;
        continue;
      }
      const QString name = QStringLiteral("hint_%1_%2.png").arg(QLatin1String(kind_), QLatin1String(w.stem));
      const QString path = QDir(dir_).filePath(name);
      // Few colours besides the antialiased edges: an 8-bit palette keeps the
      // files a few kilobytes without a visible change.
      if (!w.image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither).save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++missing;
        continue;
      }
      std::printf("%s  %s\n", qPrintable(name), w.line.c_str());
    }
    return missing;
  }

 private:
  void Offer(const Hint& hint, const draw::Board& board, const std::string& source) {
    if (hint.type != Hint::Type::Placement) return;
    for (Wanted& w : wanted_) {
      if (hint.technique.rfind(w.prefix, 0) != 0) continue;
      const int clutter = Clutter(hint);
      if (w.clutter >= 0 && clutter >= w.clutter) return;
      w.clutter = clutter;
      w.image = QImage(board.Size(), QImage::Format_RGB32);
      w.image.fill(Qt::white);
      QPainter p(&w.image);
      // Type mode without a cursor: digits only, no clickable mini-grids.
      draw::BoardView view;
      view.mode = kModeType;
      board.Paint(p, view);
      board.PaintHint(p, hint, true);
      w.line = "[" + source + "]  " + HintLine(hint);
      return;
    }
  }

  QString dir_;
  const char* kind_;
  std::vector<Wanted> wanted_;
};

void Play(Pictures& pictures, sudoku::SudPuzzle& puzzle, const std::string& source) {
  sudoku::SudSettings settings{};
  sudoku::SudokuPlayAdapter adapter(settings, puzzle);
  draw::sudoku::SudokuBoard board(puzzle);
  board.Layout(30, &Probe());
  pictures.Walk(adapter, board, source);
}

// Generated puzzles, then Hard ones from the stored pool. None of these needs
// a box/line reduction or a naked subset before its next single, so those
// come from two positions made for the purpose (the finder's own test cases).
int SudokuPictures(const QString& dir) {
  using namespace sudoku;
  Pictures pictures(dir, "sudoku",
                    {{"Naked single", "naked_single"},
                     {"Hidden single in box", "hidden_single"},
                     {"Pointing pair", "pointing_pair"},
                     {"Box/line reduction", "box_line_reduction"},
                     {"Naked pair", "naked_pair"}});
  std::uint8_t used[kPoolSize] = {};
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    const bool fromPool = seed > 8;
    const int difficulty = seed <= 4 ? kEasy : kHard;
    Random random(seed);
    Generator generator(random);
    SolverBoard solved;
    SudPuzzle puzzle{};
    while (!((fromPool ? generator.PuzzleFromPool(solved, used) : generator.GeneratePuzzle(difficulty, solved)) &&
             generator.FinalizePuzzle(difficulty, solved, puzzle))) {
    }
    Play(pictures, puzzle, (fromPool ? "pool, seed " : "generated, seed ") + std::to_string(seed));
  }
  const char* solution = "581493672396271845274865319429718563837546921165932784948327156653184297712659438";
  for (const char* givens : {"5........39...1..52......1......8.6.8..........5.3...49...2.1.....1...977..6..43.",
                             "58...36....6.........865.......18....3..4.9...6.9.2....4..2.....53..429.........."}) {
    SudPuzzle puzzle{};
    for (int i = 0; i < 81; ++i) {
      SudCell& c = puzzle.cells[i / 9][i % 9];
      c.solution = solution[i] - '0';
      c.given = givens[i] != '.';
      c.entry = static_cast<std::uint8_t>(c.given * c.solution);
    }
    Play(pictures, puzzle, "made position");
  }
  return pictures.Save();
}

int FutoshikiPictures(const QString& dir) {
  using namespace futoshiki;
  Pictures pictures(dir, "futoshiki",
                    {{"Naked single", "naked_single"},
                     {"Hidden single", "hidden_single"},
                     {"Sign bound", "sign_bound"},
                     {"Sign chain", "sign_chain"},
                     {"Naked pair", "naked_pair"}});
  // 5 x 5 reads best at a picture's size. A naked pair is rarely needed
  // first there, but seed 345 needs one.
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    Random random(seed);
    CreateProgress progress;
    FutGrid grid{};
    const int difficulty = seed % 2 ? kHard : kMedium;
    if (!CreateFutoshikiForPrint(random, progress, difficulty, 5, grid, nullptr)) continue;
    FutHeader header{};
    header.size = 5;
    header.difficulty = static_cast<std::uint8_t>(difficulty);
    FutoshikiPlayAdapter adapter(header, grid);
    draw::futoshiki::FutoshikiBoard board(header, grid);
    board.Layout(51, &Probe());
    pictures.Walk(adapter, board, "5x5, seed " + std::to_string(seed));
  }
  return pictures.Save();
}

// The techniques Kakuro and HexKakuro share through one run engine. Not
// "Naked single": a cell with one candidate left is caught first as crossing
// runs, as every white cell lies in two runs.
std::vector<Wanted> RunTechniques(bool nakedPair) {
  std::vector<Wanted> wanted = {{"Last cell of", "last_cell"},
                                {"Crossing runs", "crossing_runs"},
                                {"One place left", "one_place_left"},
                                {"Only combination", "only_combination"},
                                {"Digits allowed", "digits_allowed"},
                                {"No way to make", "no_way_to_make"}};
  if (nakedPair) wanted.push_back({"Naked pair", "naked_pair"});
  return wanted;
}

int KakuroPictures(const QString& dir) {
  using namespace kakuro;
  Pictures pictures(dir, "kakuro", RunTechniques(true));
  // The rarer techniques come late: a naked pair first at seed 275, no way
  // to make at 557 after a long chain and at 1157 after one step.
  for (std::uint64_t seed = 1; seed <= 1200; ++seed) {
    Random random(seed);
    CreateProgress progress;
    KakHeader header{};
    KakGrid grid{};
    if (!CreateKakuroForPrint(random, progress, static_cast<int>(seed % 3), 7, 7, header, grid)) continue;
    KakuroPlayAdapter adapter(header, grid);
    draw::kakuro::KakuroBoard board(header, grid);
    board.Layout(30, &Probe());
    pictures.Walk(adapter, board, "7x7, seed " + std::to_string(seed));
  }
  return pictures.Save();
}

int HexKakuroPictures(const QString& dir) {
  using namespace hexkakuro;
  // Short runs leave no naked pair to find first (none in 3000 seeds); no way
  // to make shows at seed 820.
  Pictures pictures(dir, "hexkakuro", RunTechniques(false));
  for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
    Random random(seed);
    CreateProgress progress;
    HexGrid grid{};
    const int level = static_cast<int>(seed % 3);
    if (!CreateHexKakuroForPrint(random, progress, level, 9, 9, grid)) continue;
    HexHeader settings{static_cast<std::uint8_t>(level), {}, 9, 9, 0, kTimerRunning, {}};
    HexKakuroPlayAdapter adapter(settings, grid);
    draw::hexkakuro::HexKakuroBoard board(settings, grid);
    board.Fit(QSize(300, 280), &Probe());
    pictures.Walk(adapter, board, "9x9, seed " + std::to_string(seed));
  }
  return pictures.Save();
}

}  // namespace
}  // namespace zorvek

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data/help");
  if (!QDir(dir).exists()) {
    std::fprintf(stderr, "no such folder: %s\n", qPrintable(dir));
    return 2;
  }
  int missing = 0;
  for (const auto& make : {zorvek::SudokuPictures, zorvek::FutoshikiPictures, zorvek::KakuroPictures,
                           zorvek::HexKakuroPictures})
    missing += make(dir);
  return missing == 0 ? 0 : 1;
}
