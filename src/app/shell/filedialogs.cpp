#include "app/shell/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace zorvek::app {
namespace {
FileDialogHook& Hook() {
  static FileDialogHook hook;
  return hook;
}
// The folder of the last file saved or loaded, offered again next time.
QString& LastFolder() {
  static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return folder;
}
QString Remember(const QString& path) {
  if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
  return path;
}
}  // namespace

void SetFileDialogHook(FileDialogHook hook) { Hook() = std::move(hook); }

QString AskSaveFileName(QWidget* parent, const QString& suggestedName) {
  const FileDialogRequest request{true, suggestedName, QString::fromLatin1(kSaveFilter)};
  if (Hook()) return Hook()(request);
  QFileDialog dialog(parent, QStringLiteral("Save to file"), LastFolder(), request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("puz"));
  dialog.selectFile(suggestedName + QStringLiteral(".puz"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return Remember(dialog.selectedFiles().first());
}

QString AskOpenFileName(QWidget* parent) {
  const FileDialogRequest request{false, QString(), QString::fromLatin1(kOpenFilter)};
  if (Hook()) return Hook()(request);
  QFileDialog dialog(parent, QStringLiteral("Load from file"), LastFolder(), request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("puz"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return Remember(dialog.selectedFiles().first());
}

}  // namespace zorvek::app
