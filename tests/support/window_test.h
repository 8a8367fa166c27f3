#pragma once
// What a window test answers in place of a person: every message box is
// recorded and answered O.K. (or by answer_), every file dialog returns
// nextFile_ and a save dialog's proposal is kept in suggested_.
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "app/shell/filedialogs.h"
#include "app/shell/showmsg.h"

class WindowTest : public QObject {
 protected:
  void AnswerDialogs() {
    messages_.clear();
    nextFile_.clear();
    suggested_.clear();
    answer_ = nullptr;
    zorvek::app::SetMessageHook([this](const QString& text, int style) {
      messages_ << text;
      return answer_ ? answer_(text, style) : 1;
    });
    zorvek::app::SetFileDialogHook([this](const zorvek::app::FileDialogRequest& r) {
      if (r.save) suggested_ = r.suggestedName;
      return nextFile_;
    });
  }

  QTemporaryDir dir_;
  QStringList messages_;
  QString nextFile_, suggested_;
  std::function<int(const QString&, int)> answer_;
};
