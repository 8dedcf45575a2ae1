#pragma once
// One control mirrored in its Qt widget. The model is the truth: a property change in the
// model updates the widget with the widget's signals blocked, and user input on the widget
// is turned into the control's User* calls, never into a direct change of the widget's own
// state, so that nothing loops between the two. Views are made and owned by the FormView
// of their form (see form_view.h).

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace ui::qt {

class FormView;

class ControlView : public ControlObserver {
 public:
  ControlView(Control& control, QWidget* widget, FormView& owner);
  ~ControlView() override;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  // The control, or nullptr once it has been destroyed.
  Control* control() const { return control_; }
  QWidget* widget() const { return widget_; }
  // Brings every property of the widget in line with the model.
  void SyncAll();
  void PropertyChanged(const std::string& property) override;

  // The widgets whose input belongs to this control (a list's viewport, a combo box's edit
  // field, ...); the form view filters their events.
  virtual std::vector<QWidget*> InputWidgets() const { return {widget_}; }
  // Input handlers; true when the event has been consumed.
  virtual bool KeyPress(QKeyEvent& event);
  virtual bool KeyRelease(QKeyEvent& event);
  virtual bool MousePress(QWidget& source, QMouseEvent& event);
  virtual bool DoubleClick(QWidget& source, QMouseEvent& event);
  // The mouse wheel: by default Qt's own (nothing the model sees).
  virtual bool Wheel(QWheelEvent&) { return false; }
  // Runs model input behind the Qt boundary (nothing thrown may cross into Qt), then
  // brings the widget back in line with what the model made of it.
  void Input(const std::function<void(Control&)>& step);

 protected:
  // The kind's own properties: one by name, "" for all of them, "State" for all but the
  // items of a list (what input can change).
  virtual void Sync(const std::string& property) = 0;
  // MouseDown for a press on `source` (a widget of this control), in twips.
  void RaiseMouseDown(QWidget& source, QMouseEvent& event);
  // Where a child widget sits: the form view for geometry of contained controls.
  FormView& owner() const { return owner_; }

 private:
  void SyncCommon(const std::string& property);
  Control* control_;
  QWidget* widget_;
  FormView& owner_;
};

// Runs `step` and keeps every exception on this side of Qt: a script failure goes to the
// Qt desktop's script (which stops at the end of the step), anything else to stderr.
void GuardInput(const std::function<void()>& step);

}  // namespace ui::qt
