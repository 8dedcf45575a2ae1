#pragma once
// Where the script driver's mouse and keyboard come from. On the xcb platform they are real
// input events that the X server delivers (XInput); elsewhere they are Qt events sent to the
// widget (QtEvents). Every call returns once the widgets have received what it sent.

#include <QPoint>
#include <QWidget>
#include <memory>
#include <string_view>

#include "ui/script/script.h"

namespace ui::qt {

class InputDevice {
 public:
  virtual ~InputDevice() = default;
  // Mouse steps at `at`, in `widget`'s coordinates.
  virtual void Click(QWidget& widget, QPoint at, Qt::MouseButton button) = 0;
  virtual void DoubleClick(QWidget& widget, QPoint at) = 0;
  // The pointer moves to `at`, no button pressed.
  virtual void Move(QWidget& widget, QPoint at) = 0;
  // A left-button drag: pressed at `from`, moved along `path`, released at its end.
  virtual void Drag(QWidget& widget, QPoint from, const std::vector<QPoint>& path) = 0;
  virtual void Wheel(QWidget& widget, QPoint at, int notches) = 0;
  // Keys, to the widget that has the focus (`target`, which the driver focused).
  virtual void Key(QWidget& target, const KeyStroke& key) = 0;
  virtual void Type(QWidget& target, std::string_view text) = 0;
};

// The device for the platform the application runs on.
std::unique_ptr<InputDevice> MakeInputDevice();
std::unique_ptr<InputDevice> MakeQtEvents();
std::unique_ptr<InputDevice> MakeXInput();

}  // namespace ui::qt
