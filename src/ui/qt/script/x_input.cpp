// The input device of the xcb platform: real pointer and keyboard events, made by xdotool
// (the XTEST extension) and delivered by the X server to whichever window is under the
// pointer or has the keyboard focus, as a user's are. X11 only: the one file that knows it.

#include <xcb/xcb.h>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QWindow>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "ui/controls.h"
#include "ui/qt/script/input_device.h"
#include "ui/qt/script/screen_check.h"
#include "text/text.h"

namespace ui::qt {
namespace {

QString KeySym(const KeyStroke& stroke) {
  QString name;
  if (!stroke.named) {
    const auto ucs4 = static_cast<char32_t>(stroke.code);
    name = QString::fromUcs4(&ucs4, 1);
    if (stroke.code == ' ') name = "space";
  } else {
    switch (stroke.code) {
      case kKeyEnter:
        name = "Return";
        break;
      case kKeyBackspace:
        name = "BackSpace";
        break;
      case kKeyEscape:
        name = "Escape";
        break;
      case kKeyDelete:
        name = "Delete";
        break;
      case kKeyF1:
        name = "F1";
        break;
      case kKeyLeft:
        name = "Left";
        break;
      case kKeyRight:
        name = "Right";
        break;
      case kKeyUp:
        name = "Up";
        break;
      case kKeyDown:
        name = "Down";
        break;
      case kKeyHome:
        name = "Home";
        break;
      case kKeyEnd:
        name = "End";
        break;
      case kKeyPageUp:
        name = "Prior";
        break;
      case kKeyPageDown:
        name = "Next";
        break;
      default:
        name = "Shift_L";
        break;
    }
  }
  if (stroke.shift && !(stroke.named && stroke.code == kKeyShift)) name = "shift+" + name;
  if (stroke.ctrl) name = "ctrl+" + name;
  return name;
}

// Counts the releases (keys, buttons, wheel turns) that the X server delivers, as they come
// off the connection: before Qt, which drops input for windows under a modal one, so that a
// step waits until everything it sent has arrived. Modifier keys are counted apart.
class Deliveries : public QAbstractNativeEventFilter {
 public:
  Deliveries() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    connection_ = x11 ? x11->connection() : nullptr;
    if (connection_) ReadModifiers();
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~Deliveries() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
  long keys = 0, modifiers = 0, buttons = 0;

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
      case XCB_KEY_RELEASE: {
        const auto code = reinterpret_cast<const xcb_key_release_event_t*>(event)->detail;
        ++(modifier_codes_.count(code) ? modifiers : keys);
        break;
      }
      case XCB_BUTTON_RELEASE:
        ++buttons;
        break;
      case XCB_GE_GENERIC:
        // Qt reads the pointer through the XInput 2 extension: its ButtonRelease is 5.
        if (reinterpret_cast<const xcb_ge_generic_event_t*>(event)->event_type == 5) ++buttons;
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void ReadModifiers() {
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr);
    if (!reply) return;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply);
    for (int i = 0; i < xcb_get_modifier_mapping_keycodes_length(reply); ++i) {
      if (codes[i]) modifier_codes_.insert(codes[i]);
    }
    free(reply);
  }
  xcb_connection_t* connection_ = nullptr;
  std::set<xcb_keycode_t> modifier_codes_;
};

