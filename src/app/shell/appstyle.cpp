#include "app/shell/appstyle.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QWidget>

namespace zorvek::app {

int SpacingUnitForDpi(double dpi) {
  if (dpi <= 96) return 20;
  if (dpi > 120) return 30;
  return 25;
}

void PaintBackground(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void SetApplicationIdentity() {
  QApplication::setApplicationName(QStringLiteral("ZorvekNumberPuzzles"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
}

}  // namespace zorvek::app
