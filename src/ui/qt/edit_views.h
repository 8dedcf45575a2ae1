#pragma once
// Views of the text box (QLineEdit) and the combo box (QComboBox, editable or a drop-down
// list). The model edits, the widget shows: typing keys go to the model one by one (KeyPress
// can change or cancel them) and are edited at its caret; caret keys, Ctrl+A and the mouse
// move the model's caret and selection; a paste reaches the model as the keys it holds.
// The widget shows the model's text, caret and selection, never an edit of its own.

#include <QComboBox>
#include <QLineEdit>

#include "ui/controls.h"
#include "ui/qt/control_view.h"
#include "ui/qt/keys.h"

namespace ui::qt {

// The keys, clipboard and mouse selection of one line edit, carried to its model.
class LineEditInput {
 public:
  LineEditInput(EditControl& model, QLineEdit& edit, ControlView& view);
  // True when the event has been consumed.
  bool KeyPress(QKeyEvent& event);
  bool KeyRelease(QKeyEvent& event);
  bool MousePress(QMouseEvent& event);
  // The model's text, caret and selection in the widget.
  void Show();

 private:
  void SelectionMoved();
  EditControl& model_;
  QLineEdit& edit_;
  ControlView& view_;
  PressedKeys pressed_;
};

class TextBoxView : public ControlView {
 public:
  TextBoxView(TextBox& box, QWidget* parent, FormView& owner);
  bool KeyPress(QKeyEvent& event) override { return input_.KeyPress(event); }
  bool KeyRelease(QKeyEvent& event) override { return input_.KeyRelease(event); }
  bool MousePress(QWidget& source, QMouseEvent& event) override;

 protected:
  void Sync(const std::string& property) override;

 private:
  TextBox& box_;
  QLineEdit* edit_;
  LineEditInput input_;
};

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(ComboBox& combo, QWidget* parent, FormView& owner);
  std::vector<QWidget*> InputWidgets() const override;
  bool KeyPress(QKeyEvent& event) override;
  bool KeyRelease(QKeyEvent& event) override;
  bool MousePress(QWidget& source, QMouseEvent& event) override;

 protected:
  void Sync(const std::string& property) override;

 private:
  ComboBox& combo_;
  QComboBox* widget_;
  std::unique_ptr<LineEditInput> input_;  // editable combo boxes only
  PressedKeys pressed_;                   // the keys of a drop-down list
};

}  // namespace ui::qt
