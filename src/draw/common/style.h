#pragma once
// Colours, fonts and the view a board is painted for, shared by every kind's
// board on screen and on paper.
#include <QColor>
#include <QFont>
#include <QString>

class QPaintDevice;

namespace zorvek::draw {

inline const QColor kMarkYellow(255, 255, 0);
inline const QColor kPencilGrey(128, 128, 128);
inline const QColor kCheckGreen(0, 236, 0);
inline const QColor kCheckRed(249, 61, 6);
inline const QColor kGivenRed(255, 0, 0);
inline const QColor kSilver(192, 192, 192);
inline const QColor kPaperGrey(72, 72, 72);  // entries and solutions on paper
// Hints have a colour of their own, apart from the check colours and the
// selection blue.
inline const QColor kHintTint(150, 90, 255, 70);
inline const QColor kHintLine(120, 50, 220);
inline const QColor kHintText(90, 30, 170);

// What the board shows besides the puzzle block itself.
struct BoardView {
  bool paper = false;     // printed style: no marks, no cursor, no outlines
  int mode = 0;           // kModeMouse or kModeType (Erase draws as the stored mode)
  int cursorRow = -1;     // the typing cursor's cell in Type mode, or none
  int cursorCol = -1;
  bool checkDisplay = false;
  bool solution = false;  // paper: every cell shows its solution
  // Paper only, from the page model: the pen width of thin lines in device
  // pixels (heavy lines and frames twice it) and the digit font size in
  // points; 0 keeps the board's own.
  int paperLine = 0;
  int paperDigitPoints = 0;
};

// Where a point falls on a board: a cell and the part of it under the point
// (for Sudoku the pencil mini-digit 1..9).
struct BoardHit {
  bool inside = false;
  int row = -1, col = -1;
  int part = 0;
};

// Which mini-digit (1..9, row-major) of a square cell's 3 x 3 pencil grid
// lies at offset (x, y) inside a cell of the given size.
int MiniDigitAt(int x, int y, int cellSize);

QFont DrawingFont(double points, bool bold = false);

// The largest size from `start` down to `minimum` at which `text`, measured
// on `device`, fits a square of `side` device pixels.
int FitFontInSquare(const QString& text, int start, int minimum, int side, const QPaintDevice* device,
                    bool bold = false);
// The largest size from `start` down to `minimum` at which `text` is at most
// `width` device pixels wide.
int FitFontToWidth(const QString& text, int start, int minimum, int width, const QPaintDevice* device);

}  // namespace zorvek::draw
