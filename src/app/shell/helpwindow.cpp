#include "app/shell/helpwindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTextBrowser>

#include "app/shell/appstyle.h"

namespace zorvek::app {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("Zorvek Number Puzzles - Help"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
  PaintBackground(this);
  resize(860, 600);
  lbContents_ = new QListWidget(this);
  lbContents_->setObjectName(QStringLiteral("lbContents"));
  lbContents_->setFixedWidth(200);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("hbPage"));
  browser_->setSearchPaths({QStringLiteral(":/help")});
  browser_->setOpenExternalLinks(false);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(lbContents_);
  layout->addWidget(browser_, 1);

  // contents.txt: one "file|title" per line, in reading order.
  QFile index(QStringLiteral(":/help/contents.txt"));
  if (index.open(QIODevice::ReadOnly | QIODevice::Text)) {
    for (const QString& line : QString::fromUtf8(index.readAll()).split(QLatin1Char('\n'))) {
      const int bar = line.indexOf(QLatin1Char('|'));
      if (bar <= 0) continue;
      files_ << line.left(bar).trimmed();
      lbContents_->addItem(line.mid(bar + 1).trimmed());
    }
  }
  connect(lbContents_, &QListWidget::currentRowChanged, this, &THelpWindow::ShowPage);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    const int row = files_.indexOf(url.fileName());
    if (row >= 0 && row != lbContents_->currentRow()) {
      const QSignalBlocker block(lbContents_);
      lbContents_->setCurrentRow(row);
    }
  });
  if (!files_.isEmpty()) lbContents_->setCurrentRow(0);
}

void THelpWindow::ShowPage(int index) {
  if (index < 0 || index >= files_.size()) return;
  browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + files_[index]));
}

}  // namespace zorvek::app
