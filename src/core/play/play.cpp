#include "core/play/play.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/common/types.h"

namespace zorvek {

std::string FilterTyped(std::string_view text, int low, int high) {
  std::string kept;
  for (char ch : text) {
    if (ch >= '0' + low && ch <= '0' + high && kept.size() < PlayModel::kMaxTextLength)
      kept.push_back(ch);
  }
  return kept;
}

PlayModel::PlayModel(PlayAdapter& adapter, std::uint8_t& inputMode)
    : adapter_(adapter),
      inputMode_(inputMode),
      rows_(adapter.Rows()),
      cols_(adapter.Cols()),
      slots_(new SnapCell[static_cast<std::size_t>(kHistorySize) * rows_ * cols_]()),
      slotModes_(new std::uint8_t[kHistorySize]()) {}

PlayModel::~PlayModel() = default;

PlayModel::SnapCell* PlayModel::Slot(int move) {
  return slots_.get() + static_cast<std::size_t>((move - 1) % kHistorySize) * rows_ * cols_;
}

std::uint8_t& PlayModel::SlotMode(int move) { return slotModes_[(move - 1) % kHistorySize]; }

void PlayModel::Capture(SnapCell* slot) const {
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      SnapCell& s = slot[r * cols_ + c];
      s = SnapCell{};
      if (!adapter_.IsCell(r, c)) continue;
      s.entry = static_cast<std::uint8_t>(adapter_.Entry(r, c));
      const std::string text = adapter_.Text(r, c);
      s.textLength = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), kMaxTextLength));
      std::memcpy(s.text, text.data(), s.textLength);
      for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d)
        if (adapter_.Mark(r, c, d)) s.marks |= static_cast<std::uint16_t>(1u << d);
    }
  }
}

void PlayModel::Restore(const SnapCell* slot) {
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      if (!adapter_.IsCell(r, c)) continue;
      const SnapCell& s = slot[r * cols_ + c];
      adapter_.SetEntry(r, c, s.entry);
      adapter_.SetText(r, c, std::string_view(s.text, s.textLength));
      for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d)
        adapter_.SetMark(r, c, d, (s.marks >> d) & 1u);
    }
  }
}

bool PlayModel::Differs(const SnapCell* slot, int mode) const {
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      if (!adapter_.IsCell(r, c)) continue;
      const SnapCell& s = slot[r * cols_ + c];
      if (s.entry != adapter_.Entry(r, c)) return true;
      if (mode == kModeType) {
        if (adapter_.Text(r, c) != std::string_view(s.text, s.textLength)) return true;
      } else {
        for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d)
          if (adapter_.Mark(r, c, d) != (((s.marks >> d) & 1u) != 0)) return true;
      }
    }
  }
  return false;
}

void PlayModel::ClearHistory() {
  for (int m = 1; m <= kHistorySize; ++m) {
    SlotMode(m) = static_cast<std::uint8_t>(StoredMode());
    std::fill_n(Slot(m), static_cast<std::size_t>(rows_) * cols_, SnapCell{});
  }
  move_ = 1;
  oldest_ = 1;
  baseMove_ = 1;
  RecordMove();
  // Undo never goes back beyond the position the puzzle arrived with.
  baseMove_ = move_;
  oldest_ = move_;
  undoEnabled = false;
}

bool PlayModel::RecordMove() {
  const int mode = StoredMode();
  if (SlotMode(move_) == mode && !Differs(Slot(move_), mode)) return false;
  ++move_;
  oldest_ = std::max(baseMove_, move_ <= kHistorySize ? 1 : move_ - (kHistorySize - 1));
  undoEnabled = move_ > oldest_;
  SlotMode(move_) = static_cast<std::uint8_t>(mode);
  Capture(Slot(move_));
  RefreshCommandButtons();
  return true;
}

void PlayModel::Undo() {
  // Text typed since the box was entered is a move of its own, as if the box had been left.
  if (StoredMode() == kModeType && boxVisible_) RecordMove();
  if (move_ <= oldest_) return;
  const bool hadCursor = StoredMode() == kModeType && HasCursor();
  const int row = cursorRow_, col = cursorCol_;
  CommitTypedEntry();
  --move_;
  undoEnabled = move_ > oldest_;
  inputMode_ = SlotMode(move_) == kModeType ? kModeType : kModeMouse;
  pencilEnabled = StoredMode() == kModeMouse;
  Restore(Slot(move_));
  HideCheckDisplay();
  RefreshCommandButtons();
  // Keep typing where the player was instead of dropping the typing box.
  if (hadCursor && StoredMode() == kModeType && !HasCursor() && PlayCell(row, col)) PlaceCursor(row, col);
}

