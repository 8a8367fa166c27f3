#pragma once
// The short instructions of each kind, line by line: text, "" for an empty
// line, ">" to end a paragraph without a blank line after it.
#include <QString>
#include <QStringList>

namespace zorvek {
struct AppState;
}

namespace zorvek::app {

struct HintText {
  QString title;
  QStringList lines;
};

// The text of a kind as its current puzzle has it (Futoshiki names its grid's digits).
HintText HintTextFor(int kind, const AppState& state);

// Joins the lines into the paragraphs the instructions window shows.
QStringList BuildParagraphs(const QStringList& lines);

}  // namespace zorvek::app
