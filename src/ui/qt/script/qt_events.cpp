// The input device of the platforms without a window system to go through (offscreen):
// Qt's own input events, sent to the widget as the platform would deliver them.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "ui/controls.h"
#include "ui/qt/script/input_device.h"
#include "ui/utf8.h"

namespace ui::qt {
namespace {

struct QtKey {
  Qt::Key key;
  QString text;
};

QtKey Named(int code) {
  switch (code) {
    case kKeyEnter:
      return {Qt::Key_Return, "\r"};
    case kKeyBackspace:
      return {Qt::Key_Backspace, "\b"};
    case kKeyEscape:
      return {Qt::Key_Escape, "\x1b"};
    case kKeyDelete:
      return {Qt::Key_Delete, QString(QChar(0x7f))};
    case kKeyF1:
      return {Qt::Key_F1, {}};
    case kKeyLeft:
      return {Qt::Key_Left, {}};
    case kKeyRight:
      return {Qt::Key_Right, {}};
    case kKeyUp:
      return {Qt::Key_Up, {}};
    case kKeyDown:
      return {Qt::Key_Down, {}};
    case kKeyHome:
      return {Qt::Key_Home, {}};
    case kKeyEnd:
      return {Qt::Key_End, {}};
    case kKeyPageUp:
      return {Qt::Key_PageUp, {}};
    case kKeyPageDown:
      return {Qt::Key_PageDown, {}};
    default:
      return {Qt::Key_Shift, {}};
  }
}

QtKey Character(int code_point) {
  const auto ucs4 = static_cast<char32_t>(code_point);
  const QString text = QString::fromUcs4(&ucs4, 1);
  if (code_point == ' ') return {Qt::Key_Space, text};
  const auto key =
      code_point < 0x10000 ? static_cast<Qt::Key>(text.toUpper().at(0).unicode()) : Qt::Key_unknown;
  return {key, text};
}

void Send(QWidget& target, QTest::KeyAction action, Qt::Key key, const QString& text,
          Qt::KeyboardModifiers modifiers) {
  QTest::sendKeyEvent(action, &target, key, text, modifiers);
}

class QtEvents final : public InputDevice {
 public:
  void Click(QWidget& widget, QPoint at, Qt::MouseButton button) override {
    // The pointer comes to the point first, as a user's does (an open list ignores a
    // release until the pointer has moved away from the click that opened it).
    QTest::mouseClick(&widget, button, {}, at);
  }
  void DoubleClick(QWidget& widget, QPoint at) override {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
  }
  void Move(QWidget& widget, QPoint at) override { QTest::mouseMove(&widget, at); }
  void Drag(QWidget& widget, QPoint from, const std::vector<QPoint>& path) override {
    QTest::mousePress(&widget, Qt::LeftButton, {}, from);
    for (const QPoint& p : path) QTest::mouseMove(&widget, p);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, path.empty() ? from : path.back());
  }
  void Wheel(QWidget& widget, QPoint at, int notches) override {
    for (int i = 0; i < std::abs(notches); ++i) {
      const QPoint delta(0, notches > 0 ? -120 : 120);
      QWheelEvent event(at, widget.mapToGlobal(at), {}, delta, Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(&widget, &event);
    }
  }
  void Key(QWidget& target, const KeyStroke& stroke) override {
    // The modifiers go down and come up as keys of their own, as on a keyboard.
    Qt::KeyboardModifiers held;
    if (stroke.ctrl) Hold(target, Qt::Key_Control, held, Qt::ControlModifier);
    if (stroke.shift && !(stroke.named && stroke.code == kKeyShift)) {
      Hold(target, Qt::Key_Shift, held, Qt::ShiftModifier);
    }
    QtKey key = stroke.named ? Named(stroke.code) : Character(stroke.code);
    if (stroke.ctrl) key.text = QString(QChar(key.key & 0x1f));  // Ctrl+A types 0x01
    Send(target, QTest::Press, key.key, key.text, held);
    Send(target, QTest::Release, key.key, key.text, held);
    if (stroke.shift && held & Qt::ShiftModifier) {
      held &= ~Qt::ShiftModifier;
      Send(target, QTest::Release, Qt::Key_Shift, {}, held);
    }
    if (stroke.ctrl) Send(target, QTest::Release, Qt::Key_Control, {}, Qt::NoModifier);
  }
  void Type(QWidget& target, std::string_view text) override {
    for (int code_point : CodePoints(text)) Key(target, KeyStroke{code_point});
  }

 private:
  static void Hold(QWidget& target, Qt::Key key, Qt::KeyboardModifiers& held,
                   Qt::KeyboardModifier modifier) {
    Send(target, QTest::Press, key, {}, held);
    held |= modifier;
  }
};

}  // namespace

std::unique_ptr<InputDevice> MakeQtEvents() { return std::make_unique<QtEvents>(); }

std::unique_ptr<InputDevice> MakeInputDevice() {
  if (QGuiApplication::platformName() == "xcb") return MakeXInput();
  return MakeQtEvents();
}

}  // namespace ui::qt