bool PlayModel::IsFull() const {
  bool any = false;
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < cols_; ++c)
      if (PlayCell(r, c)) {
        any = true;
        if (adapter_.Entry(r, c) == 0) return false;
      }
  return any;
}

bool PlayModel::IsBlank() const {
  const int mode = StoredMode();
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      if (!adapter_.IsCell(r, c)) continue;
      if (!adapter_.IsGiven(r, c) && adapter_.Entry(r, c) != 0) return false;
      if (mode == kModeType && !adapter_.Text(r, c).empty()) return false;
      if (mode == kModeMouse)
        for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d)
          if (adapter_.Mark(r, c, d)) return false;
    }
  }
  return true;
}

void PlayModel::RefreshCommandButtons() {
  if (IsFull()) {
    CheckAll();
    checkEnabled = false;
    fillEnabled = false;
    clearEnabled = true;
    CommitTypedEntry();
    if (allCorrect && gridVisible && !paused) {
      // Solved: the clock stops for good, also in the saved state, so a
      // restart does not go on counting a finished puzzle.
      clockRunning_ = false;
      pauseEnabled = false;
      adapter_.TimerState() = kTimerStopped;
      clockGrey = true;
      clockText = FormatElapsed(adapter_.Elapsed());
    }
  } else if (IsBlank()) {
    checkEnabled = false;
    fillEnabled = true;
    clearEnabled = false;
  } else {
    checkEnabled = true;
    fillEnabled = true;
    clearEnabled = true;
  }
}

void PlayModel::MarksFromText(int r, int c) {
  const std::string text = adapter_.Text(r, c);
  for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d)
    adapter_.SetMark(r, c, d, text.find(static_cast<char>('0' + d)) != std::string::npos);
}

void PlayModel::CheckAll() {
  if (StoredMode() == kModeType) {
    ResetCursor();
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < cols_; ++c)
        if (PlayCell(r, c)) MarksFromText(r, c);
  }
  allCorrect = true;
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      if (!adapter_.IsCell(r, c)) continue;
      adapter_.SetCheck(r, c, 0);
      const int solution = adapter_.Solution(r, c);
      if (adapter_.IsGiven(r, c)) {
        adapter_.SetCheck(r, c, 1);
      } else if (const int entry = adapter_.Entry(r, c); entry != 0) {
        adapter_.SetCheck(r, c, entry == solution ? 1 : 2);
        if (entry != solution) allCorrect = false;
      } else {
        allCorrect = false;
        bool anyMark = false;
        for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d)
          anyMark = anyMark || adapter_.Mark(r, c, d);
        if (anyMark) adapter_.SetCheck(r, c, adapter_.Mark(r, c, solution) ? 1 : 2);
      }
    }
  }
  checkDisplay = true;
  checkEnabled = false;
}

void PlayModel::HideCheckDisplay() {
  if (!checkDisplay) return;
  checkDisplay = false;
  checkEnabled = true;
}

void PlayModel::FillAll() {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < cols_; ++c)
      if (adapter_.IsCell(r, c)) adapter_.SetEntry(r, c, adapter_.Solution(r, c));
  CommitTypedEntry();
  ResetCursor();
  HideCheckDisplay();
  RecordMove();
  clockRunning_ = false;
  adapter_.TimerState() = kTimerStopped;
  pauseEnabled = false;
  clockGrey = true;
  clockText = FormatElapsed(adapter_.Elapsed());
}

void PlayModel::ClearAll() {
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      if (!adapter_.IsCell(r, c)) continue;
      adapter_.SetCheck(r, c, 0);
      adapter_.SetEntry(r, c, 0);
      adapter_.SetText(r, c, "");
      for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d) adapter_.SetMark(r, c, d, false);
    }
  }
  CommitTypedEntry();
  HideCheckDisplay();
  RecordMove();
  pauseEnabled = true;
  clockGrey = false;
  adapter_.TimerState() = kTimerRunning;
  adapter_.Elapsed() = 0;
  clockText = FormatElapsed(0);
  StartClock();
  if (StoredMode() == kModeType) MoveToFirstEmpty();
}

void PlayModel::ConvertNotes(int targetMode) {
  HideCheckDisplay();
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      if (!PlayCell(r, c)) continue;
      if (targetMode == kModeType) {
        std::string text;
        for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d)
          if (adapter_.Mark(r, c, d) && text.size() < kMaxTextLength) text.push_back(static_cast<char>('0' + d));
        adapter_.SetText(r, c, text);
      } else {
        MarksFromText(r, c);
      }
    }
  }
}

