#pragma once
// The names screen readers give the controls that take input, as a user reads the window:
// a button or check box by its caption, a box or list by the label that stands before it on
// its line, or else by the heading above its column; a name the screen set itself
// (Control::SetAccessibleName) comes first. The Qt rendering hands them to QAccessible.

#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {

// True for the controls that take input (the ones a screen reader must name).
bool TakesInput(const Control& control);
// "" when nothing names the control.
std::string ScreenReaderName(const Control& control);
// What a window's names get wrong: each shown input control without a name, or sharing its name
// with another of the window ("" when every one has a name of its own). `name` gives the
// name of a control as read (from the model, or from the screen reader's side).
std::string CheckNames(const Form& window, const std::function<std::string(const Control&)>& name);

}  // namespace ui
