// The input device of the platforms without a window system to go through (offscreen): Qt's
// own input events, sent to the widget under the point as the window passes on a platform's.
// Qt's test library is not used, so that no program needs it: Qt treats the events that come
// from the platform (spontaneous ones) apart in one way that matters to a script, the focus a
// press gives, which the press below gives itself; a pointer that only moves goes through the
// platform (QCursor::setPos), which turns it into a move event of its own.

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "ui/controls.h"
#include "ui/qt/script/input_device.h"
#include "text/text.h"

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

// A press sent from inside the program is offered to the shortcuts first by Qt itself
// (QApplication::notify sends the ShortcutOverride), as a press from the platform is.
void SendKey(QWidget& target, QEvent::Type type, Qt::Key key, const QString& text,
             Qt::KeyboardModifiers modifiers) {
  QKeyEvent event(type, key, modifiers, text);
  QCoreApplication::sendEvent(&target, &event);
}

// Qt gives the focus on a press from the platform only (QApplication::notify, spontaneous
// events): to the first widget from the one under the pointer up to its window that takes the
// focus on a click, unless one on the way has it already. A script's click on a text box or a
// list row focuses it as a user's does.
void GiveClickFocus(QWidget& widget, QPoint at) {
  for (QWidget* w = &widget; w; w = w->parentWidget()) {
    QWidget* proxy = w;
    while (proxy->focusProxy()) proxy = proxy->focusProxy();
    const bool takes_it = w->focusPolicy() & proxy->focusPolicy() & Qt::ClickFocus;
    if (w->isEnabled() && w->rect().contains(at) && takes_it) {
      w->setFocus(Qt::MouseFocusReason);
      return;
    }
    if (w->isWindow() || proxy->hasFocus()) return;
    at += w->pos();
  }
}

// `held`: the buttons down once the event has happened, as Qt counts them.
void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
    GiveClickFocus(widget, at);
  }
  QMouseEvent event(type, at, widget.mapTo(widget.window(), at), widget.mapToGlobal(at), button,
                    held, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

class QtEvents final : public InputDevice {
 public:
  void Click(QWidget& widget, QPoint at, Qt::MouseButton button) override {
    SendMouse(widget, QEvent::MouseButtonPress, at, button, button);
    SendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
  }
  // The platform's sequence: press, release, double-click (the second press), release.
  void DoubleClick(QWidget& widget, QPoint at) override {
    Click(widget, at, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  }
  // The offscreen platform delivers the move to the window under the new position, which
  // passes it on to the widget there (an open list highlights the item under the pointer).
  void Move(QWidget& widget, QPoint at) override {
    QCursor::setPos(widget.mapToGlobal(at));
    QCoreApplication::processEvents();
  }
  void Drag(QWidget& widget, QPoint from, const std::vector<QPoint>& path) override {
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint& p : path) {
      SendMouse(widget, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    }
    SendMouse(widget, QEvent::MouseButtonRelease, path.empty() ? from : path.back(), Qt::LeftButton,
              Qt::NoButton);
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
    SendKey(target, QEvent::KeyPress, key.key, key.text, held);
    SendKey(target, QEvent::KeyRelease, key.key, key.text, held);
    if (stroke.shift && held & Qt::ShiftModifier) {
      held &= ~Qt::ShiftModifier;
      SendKey(target, QEvent::KeyRelease, Qt::Key_Shift, {}, held);
    }
    if (stroke.ctrl) SendKey(target, QEvent::KeyRelease, Qt::Key_Control, {}, Qt::NoModifier);
  }
  void Type(QWidget& target, std::string_view text) override {
    for (int code_point : ::text::CodePoints(text)) Key(target, KeyStroke{code_point});
  }

 private:
  static void Hold(QWidget& target, Qt::Key key, Qt::KeyboardModifiers& held,
                   Qt::KeyboardModifier modifier) {
    SendKey(target, QEvent::KeyPress, key, {}, held);
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
