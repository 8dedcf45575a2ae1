#pragma once
// Twips to pixels and the fonts the screens ask for. A pixel is 15 twips at 96 dpi; on a
// screen of another logical resolution the twips scale with it. "MS Sans Serif" is drawn in
// Liberation Sans and "Courier New" in Liberation Mono (metric-compatible), both from
// fonts-liberation, so that a picture is the same on every machine that has them.

#include <QFont>
#include <QPoint>
#include <QRect>

#include "ui/control.h"

namespace ui::qt {

int ToPixels(int twips);
int ToTwips(int pixels);
QPoint ToPixels(int x_twips, int y_twips);
QRect PixelRect(const Control& control);
QFont ToQFont(const Font& font);

}  // namespace ui::qt
