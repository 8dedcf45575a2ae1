#pragma once
// Views of the text box (QLineEdit) and the combo box (QComboBox, editable or a drop-down
// list). Keys go to the model one by one (KeyPress can change or cancel them); the widget
// shows the model's text, never an edit of its own. Edits that come without keys (paste,
// cut, delete) reach the model as a whole new text.

#include <QComboBox>
#include <QLineEdit>

#include "ui/controls.h"
#include "ui/qt/control_view.h"
#include "ui/qt/keys.h"

namespace ui::qt {

class TextBoxView : public ControlView {
 public:
  TextBoxView(TextBox& box, QWidget* parent, FormView& owner);
  bool KeyPress(QKeyEvent& event) override;
  bool KeyRelease(QKeyEvent& event) override;

 protected:
  void Sync(const std::string& property) override;

 private:
  TextBox& box_;
  QLineEdit* edit_;
  PressedKeys pressed_;
};

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(ComboBox& combo, QWidget* parent, FormView& owner);
  std::vector<QWidget*> InputWidgets() const override;
  bool KeyPress(QKeyEvent& event) override;
  bool KeyRelease(QKeyEvent& event) override;

 protected:
  void Sync(const std::string& property) override;

 private:
  ComboBox& combo_;
  QComboBox* widget_;
  PressedKeys pressed_;
};

}  // namespace ui::qt
