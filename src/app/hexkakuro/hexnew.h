#pragma once
// The HexKakuro create dialog: a difficulty and one of the two sizes, then
// the limited create loop on a worker. It cannot be cancelled once started.
#include <functional>

#include "app/shell/createdialog.h"
#include "core/common/random.h"
#include "core/hexkakuro/generator.h"
#include "core/hexkakuro/record.h"

namespace zorvek::app {

class TfrmHexNew : public TKindCreateDialog {
  Q_OBJECT
 public:
  using Creator = std::function<hexkakuro::HexCreateResult(Random&, CreateProgress&, int level, int rows, int cols,
                                                           hexkakuro::HexHeader&, hexkakuro::HexGrid&)>;

  TfrmHexNew(THost& host, QWidget* parent);
  void FollowPuzzle() override;
  // The rows and columns the size buttons stand for.
  int ChosenRows() const;
  int ChosenCols() const;
  // The engine loop the dialog runs; tests put one here that fails.
  void SetCreator(Creator creator) { creator_ = std::move(creator); }

 protected:
  std::function<Outcome()> PrepareJob(AppState& state) override;
  void Commit(AppState& state, bool success) override;

 private:
  // The worker builds into copies; the state changes only on success.
  hexkakuro::HexHeader workSettings_{};
  hexkakuro::HexGrid workGrid_{};
  Creator creator_;
};

}  // namespace zorvek::app
