#pragma once
// The HexKakuro play window: the hexagon board, clue clicks that narrow the
// neighbours' pencil marks, and what its combinations panel shows.
#include "app/shell/playwindow.h"
#include "core/hexkakuro/play.h"
#include "draw/hexkakuro/board.h"

namespace zorvek::app {

class TfrmHexKakuro : public TPlayWindow {
  Q_OBJECT
 public:
  TfrmHexKakuro(THost& host, QWidget* parent);
  ~TfrmHexKakuro() override;

  const draw::hexkakuro::HexKakuroBoard& hexBoard() const { return board_; }
  // The clue shown selected in Mouse mode; (0, 0) for none.
  int selectedRow() const { return board_.selectedRow(); }
  int selectedCol() const { return board_.selectedCol(); }

 protected:
  void LayoutBoard(QSize space) override;
  QString HeaderText() const override;
  int SizePreset() const override;
  bool BoardClick(const draw::BoardHit& hit, Qt::MouseButton button) override;
  void AfterUndo() override { ClearSelection(); }
  void AfterClear() override { ClearSelection(); }
  void AfterFill() override { ClearSelection(); }
  void AfterCheck() override { ClearSelection(); }
  void AfterModeChange() override { ClearSelection(); }
  void AfterInstall() override { ClearSelection(); }
  void AfterSync() override { RefreshNumbers(); }

 private:
  void ClearSelection() { board_.SetSelectedClue(0, 0); }
  // Fills one box with a clue's combinations; false (box left empty) for no clue.
  bool ShowClue(TCombinationsPanel* box, int r, int c);
  // The boxes follow the selected clue (Mouse) or the typing cursor's two clues (Type).
  void RefreshNumbers();

  hexkakuro::HexKakuroPlayAdapter adapter_;
  draw::hexkakuro::HexKakuroBoard board_;
};

}  // namespace zorvek::app
