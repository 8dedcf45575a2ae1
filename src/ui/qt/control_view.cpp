#include "ui/qt/control_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <iostream>

#include "ui/qt/form_view.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/units.h"

namespace ui::qt {
namespace {

int ModelButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int ModelShift(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

void GuardInput(const std::function<void()>& step) {
  try {
    step();
  } catch (const ScriptFailure& e) {
    QtDesktop::NoteScriptFailure(e.what());
  } catch (const std::exception& e) {
    std::cerr << "input not handled: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "input not handled: unknown error\n";
  }
}

ControlView::ControlView(Control& control, QWidget* widget, FormView& owner)
    : control_(&control), widget_(widget), owner_(owner) {
  widget_->setObjectName(QString::fromStdString(control.Name()));
  widget_->setContextMenuPolicy(Qt::PreventContextMenu);
  // A press belongs to the control it lands on, as in the model: it never reaches the
  // frame or window below.
  widget_->setAttribute(Qt::WA_NoMousePropagation);
  control.SetObserver(this);
}

ControlView::~ControlView() {
  if (control_) control_->SetObserver(nullptr);
}

void ControlView::SyncAll() {
  SyncCommon("");
  Sync("");
}

void ControlView::PropertyChanged(const std::string& property) {
  if (property == "Destroyed") {
    control_ = nullptr;
    return;
  }
  SyncCommon(property);
  Sync(property);
}

void ControlView::SyncCommon(const std::string& p) {
  if (!control_) return;
  if (p.empty() || p == "Geometry") widget_->setGeometry(PixelRect(*control_));
  if (p.empty() || p == "Font") widget_->setFont(ToQFont(control_->font()));
  if (p.empty() || p == "Enabled") widget_->setEnabled(control_->Enabled());
  if (p.empty() || p == "Visible") widget_->setVisible(control_->Visible());
  if (p == "Enabled" || p == "Visible" || p == "Focus") owner_.SyncFocus();
  if (p == "TabIndex") owner_.SetTabOrder();
}

void ControlView::Input(const std::function<void(Control&)>& step) {
  GuardInput([&] {
    if (control_) step(*control_);
  });
  // The model may have refused or changed what the widget already did.
  if (control_) {
    SyncCommon("");
    Sync("State");
  }
}

bool ControlView::KeyPress(QKeyEvent&) { return false; }
bool ControlView::KeyRelease(QKeyEvent&) { return false; }

bool ControlView::MousePress(QWidget& source, QMouseEvent& event) {
  RaiseMouseDown(source, event);
  return false;
}

bool ControlView::DoubleClick(QWidget& source, QMouseEvent& event) {
  // The second press of a double click arrives as this event: it is a MouseDown too.
  RaiseMouseDown(source, event);
  return false;
}

void ControlView::RaiseMouseDown(QWidget& source, QMouseEvent& event) {
  const QPoint at = source.mapTo(widget_, event.position().toPoint());
  const int button = ModelButton(event.button());
  const int shift = ModelShift(event.modifiers());
  GuardInput([&] {
    if (control_) control_->UserMouseDown(button, shift, ToTwips(at.x()), ToTwips(at.y()));
  });
}

}  // namespace ui::qt
