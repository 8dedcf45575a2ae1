#pragma once
// The one event filter of a form view: focus, keys and mouse presses on the widgets of
// the form's controls (and on the form's own surface) go to the model. F1 opens the help
// at the control's context number wherever the focus is.

#include <QObject>

namespace ui::qt {

class FormView;

class InputFilter : public QObject {
 public:
  explicit InputFilter(FormView& owner) : owner_(owner) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FormSurface(QEvent* event);
  FormView& owner_;
};

}  // namespace ui::qt
