#pragma once
// The QApplication of the Qt tests (offscreen platform, set by the test helper): made
// before the first test and destroyed after the last, before Qt's own globals go.

#include <QApplication>

namespace ui_test {

QApplication& App();

}  // namespace ui_test