void PlayModel::ClickMode(int mode) {
  // What was typed is a move of its own, and may be the one that solves the puzzle.
  if (mode == kModeErase && !erasing_ && StoredMode() == kModeType && boxVisible_) RecordMove();
  // Outlines belong to the position they judged; no mode keeps them.
  HideCheckDisplay();
  if (mode == kModeErase) {
    if (erasing_) return;
    CommitTypedEntry();
    ResetCursor();
    erasing_ = true;
    clockRunning_ = false;
    pauseEnabled = false;
    return;
  }
  if (erasing_) {
    erasing_ = false;
    pauseEnabled = adapter_.TimerState() != kTimerStopped;
    StartClock();
  }
  CommitTypedEntry();
  if (mode != StoredMode()) ConvertNotes(mode);
  HideCheckDisplay();
  inputMode_ = static_cast<std::uint8_t>(mode);
  pencilEnabled = mode == kModeMouse;
  ResetCursor();
  if (mode == kModeType) MoveToFirstEmpty();
  RefreshCommandButtons();
  RecordMove();
}

void PlayModel::PencilCommand(bool reduce) {
  reduce ? adapter_.ReducePencilmarks() : adapter_.AddPencilmarks();
  ResetCursor();
  RecordMove();
}

Hint PlayModel::NextHint() const {
  if (IsFull()) return {};
  return adapter_.NextHint();
}

bool PlayModel::MakeHint(const Hint& hint) {
  if (StoredMode() == kModeType && boxVisible_) RecordMove();
  const bool hadCursor = StoredMode() == kModeType && HasCursor();
  if (!ApplyHint(adapter_, hint)) return false;
  HideCheckDisplay();
  // The typing box shows the cell's new content, or moves on from a filled cell.
  if (hadCursor) {
    const int r = cursorRow_, c = cursorCol_;
    ResetCursor();
    if (adapter_.Entry(r, c) == 0) PlaceCursor(r, c); else MoveToFirstEmpty();
  }
  RecordMove();
  return true;
}

void PlayModel::InstallPuzzle() {
  erasing_ = false;
  ResetCursor();
  ClearHistory();
  HideCheckDisplay();
  checkDisplay = false;
  paused = false;
  gridVisible = true;
  clockGrey = false;
  pencilEnabled = StoredMode() == kModeMouse;
  switch (adapter_.TimerState()) {
    case kTimerPaused:
      pauseEnabled = true;
      clockText = FormatElapsed(adapter_.Elapsed());
      Pause();
      break;
    case kTimerStopped:
      clockRunning_ = false;
      pauseEnabled = false;
      clockGrey = true;
      clockText = FormatElapsed(adapter_.Elapsed());
      break;
    default:
      adapter_.TimerState() = kTimerRunning;
      clockText = FormatElapsed(adapter_.Elapsed());
      pauseEnabled = true;
      StartClock();
      break;
  }
  if (StoredMode() == kModeType && !paused) MoveToFirstEmpty();
  RefreshCommandButtons();
}

void PlayModel::MouseClick(int r, int c, int digit, bool rightButton) {
  if (!PlayCell(r, c) || digit < adapter_.MarkLow() || digit > adapter_.MarkHigh()) return;
  if (rightButton)
    adapter_.SetMark(r, c, digit, !adapter_.Mark(r, c, digit));
  else if (adapter_.Entry(r, c) != 0)
    adapter_.SetEntry(r, c, 0);
  else
    adapter_.SetEntry(r, c, digit);
  HideCheckDisplay();
  RecordMove();
}

bool PlayModel::EraseCell(int r, int c) {
  if (!PlayCell(r, c)) return false;
  bool changed = adapter_.Entry(r, c) != 0 || !adapter_.Text(r, c).empty();
  for (int d = adapter_.MarkLow(); d <= adapter_.MarkHigh(); ++d) {
    changed = changed || adapter_.Mark(r, c, d);
    adapter_.SetMark(r, c, d, false);
  }
  adapter_.SetEntry(r, c, 0);
  adapter_.SetText(r, c, "");
  return changed;
}

void PlayModel::SelectCell(int r, int c) {
  HideCheckDisplay();
  if (!PlayCell(r, c)) {
    CommitTypedEntry();
    RecordMove();
    return;
  }
  RecordMove();  // leaving the previous cell
  PlaceCursor(r, c);
}

