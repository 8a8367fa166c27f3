#pragma once
// Colours and measures every window of the game shares, and the name and
// icon it shows itself with.
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

// The application's name and icon. No display name: the platform would add
// it to every window caption, and each window carries its own caption.
void SetApplicationIdentity();
}  // namespace zorvek::app
