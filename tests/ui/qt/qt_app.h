#pragma once
// The QApplication of the Qt tests (offscreen platform, set by the test helper): made
// before the first test and destroyed after the last, before Qt's own globals go. QtGallery
// shows the gallery (one control of each kind) on the Qt desktop.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "ui/qt/qt_desktop.h"
#include "ui/qt/render.h"
#include "vantelor-gallery/gallery.h"

namespace ui_test {

QApplication& App();

class QtGallery : public ::testing::Test {
 protected:
  QtGallery() {
    App();
    gallery.Load();
    window->show();
  }
  ~QtGallery() override { ui::Control::ClearFocus(); }
  // The widget that shows `control`, as a W.
  template <typename W>
  static W* Widget(const ui::Control& control) {
    return qobject_cast<W*>(ui::qt::WidgetFor(control));
  }

  ui::qt::QtDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  ui::GalleryForm gallery;
  std::unique_ptr<QWidget> window = ui::qt::CreateWindow(gallery);
};

}  // namespace ui_test
