#pragma once
// The save and open dialogs behind one small seam, so tests can answer them.
#include <QString>
#include <functional>

class QWidget;

namespace zorvek::app {

inline const char* const kOpenFilter = "Puzzle files (*.puz);;All files (*.*)";
inline const char* const kSaveFilter = "Puzzle files (*.puz)";

struct FileDialogRequest {
  bool save = false;
  QString suggestedName;  // save only, without extension
  QString filter;
};

// Returns the chosen path, or an empty string when the player cancels.
using FileDialogHook = std::function<QString(const FileDialogRequest&)>;
void SetFileDialogHook(FileDialogHook hook);

QString AskSaveFileName(QWidget* parent, const QString& suggestedName);
QString AskOpenFileName(QWidget* parent);

}  // namespace zorvek::app
