#pragma once
// Colours and measures every window of the game shares.
#include <QColor>
#include <QFont>

class QWidget;

namespace zorvek::app {

inline const QColor kBackground(255, 255, 202);  // light yellow of all windows
inline const QColor kHintsBackground(255, 255, 176);
inline const QColor kNavy(0, 0, 128);
inline const QColor kClockGrey(128, 128, 128);

// Spacing unit from the screen's logical pixels per inch: 20 up to 96,
// 30 above 120, 25 between.
int SpacingUnitForDpi(double dpi);

// Fills a widget's background with the given colour.
void PaintBackground(QWidget* w, const QColor& colour = kBackground);
}  // namespace zorvek::app
