#pragma once
// A form drawn in Qt: a QWidget the size of the form, holding one widget per control at
// its twips geometry (inside its frame's widget when it has one), in its font, in tab
// order. The form view mirrors the model and turns the user's input on its widgets into
// the model's input calls; as a window of its own, its close box goes through Unload and
// its Cancel. Made by CreateWidget / CreateWindow (render.h).

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/qt/control_view.h"

namespace ui::qt {

class InputFilter;

class FormView : public QWidget, public ControlObserver {
 public:
  // Renders `form`; a null parent makes it a window of its own.
  FormView(Form& form, QWidget* parent);
  ~FormView() override;

  // The form, or nullptr once it has been destroyed.
  Form* form() const { return form_; }
  // The widget of a control of this form (the form view itself for the form), or nullptr.
  QWidget* WidgetOf(const Control& control) const;
  ControlView* ViewOf(const Control& control) const;
  // Puts Qt's focus where the model's is, when it is on this form.
  void SyncFocus();
  // Chains the widgets' focus in the form's tab order.
  void SetTabOrder();
  // Gives each input widget the name screen readers say (labels may have changed).
  void SetAccessibleNames();
  // Told when the model unloads the form (the Qt desktop ends a modal window with it).
  std::function<void()> on_unloaded;

  // The view of a form, or nullptr when it is not rendered.
  static FormView* Of(const Form& form);

  void PropertyChanged(const std::string& property) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class InputFilter;
  void Build();
  void AddView(std::unique_ptr<ControlView> view);
  void SyncForm(const std::string& property);

  Form* form_;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::map<const Control*, ControlView*> by_control_;
  std::map<const QObject*, ControlView*> by_widget_;
  std::unique_ptr<InputFilter> filter_;
  bool closing_ = false;  // the model has unloaded: the window closes without asking again
};

}  // namespace ui::qt