std::string PlayModel::TypeText(std::string_view text) {
  std::string kept = FilterTyped(text, adapter_.MarkLow(), adapter_.MarkHigh());
  if (!HasCursor()) return kept;
  const std::string before = adapter_.Text(cursorRow_, cursorCol_);
  adapter_.SetText(cursorRow_, cursorCol_, kept);
  adapter_.SetEntry(cursorRow_, cursorCol_, kept.size() == 1 ? kept[0] - '0' : 0);
  // A digit typed into the last cell finishes the puzzle at once. Deleting
  // characters is an edit in progress: it waits until the cell is left, so
  // the box and the keystrokes still to come are not lost.
  const bool typedDigit = kept.size() == 1 && before.size() <= 1 && kept != before;
  if (typedDigit && IsFull()) RecordMove();
  // What is typed becomes a move when the box is left, or by Undo itself.
  if (!undoEnabled) undoEnabled = Differs(Slot(move_), StoredMode());
  return kept;
}

void PlayModel::MoveTypingCursor(Arrow arrow) {
  if (!HasCursor()) {
    MoveToFirstEmpty();
    return;
  }
  const int total = rows_ * cols_;
  const bool byColumn = arrow == Arrow::Up || arrow == Arrow::Down;
  const int step = (arrow == Arrow::Right || arrow == Arrow::Down) ? 1 : total - 1;
  // Cells are walked as one ring: row-major for Left/Right, column-major for Up/Down.
  auto toIndex = [&](int r, int c) { return byColumn ? c * rows_ + r : r * cols_ + c; };
  auto fromIndex = [&](int i, int& r, int& c) {
    if (byColumn) {
      c = i / rows_;
      r = i % rows_;
    } else {
      r = i / cols_;
      c = i % cols_;
    }
  };
  const bool full = IsFull();
  int index = toIndex(cursorRow_, cursorCol_);
  for (int n = 0; n < total; ++n) {
    index = (index + step) % total;
    int r, c;
    fromIndex(index, r, c);
    if (PlayCell(r, c) && (full || adapter_.Entry(r, c) == 0)) {
      HideCheckDisplay();
      RecordMove();
      PlaceCursor(r, c);
      return;
    }
  }
}

void PlayModel::MoveToFirstEmpty() {
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      if (PlayCell(r, c) && adapter_.Entry(r, c) == 0) {
        PlaceCursor(r, c);
        return;
      }
    }
  }
  ResetCursor();
}

void PlayModel::ResetCursor() {
  cursorCol_ = -1;
  boxVisible_ = false;
}

void PlayModel::CommitTypedEntry() {
  if (StoredMode() != kModeType || !boxVisible_) return;
  ResetCursor();
}

void PlayModel::PlaceCursor(int r, int c) {
  cursorRow_ = r;
  cursorCol_ = c;
  boxVisible_ = true;
  // The box opens on what the cell shows: a filled cell's entry, not the
  // notes kept under it (those come back as marks in Mouse mode).
  const int entry = adapter_.Entry(r, c);
  if (entry != 0 && adapter_.Text(r, c) != std::to_string(entry)) adapter_.SetText(r, c, std::to_string(entry));
}

void PlayModel::Pause() {
  clockRunning_ = false;
  gridVisible = false;
  CommitTypedEntry();
  paused = true;
}

void PlayModel::Resume() {
  paused = false;
  gridVisible = true;
  // A puzzle that arrived paused (from a file) runs from here on.
  if (adapter_.TimerState() == kTimerPaused) adapter_.TimerState() = kTimerRunning;
  clockText = FormatElapsed(adapter_.Elapsed());
  pauseEnabled = adapter_.TimerState() == kTimerRunning;
  StartClock();
  if (StoredMode() == kModeType && !erasing_) MoveToFirstEmpty();
}

void PlayModel::StartClock() {
  clockRunning_ = adapter_.TimerState() == kTimerRunning && !paused && gridVisible && !erasing_;
}

void PlayModel::Tick(bool shown) {
  if (!shown) {
    clockRunning_ = false;
    return;
  }
  if (!clockRunning_) return;
  clockText = FormatElapsed(adapter_.Elapsed());
  // A clock read from a file may already stand at the top of its range.
  if (adapter_.TimerState() != kTimerStopped && adapter_.Elapsed() < INT32_MAX) ++adapter_.Elapsed();
}

void PlayModel::SuspendForDialog() {
  clockRunning_ = false;
  CommitTypedEntry();
  gridVisible = false;
}

void PlayModel::ResumeAfterDialog() {
  gridVisible = !paused;
  clockText = FormatElapsed(adapter_.Elapsed());
  StartClock();
  if (StoredMode() == kModeType && !paused && !erasing_) {
    ResetCursor();
    MoveToFirstEmpty();
  }
}

}  // namespace zorvek
