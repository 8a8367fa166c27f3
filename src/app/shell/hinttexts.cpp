#include "app/shell/hinttexts.h"

#include "core/common/types.h"
#include "core/futoshiki/play.h"
#include "core/shell/state.h"

namespace zorvek::app {
namespace {

const QString kMarker = QStringLiteral(">");

QStringList SudokuLines() {
  return {
      "Sudoku puzzles are number puzzles, solved in a 9 by 9 grid.",
      "Each row, each column and each small 3 by 3 outlined block must contain the digits 1 to 9.",
      "",
      "All puzzles produced by the Zorvek Number Puzzles program have unique solutions and can be solved using logical methods without guessing.",
      "",
      "The top 3 buttons on the left of the screen allow you to select between mouse, keyboard or erase mode.",
      "",
      "Mouse mode allows you to solve the puzzle just using your mouse rather than typing numbers via the keyboard.",
      "The digits 1 to 9 are shown for each square.",
      "Yellow means that the digit has been pencilled as a possible answer for that square.",
      "Left clicking within a white square fixes the clicked digit 1 to 9, or undoes a previously",
      "fixed digit and returns the square to show the underlying 1 to 9 grid.",
      "Right clicking within the 1 to 9 grid in a white square toggles the value between yellow and white.",
      "",
      "Keyboard mode allows you to type numbers in the grid.",
      "The selected square is shown in yellow. You may type the digits 1 to 9 in the square.",
      "",
      "Erase mode allows you to erase numbers in the grid. To erase a single square, click the square that you want to erase.",
      "To erase a group of squares, click the first square and hold down the mouse button while dragging the eraser over all squares to be erased.",
      "",
      "The next set of buttons are :",
      "",
      "   Clear all - to clear the entire puzzle. The timer is reset to allow you to restart the puzzle.",
      kMarker,
      "   Fill all - to fill the correct answers in the entire puzzle.",
      kMarker,
      "   Check all - to check the entire puzzle. Each square is outlined in red or green.",
      kMarker,
      "   Undo last move - to undo your previous moves, one at a time.",
      kMarker,
      "The next set of buttons, 'Add pencilmarks' and 'Reduce pencilmarks' are available in mouse mode only.",
      "The 'Add pencilmarks' button fills the pencilmarks, 1 to 9, (in yellow) for all squares that have not yet been filled.",
      "The 'Reduce pencilmarks' button removes the pencil marks from a square if there are any fixed or filled values",
      "within the row, column or 3x3 block.",
      "",
      "The next set of buttons are :",
      "",
      "   Print this puzzle - to print this puzzle, with options to print the solution and your partially filled answers.",
      kMarker,
      "   Save to file - to save this puzzle in its current state for later use.",
      kMarker,
      "   Load from file - to load a previously saved puzzle.",
      kMarker,
      "   Create new puzzle - to create a new Sudoku puzzle in any of 3 difficulty levels.",
      kMarker,
      "",
      "For more detailed information, please see the Help file by pressing the Help button at the top of the screen.",
      "",
  };
}

// Sudoku lines a..b (1-based, inclusive).
QStringList Sud(int a, int b) { return SudokuLines().mid(a - 1, b - a + 1); }

QStringList KakuroLines() {
  QStringList l;
  l << "Kakuro puzzles are number puzzles, solved in a crossword type grid."
    << "A number above the diagonal line in a black square represents the total of the numbers in the white squares"
    << "to the right of it. The white squares can contain any of the digits 1 to 9, but these digits cannot be repeated"
    << "more than once in a sequence. e.g. If the total is 4 and there are 2 white squares, the digits must be 1 and 3."
    << "Similarly, a number below the diagonal line is the sum of the digits in the white squares below it."
    << "";
  l << Sud(4, 8);
  l << "The digits 1 to 9 are shown for each white square.";
  l << Sud(10, 10);
  l << "Left clicking within a black square shows all possible combinations for the"
    << "total clicked and applies these possible combinations to the digits making up this total.";
  l << Sud(11, 15);
  l << "The selected square is shown in yellow, and the possible combinations for the across and down totals for"
    << "the selected square are shown at the left of the screen. You may type the digits 1 to 9 in the square.";
  l << Sud(17, 30);
  l << "The next section shows the possible combinations for the selected total(s), as described above for mouse and keyboard mode.";
  l << Sud(35, 43);
  l << "   Create new puzzle - to create a new Kakuro puzzle in any of 3 sizes and 3 difficulty levels.";
  l << Sud(45, 48);
  return l;
}

// The lines shared with Sudoku name the digits 1 to 9; a Futoshiki grid of
// size n holds 1 to n.
QStringList FutoshikiLines(int n) {
  QStringList l;
  l << "Futoshiki puzzles are number puzzles, solved in a square grid."
    << "Each row and column must contain the digits 1 to 5 for a 5x5 grid, 1 to 7 for a 7x7 grid, or 1 to 9 for a 9x9 grid."
    << "In addition, the puzzle has > and < symbols between some rows and columns, which mean that the"
    << "digit in the square must be greater than or less than the digit in the adjacent square.";
  const int own = int(l.size());
  l << Sud(3, 12);
  l << "Left clicking any of the > or < symbols reduces the pencilmarks in the adjacent squares to agree with the symbol.";
  l << Sud(13, 33);
  l << "within the row or column.";
  l << Sud(35, 43);
  l << "   Create new puzzle - to create a new Futoshiki puzzle in any of 3 sizes and 3 difficulty levels.";
  l << Sud(45, 48);
  const QString range = QStringLiteral("1 to %1").arg(n);
  for (int i = own; i < l.size(); ++i) l[i].replace(QStringLiteral("1 to 9"), range);
  return l;
}

QStringList HexKakuroLines() {
  QStringList l = KakuroLines();
  auto set = [&l](int n, const char* text) { l[n - 1] = QString::fromUtf8(text); };
  set(1, "HexKakuro puzzles are number puzzles, similar to Kakuro, but solved in a grid of hexagons.");
  set(2, "A number in a black hexagon represents the total of the numbers in the surrounding white hexagons");
  set(3, "The white hexagons can contain any of the digits 1 to 9, but these digits cannot be repeated");
  set(4, "more than once in a sequence.");
  set(5, "");
  set(12, "The digits 1 to 9 are shown for each white hexagon.");
  set(13, "Yellow means that the digit has been pencilled as a possible answer for that hexagon.");
  set(14, "Left clicking within a black hexagon shows all possible combinations for the");
  set(16, "Left clicking within a white hexagon fixes the clicked digit 1 to 9, or undoes a previously");
  set(18, "Right clicking within the 1 to 9 grid in a white hexagon toggles the value between yellow and white.");
  set(21, "The selected hexagon is shown in yellow, and the possible combinations for the across and down totals for");
  set(22, "the selected hexagon are shown at the left of the screen. You may type the digits 1 to 9 in the hexagon.");
  set(24, "Erase mode allows you to erase numbers in the grid. To erase a single hexagon, click the hexagon that you want to erase.");
  set(25, "To erase a group of hexagons, click the first hexagon and hold down the mouse button while dragging the eraser over all hexagons to be erased.");
  set(33, "   Check all - to check the entire puzzle. Each hexagon is outlined in red or green.");
  set(47, "   Create new puzzle - to create a new HexKakuro puzzle in any of 2 sizes and 3 difficulty levels.");
  return l;
}

}  // namespace

namespace {

struct HintEntry {
  int kind;
  const char* title;
  QStringList (*lines)(const AppState&);
};

constexpr HintEntry kHints[] = {
    {kKindSudoku, "Sudoku - Instructions", [](const AppState&) { return SudokuLines(); }},
    {kKindKakuro, "Kakuro - Instructions", [](const AppState&) { return KakuroLines(); }},
    {kKindFutoshiki, "Futoshiki - Instructions",
     [](const AppState& s) { return FutoshikiLines(futoshiki::PlaySize(s.futoshikiSettings)); }},
    {kKindHexKakuro, "HexKakuro - Instructions", [](const AppState&) { return HexKakuroLines(); }},
};

}  // namespace

HintText HintTextFor(int kind, const AppState& state) {
  for (const HintEntry& e : kHints)
    if (e.kind == kind) return {QString::fromLatin1(e.title), e.lines(state)};
  return {QString::fromLatin1(kHints[0].title), kHints[0].lines(state)};
}

QStringList BuildParagraphs(const QStringList& lines) {
  QStringList memo;
  QString accumulator;
  bool first = true;
  for (const QString& line : lines) {
    if (line.isEmpty()) {
      if (!accumulator.trimmed().isEmpty()) {
        if (!first) memo << QString();
        memo << accumulator;
        accumulator.clear();
        first = false;
      }
    } else if (line == kMarker) {
      if (!accumulator.trimmed().isEmpty()) {
        memo << accumulator;
        accumulator.clear();
      }
    } else {
      accumulator += line + QLatin1Char(' ');
    }
  }
  return memo;
}

}  // namespace zorvek::app
