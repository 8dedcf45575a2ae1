#include "ui/qt/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui::qt {
namespace {

double Dpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

int ToPixels(int twips) { return static_cast<int>(std::lround(twips * Dpi() / 1440.0)); }

int ToTwips(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / Dpi())); }

QPoint ToPixels(int x_twips, int y_twips) { return {ToPixels(x_twips), ToPixels(y_twips)}; }

QRect PixelRect(const Control& control) {
  return {ToPixels(control.Left()), ToPixels(control.Top()), ToPixels(control.Width()),
          ToPixels(control.Height())};
}

QFont ToQFont(const Font& font) {
  QFont out;
  if (font.family == "Courier New") {
    out.setFamilies({"Liberation Mono", "Courier New"});
    out.setStyleHint(QFont::TypeWriter);
  } else if (font.family == "MS Sans Serif") {
    out.setFamilies({"Liberation Sans", "Arial"});
    out.setStyleHint(QFont::SansSerif);
  } else {
    out.setFamily(QString::fromStdString(font.family));
  }
  out.setPointSizeF(font.size);
  out.setBold(font.bold);
  return out;
}

}  // namespace ui::qt
