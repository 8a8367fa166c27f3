#pragma once
// The main window: the selector strip and, below it, the window of the kind
// being played. It owns the application state and hands it to every window.
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"
#include "core/shell/state.h"
#include "app/shell/host.h"

class QLabel;

namespace zorvek::app {

class TfrmAllPrint;
class TfrmQuickHints;
class TPlayWindow;

// One panel of the selector strip.
class SelectorPanel : public QWidget {
  Q_OBJECT
 public:
  SelectorPanel(const QString& caption, QWidget* parent);
  void SetSelected(bool selected);
  QString caption() const { return caption_; }
 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QString caption_;
  bool selected_ = false;
};

// The page the main window shows after the four kinds: batch create-and-print.
// It is a page of the strip, not a puzzle kind.
inline constexpr int kBatchPrintPage = kPlayKinds;

struct MainOptions {
  MainOptions(QString statePath = {}, bool randomSeedFromClock = true, std::uint64_t seed = 1,
              QString openFile = {})
      : statePath(std::move(statePath)), randomSeedFromClock(randomSeedFromClock), seed(seed),
        openFile(std::move(openFile)) {}
  QString statePath;  // empty: beside the program, or the per-user data folder
  bool randomSeedFromClock;
  std::uint64_t seed;
  QString openFile;  // a .puz file to load into its kind's window once shown
  // How long after a move the state is written; one write covers every
  // change made meanwhile.
  int autosaveMs = 3000;
};

class TfrmMain : public QWidget, public THost {
  Q_OBJECT
 public:
  explicit TfrmMain(const MainOptions& options = {});
  ~TfrmMain() override;

  AppState& state() override { return *state_; }
  Random& random() override { return random_; }
  int currentKind() const override { return currentKind_; }
  int spacingUnit() const { return spacingUnit_; }
  bool resizing() const { return resizing_; }
  void setResizing(bool on) { resizing_ = on; }
  // Size preset i (0..2) of the screen the window was first shown on.
  QSize preset(int i) const { return QSize(presetW_[i], presetH_[i]); }
  int selectorHeight() const { return selectorHeight_; }
  QRect kindArea() const;
  TfrmQuickHints* hints() const override { return hints_; }
  // "Print puzzle", shared by every play window.
  TfrmAllPrint* printDialog() const override { return printDialog_; }
  // The play window of a kind (null while the kind has none), or any kind's page.
  TPlayWindow* playWindow(int kind) const;
  QWidget* kindWindow(int kind) const { return kindWindows_[kind]; }
  SelectorPanel* panel(int index) const { return panels_[index]; }
  const QString& statePath() const { return statePath_; }
  bool stateWasLoaded() const { return stateLoaded_; }

  // A kind panel click (0..3, 4 print); 5 is Help.
  void PanelClick(int index);
  // True while a play window is in Erase mode: the strip ignores clicks.
  bool EraseActive() const;
  void SetStripCursor(const QCursor* cursor) override;
  void SetStripVisible(bool visible) override;
  QWidget* hostWindow() override { return this; }
  void EnsurePreset(int preset, bool force) override;
  bool SaveStateNow() override;
  // A move, or a new or loaded puzzle: the state is written a few seconds
  // later, so a crash or a power cut costs seconds of play, not the session.
  void StateChanged() override;
  // Shows the window of the file's kind (by its record's kind letter) and
  // loads the file there; a file of no kind gets the current window's message.
  void OpenPuzzleFile(const QString& path);
  void ShowHelp();

  // Presets from a screen height (exposed for tests).
  static void ComputePresets(int screenHeight, int (&h)[3], int (&w)[3]);
  // Where the state is read and written. Beside the program when that folder
  // is writable; otherwise it is written to the per-user folder and read from
  // there once a file exists, else from beside the program, so an installed
  // copy keeps the player's puzzles and still finds a state shipped with it.
  struct StatePaths {
    QString load, save;
  };
  static StatePaths ChooseStatePaths(const QString& programDir, const QString& userDir);

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void LayoutStrip();
  // Keeps the whole window, frame included, on the screen it is on.
  void FitToScreen();

  std::unique_ptr<AppState> state_;
  Random random_;
  QString statePath_;  // written on close
  QString stateLoadPath_;
  QString openFile_;
  bool stateLoaded_ = false;
  int currentKind_ = kKindSudoku;
  int spacingUnit_ = 20;
  int selectorHeight_ = 30;
  bool resizing_ = false;
  bool created_ = false;
  bool shownOnce_ = false;
  bool saved_ = false;
  bool closing_ = false;
  QTimer autosave_;
  int presetH_[3] = {600, 600, 600};
  int presetW_[3] = {700, 700, 700};
  std::array<SelectorPanel*, kPlayKinds + 2> panels_{};  // the kinds, Help, Print
  std::array<QWidget*, kPlayKinds + 1> kindWindows_{};   // the kinds' windows, the batch page
  TfrmQuickHints* hints_ = nullptr;
  TfrmAllPrint* printDialog_ = nullptr;
  QWidget* help_ = nullptr;
};

}  // namespace zorvek::app
