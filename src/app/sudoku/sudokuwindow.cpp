#include "app/sudoku/sudokuwindow.h"

#include "app/shell/mainwindow.h"
#include "core/common/types.h"

namespace zorvek::app {

TfrmSudoku::TfrmSudoku(TfrmMain& main, QWidget* parent)
    : TPlayWindow(main, kKindSudoku, CommandMiddle::kPencilCommands, parent),
      adapter_(main.state().sudokuSettings, main.state().sudokuPuzzle),
      board_(main.state().sudokuPuzzle) {
  setObjectName(QStringLiteral("frmSudoku"));
  AttachBoard(adapter_, board_);
}

TfrmSudoku::~TfrmSudoku() = default;

void TfrmSudoku::LayoutBoard(QSize space) {
  board_.Layout(draw::sudoku::SudokuBoard::CellSizeFor(space, 70), dgPuzzle());
}

QString TfrmSudoku::HeaderText() const {
  return QString::fromLatin1(DifficultyWord(adapter_.settings().difficulty)) + QStringLiteral(" Sudoku puzzle");
}

}  // namespace zorvek::app
