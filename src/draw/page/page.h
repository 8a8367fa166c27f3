#pragma once
// The printed page: slot boxes for 1, 2 or 6 puzzles, the edge tables a
// renderer lays its grid out in, text placed in table cells, the title line
// and the digit fonts. Everything is measured on the device being printed
// to, so a page looks the same on a printer, in a PDF or in a test image.
#include <QFont>
#include <QRect>
#include <QString>
#include <array>

class QPainter;
class QPaintDevice;

namespace zorvek::draw::page {

// Horizontal and vertical text alignment in a table cell.
enum HAlign : int { kLeft = 0, kCentre = 1, kRight = 2 };
enum VAlign : int { kTop = 0, kMiddle = 1, kBottom = 2 };

// Both face names the pages ask for resolve to Liberation Sans, the face with
// Arial's metrics, so fitted sizes do not depend on the platform's fallback.
void RegisterPrintFonts();
QFont PrintFont(const char* face, int points, bool bold = false);
inline constexpr const char* kAriel = "Ariel";
inline constexpr const char* kSmallFonts = "Small Fonts";

class PrintCanvas {
 public:
  static constexpr int kEdges = 101;

  // The painter is active on a device whose page is width x height pixels.
  PrintCanvas(QPainter& painter, int pageWidth, int pageHeight);

  QPainter& painter() const { return painter_; }
  const QPaintDevice* device() const;

  const int PageWidth;
  const int PageHeight;
  const int PrintUnit;  // thin pen width and the base of every margin
  const int Band;       // height of the text band under the puzzles

  std::array<int, kEdges> ColumnEdges{};
  std::array<int, kEdges> RowEdges{};
  bool ShrinkToFit = false;
  bool FontWasShrunk = false;

  // White over the whole page.
  void ClearPage();
  // Slot k (1-based) of a page of perPage (1, 2 or 6) puzzles; a solution
  // slot keeps one text band more margin, so its grid prints smaller.
  QRect SlotBox(int perPage, int slot, bool solution) const;
  // A square pitch for cols x rows cells in the box, the edge tables filled
  // from the box corner at that pitch and shifted to centre the grid; returns
  // the pitch. Grids needing more than 100 edges are cut at the table.
  int PlaceGrid(const QRect& box, int cols, int rows, int pitch);

  // Text in the cell from (ColumnEdges[col], RowEdges[row]) to the next
  // edges, with the painter's current font and pen, clipped to the cell.
  void DrawCellText(int col, int row, int hAlign, const QString& text, int vAlign);
  void DrawSpanText(int colLeft, int colRight, int rowTop, const QString& text, int vAlign, int hAlign,
                    int rowBottom);
  void DrawHLine(int x1, int y, int x2);
  void DrawVLine(int x, int y1, int y2);

  // The title line under the last grid of the page (its bottom edge given).
  void DrawTitle(int lastGridBottom, const QString& text);
  // The point size the title is drawn at: 12 bold, lowered while wider than
  // the page, never below 8.
  int TitlePoints(const QString& text) const;
  // Digit size from 40 points down until "9" fits three quarters of `box`.
  int FitDigitPoints(int box) const;

 private:
  void DrawTextIn(const QRect& cell, int hAlign, const QString& text, int vAlign);

  QPainter& painter_;
};

// "Sudoku Puzzles by Zorvek Number Puzzles      Difficulty : Hard".
QString PageTitle(const char* kindName, int difficulty);

}  // namespace zorvek::draw::page
