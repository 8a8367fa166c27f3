#pragma once
// The Futoshiki play window: what Futoshiki adds to the common play window is
// its board of N x N squares with sign strips, clicks on the signs and the
// two pencil-mark commands over rows and columns.
#include "app/shell/playwindow.h"
#include "core/futoshiki/play.h"
#include "draw/futoshiki/board.h"

namespace zorvek::app {

class TfrmFutoshiki : public TPlayWindow {
  Q_OBJECT
 public:
  TfrmFutoshiki(THost& host, QWidget* parent);
  ~TfrmFutoshiki() override;

  const draw::futoshiki::FutoshikiBoard& futoshikiBoard() const { return board_; }

  // The screen's largest pitch, reached on wide windows.
  static constexpr int kMaxPitch = 90;

 protected:
  void LayoutBoard(QSize space) override;
  QString HeaderText() const override;
  int SizePreset() const override;
  bool BoardClick(const draw::BoardHit& hit, Qt::MouseButton button) override;

 private:
  // A left click on the sign strip of a cell; false when the strip holds no sign.
  bool SignClicked(const draw::BoardHit& hit);

  futoshiki::FutoshikiPlayAdapter adapter_;
  draw::futoshiki::FutoshikiBoard board_;
};

}  // namespace zorvek::app
