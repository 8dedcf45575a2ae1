#include "ui/qt/input_filter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "ui/qt/form_view.h"
#include "ui/qt/units.h"

namespace ui::qt {
namespace {

// Focus the user gave (click, Tab, mnemonic); not what Qt does when a window activates, a
// popup closes or the model itself moves the focus.
bool ByUser(Qt::FocusReason reason) {
  return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
         reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

int Button(Qt::MouseButton button) {
  return button == Qt::LeftButton     ? 1
         : button == Qt::RightButton  ? 2
         : button == Qt::MiddleButton ? 4
                                      : 0;
}

}  // namespace

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &owner_) return FormSurface(event);
  auto it = owner_.by_widget_.find(watched);
  if (it == owner_.by_widget_.end()) return false;
  ControlView& view = *it->second;
  Control* control = view.control();
  if (!control) return false;
  auto& source = static_cast<QWidget&>(*watched);
  switch (event->type()) {
    case QEvent::FocusIn:
      if (ByUser(static_cast<QFocusEvent*>(event)->reason())) {
        GuardInput([&] { control->SetFocus(); });
      }
      // Qt's own choice (a window that activates) gives way to the model's, and so does the
      // user's when a LostFocus handler kept the focus elsewhere; the widget that lost it
      // then must not take this event as its own focus.
      if (!control->HasFocus()) owner_.SyncFocus();
      return !source.hasFocus();
    case QEvent::KeyPress: {
      auto& key = static_cast<QKeyEvent&>(*event);
      if (key.key() == Qt::Key_F1) {
        GuardInput([&] { control->UserHelpKey(); });
        return true;
      }
      return view.KeyPress(key);
    }
    case QEvent::KeyRelease: {
      auto& key = static_cast<QKeyEvent&>(*event);
      return key.key() == Qt::Key_F1 || view.KeyRelease(key);
    }
    case QEvent::MouseButtonPress:
      return view.MousePress(source, static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonDblClick:
      return view.DoubleClick(source, static_cast<QMouseEvent&>(*event));
    case QEvent::Wheel:
      return view.Wheel(static_cast<QWheelEvent&>(*event));
    default:
      return false;
  }
}

bool InputFilter::FormSurface(QEvent* event) {
  Form* form = owner_.form();
  if (!form) return false;
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    GuardInput([&] { form->UserHelpKey(); });
    return true;
  }
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
    return false;
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = mouse->position().toPoint();
  GuardInput(
      [&] { form->UserMouseDown(Button(mouse->button()), 0, ToTwips(at.x()), ToTwips(at.y())); });
  return true;
}

}  // namespace ui::qt