class XInput final : public InputDevice {
 public:
  void Click(QWidget& widget, QPoint at, Qt::MouseButton button) override {
    const QString number = button == Qt::RightButton ? "3" : button == Qt::MiddleButton ? "2" : "1";
    Pointer(widget, at, {"click", number}, &Deliveries::buttons, 1);
  }
  void DoubleClick(QWidget& widget, QPoint at) override {
    // Not the third click of one started by the click before (the one that gave the focus).
    while (last_click_.isValid() &&
           last_click_.elapsed() < QApplication::doubleClickInterval() + 50) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    Pointer(widget, at, {"click", "--repeat", "2", "--delay", "80", "1"}, &Deliveries::buttons, 2);
  }
  void Move(QWidget& widget, QPoint at) override {
    QProcess xdotool;
    xdotool.start("xdotool", MoveTo(widget, at));
    xdotool.waitForFinished(10000);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  void Drag(QWidget& widget, QPoint from, const std::vector<QPoint>& path) override {
    QStringList args = MoveTo(widget, from);
    args << "mousedown"
         << "1";
    for (const QPoint& p : path) args << MoveTo(widget, p);
    args << "mouseup"
         << "1";
    Run(args, &Deliveries::buttons, 1);
  }
  void Wheel(QWidget& widget, QPoint at, int notches) override {
    if (notches == 0) return;
    const QString button = notches > 0 ? "5" : "4";
    Pointer(widget, at,
            {"click", "--repeat", QString::number(std::abs(notches)), "--delay", "20", button},
            &Deliveries::buttons, std::abs(notches));
  }
  void Key(QWidget&, const KeyStroke& stroke) override {
    const bool lone_modifier = stroke.named && stroke.code == kKeyShift;
    Run({"key", "--clearmodifiers", KeySym(stroke)},
        lone_modifier ? &Deliveries::modifiers : &Deliveries::keys, 1);
  }
  void Type(QWidget&, std::string_view text) override {
    if (text.empty()) return;
    Run({"type", "--delay", "10", "--", QString::fromStdString(std::string(text))},
        &Deliveries::keys, ::text::Length(text));
  }

 private:
  static QStringList MoveTo(QWidget& widget, QPoint at) {
    WaitExposed(widget);
    const QPoint global = widget.mapToGlobal(at);
    return {"mousemove", QString::number(global.x()), QString::number(global.y())};
  }
  void Pointer(QWidget& widget, QPoint at, const QStringList& action, long Deliveries::*counter,
               long expected) {
    Run(MoveTo(widget, at) + action, counter, expected);
    last_click_.start();
  }
  // A window that has just been shown (a message box, a menu) is not yet on the screen.
  static void WaitExposed(QWidget& widget) {
    QWindow* window = widget.window()->windowHandle();
    QElapsedTimer timer;
    timer.start();
    while (window && !window->isExposed() && timer.elapsed() < 3000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
  }
  // Runs xdotool, then lets Qt take events until `expected` more have come through
  // `counter` (a step that opens a modal window runs the next lines inside this wait).
  void Run(const QStringList& args, long Deliveries::*counter, long expected) {
    const long target = deliveries_.*counter + expected;
    QProcess xdotool;
    xdotool.start("xdotool", args);
    if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0) {
      throw std::runtime_error("xdotool " + args.join(' ').toStdString() +
                               " failed: " + xdotool.readAllStandardError().toStdString());
    }
    QElapsedTimer timer;
    timer.start();
    while (deliveries_.*counter < target && timer.elapsed() < 5000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    if (deliveries_.*counter < target) {
      throw std::runtime_error("xdotool " + args.join(' ').toStdString() +
                               ": the X server did not deliver it");
    }
    // What has come off the connection is handed to the widgets.
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  Deliveries deliveries_;
  QElapsedTimer last_click_;
};

}  // namespace

std::unique_ptr<InputDevice> MakeXInput() { return std::make_unique<XInput>(); }

std::string ShownTitle(QWidget& window) {
  if (QGuiApplication::platformName() != "xcb") return window.windowTitle().toStdString();
  // The title the X server holds for the window, as the platform set it.
  QProcess xdotool;
  xdotool.start("xdotool", {"getwindowname", QString::number(window.winId())});
  if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0) return "(no title)";
  QString title = QString::fromUtf8(xdotool.readAllStandardOutput());
  if (title.endsWith('\n')) title.chop(1);
  return title.toStdString();
}

}  // namespace ui::qt
