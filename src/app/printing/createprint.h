#pragma once
// The "Print" panel's page: choose pages of new puzzles for each kind, then
// create them on worker threads and print them with optional solution pages.
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "draw/page/booklet.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zorvek::app {

class THost;
class PrintTarget;

class TfrmCreatePrint : public QWidget {
  Q_OBJECT
 public:
  TfrmCreatePrint(THost& host, QWidget* parent);
  ~TfrmCreatePrint() override;

  // Sets every control from the remembered choices and lists the printers.
  void FormShow();
  void bnCreateClick();
  void bnCancelClick();
  bool Working() const { return run_ != nullptr; }
  // Between the last puzzle and the last page.
  bool Printing() const { return printing_.isActive(); }
  const batch::BatchRun* run() const { return run_.get(); }
  // The choices as remembered in the state.
  batch::BatchChoices Choices() const;
  // Threads a batch runs on (0: one per core); tests fix it.
  void SetThreadCount(int threads) { threads_ = threads; }
  // Called after a batch ends: printed, cancelled or failed (tests wait on it).
  std::function<void()> onFinished;

  struct KindPanel {
    QGroupBox* panel = nullptr;
    std::array<QRadioButton*, 2> rbSize{};
    std::array<QRadioButton*, 3> rbDiff{};
    QSpinBox* spnPages = nullptr;
  };
  std::array<KindPanel, 4> kinds;
  QComboBox* cbPrinters;
  QCheckBox* cbAnswers;
  QPushButton* bnCreate;
  QWidget* PanelChoices;
  QWidget* PanelWorking;
  QLabel *lblCreating, *lblProgress;
  QProgressBar* pgCreate;
  QPushButton* bnCancel;

 private:
  void BuildKindPanel(int kind);
  void Store();
  void PollBatch();
  void FinishBatch();
  void PrintNextSheet();
  void EndBatch();
  void ShowWorking(bool working);

  THost& host_;
  std::unique_ptr<batch::BatchRun> run_;
  // Opened before the puzzles are created; pages go out one per turn of the
  // event loop, so the page repaints while a printer takes them.
  std::unique_ptr<PrintTarget> target_;
  int sheet_ = 0;
  bool solutions_ = false;
  QTimer poll_;
  QTimer printing_;
  int threads_ = 0;
  bool loading_ = false;
};

}  // namespace zorvek::app
