#pragma once
// The play rules every puzzle window shares: input modes, the undo ring,
// check / fill / clear, pencil-mark conversion, the typing cursor and the
// clock's state. A window maps mouse and keys onto these calls and paints
// what the adapter's blocks hold; the model never draws.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/play/hint.h"

namespace zorvek {

enum InputMode : int {
  kModeMouse = 0,
  kModeType = 1,
  kModeErase = 2,  // never stored: leaving it returns to the stored mode
};

enum class Arrow { Left, Right, Up, Down };

// A kind's view of its puzzle block. Coordinates are the kind's own grid; a
// position that is not a play cell (a clue square, the frame) answers false
// to IsCell and is never asked anything else.
class PlayAdapter {
 public:
  virtual ~PlayAdapter() = default;
  virtual int Rows() const = 0;
  virtual int Cols() const = 0;
  virtual bool IsCell(int r, int c) const = 0;
  virtual bool IsGiven(int r, int c) const = 0;
  virtual int Solution(int r, int c) const = 0;
  virtual int Entry(int r, int c) const = 0;
  virtual void SetEntry(int r, int c, int digit) = 0;
  // Pencil-mark and typed digits run MarkLow()..MarkHigh().
  virtual int MarkLow() const { return 1; }
  virtual int MarkHigh() const { return 9; }
  virtual bool Mark(int r, int c, int digit) const = 0;
  virtual void SetMark(int r, int c, int digit, bool on) = 0;
  virtual std::string Text(int r, int c) const = 0;
  virtual void SetText(int r, int c, std::string_view text) = 0;  // at most 9 characters
  virtual int Check(int r, int c) const = 0;  // 0 none, 1 correct, 2 wrong
  virtual void SetCheck(int r, int c, int mark) = 0;
  virtual std::uint8_t& TimerState() = 0;
  virtual std::int32_t& Elapsed() = 0;
  // "Add pencilmarks" and "Reduce pencilmarks", for the kinds that have them.
  virtual void AddPencilmarks() {}
  virtual void ReducePencilmarks() {}
  // The simplest next logical step from the entries (the kind's step finder).
  virtual Hint NextHint() const { return {}; }
};

// Keeps only the characters a typing box accepts (digits low..high), at most 9.
std::string FilterTyped(std::string_view text, int low = 1, int high = 9);

class PlayModel {
 public:
  static constexpr int kHistorySize = 1000;
  static constexpr int kMaxTextLength = 9;

  // inputMode is the kind's byte in the general settings block, so the mode
  // survives restarts.
  PlayModel(PlayAdapter& adapter, std::uint8_t& inputMode);
  ~PlayModel();
  PlayModel(const PlayModel&) = delete;
  PlayModel& operator=(const PlayModel&) = delete;

  PlayAdapter& adapter() { return adapter_; }
  int StoredMode() const { return inputMode_ == kModeType ? kModeType : kModeMouse; }
  bool Erasing() const { return erasing_; }
  // The mode whose buttons show as down.
  int ActiveMode() const { return erasing_ ? kModeErase : StoredMode(); }

  // --- history ---
  void ClearHistory();
  bool RecordMove();  // true when a move was recorded
  void Undo();
  int MoveNumber() const { return move_; }

  // --- commands ---
  void RefreshCommandButtons();
  void CheckAll();
  void FillAll();
  void ClearAll();
  // A click on a mode button (kModeMouse, kModeType or kModeErase).
  void ClickMode(int mode);
  void ConvertNotes(int targetMode);
  void InstallPuzzle();
  // "Add pencilmarks" (reduce false) or "Reduce pencilmarks": one move.
  void PencilCommand(bool reduce);
  // Takes the check outlines away (a click on the board, a new selection).
  void HideCheckDisplay();
  // The next logical step from the entries as they stand; none once the
  // grid is full.
  Hint NextHint() const;
  // Makes a hint's step as one move (what was typed first becomes a move
  // of its own, as Undo does it). False when there was nothing to make.
  bool MakeHint(const Hint& hint);

  // --- mouse ---
  void MouseClick(int r, int c, int digit, bool rightButton);
  // Erase drag passing over a cell; true when something was removed.
  bool EraseCell(int r, int c);

  // --- typing ---
  void SelectCell(int r, int c);
  // The typing box's new text; returns what was kept.
  std::string TypeText(std::string_view text);
  void MoveTypingCursor(Arrow arrow);
  void MoveToFirstEmpty();
  void ResetCursor();
  void CommitTypedEntry();
  bool HasCursor() const { return cursorCol_ >= 0; }
  int CursorRow() const { return cursorRow_; }
  int CursorCol() const { return cursorCol_; }
  bool TypingBoxVisible() const { return boxVisible_; }

  // --- clock ---
  void Pause();
  void Resume();
  void StartClock();
  // One 1000 ms tick; `shown` tells whether this kind's window is the one shown.
  void Tick(bool shown);
  // Before a modal dialog (create, print, save, load): clock off, grid hidden.
  void SuspendForDialog();
  void ResumeAfterDialog();

  bool IsFull() const;
  bool IsBlank() const;

  // Button and display states the window mirrors.
  bool checkEnabled = false, fillEnabled = true, clearEnabled = false;
  bool undoEnabled = false, pauseEnabled = true, pencilEnabled = true;
  bool checkDisplay = false, allCorrect = false;
  bool clockRunning() const { return clockRunning_; }
  bool clockGrey = false;
  bool paused = false;       // pause panel shown
  bool gridVisible = true;
  std::string clockText;

 private:
  struct SnapCell {
    std::uint8_t entry;
    std::uint8_t textLength;
    std::uint16_t marks;  // bit d for digit d
    char text[kMaxTextLength];
  };
  SnapCell* Slot(int move);
  std::uint8_t& SlotMode(int move);
  void Capture(SnapCell* slot) const;
  void Restore(const SnapCell* slot);
  bool Differs(const SnapCell* slot, int mode) const;
  void MarksFromText(int r, int c);
  void PlaceCursor(int r, int c);
  bool PlayCell(int r, int c) const { return adapter_.IsCell(r, c) && !adapter_.IsGiven(r, c); }

  PlayAdapter& adapter_;
  std::uint8_t& inputMode_;
  int rows_, cols_;
  std::unique_ptr<SnapCell[]> slots_;
  std::unique_ptr<std::uint8_t[]> slotModes_;
  int move_ = 1;
  int oldest_ = 1;
  int baseMove_ = 1;  // the position a puzzle was installed with
  bool erasing_ = false;
  int cursorRow_ = 0, cursorCol_ = -1;
  bool boxVisible_ = false;
  bool clockRunning_ = false;
};

}  // namespace zorvek
