#pragma once
// Views of the label (QLabel), check box (QCheckBox), command button (QPushButton), frame
// (QGroupBox, which holds the widgets of the controls it contains) and line (a painted
// segment that takes no input).

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/controls.h"
#include "ui/qt/control_view.h"

namespace ui::qt {

class LabelView : public ControlView {
 public:
  LabelView(Label& label, QWidget* parent, FormView& owner);

 protected:
  void Sync(const std::string& property) override;

 private:
  Label& label_;
  QLabel* widget_;
};

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(CheckBox& box, QWidget* parent, FormView& owner);

 protected:
  void Sync(const std::string& property) override;

 private:
  CheckBox& box_;
  QCheckBox* widget_;
};

class ButtonView : public ControlView {
 public:
  ButtonView(CommandButton& button, QWidget* parent, FormView& owner);
  bool KeyPress(QKeyEvent& event) override;

 protected:
  void Sync(const std::string& property) override;

 private:
  CommandButton& button_;
  QPushButton* widget_;
};

class FrameView : public ControlView {
 public:
  FrameView(Frame& frame, QWidget* parent, FormView& owner);

 protected:
  void Sync(const std::string& property) override;

 private:
  Frame& frame_;
  QGroupBox* widget_;
};

class LineView : public ControlView {
 public:
  LineView(Line& line, QWidget* parent, FormView& owner);

 protected:
  void Sync(const std::string& property) override;

 private:
  Line& line_;
};

}  // namespace ui::qt
