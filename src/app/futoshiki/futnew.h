#pragma once
// The Futoshiki create dialog: a difficulty and a grid size, then the create
// loop on a worker.
#include "app/shell/createdialog.h"
#include "core/futoshiki/generator.h"

namespace zorvek::app {

class TfrmFutNew : public TKindCreateDialog {
  Q_OBJECT
 public:
  TfrmFutNew(THost& host, QWidget* parent);
  void FollowPuzzle() override;
  // The grid size the size buttons name: 5, 7 or 9.
  int GridSize() const;

 protected:
  std::function<Outcome()> PrepareJob(AppState& state) override;
  void Commit(AppState& state, bool success) override;

 private:
  // The worker builds into copies; the state changes only after the run.
  futoshiki::FutHeader workHeader_{};
  futoshiki::FutGrid workGrid_{};
  std::uint8_t workMedium9_[futoshiki::kBankSize]{};
  std::uint8_t workHard9_[futoshiki::kBankSize]{};
  std::uint8_t workHard7_[futoshiki::kBankSize]{};
};

}  // namespace zorvek::app
