#include "app/sudoku/sudokuwindow.h"

#include "app/shell/host.h"
#include "core/common/types.h"

namespace zorvek::app {

TfrmSudoku::TfrmSudoku(THost& host, QWidget* parent)
    : TPlayWindow(host, kKindSudoku, CommandMiddle::kPencilCommands, parent),
      adapter_(host.state().sudokuSettings, host.state().sudokuPuzzle),
      board_(host.state().sudokuPuzzle) {
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
