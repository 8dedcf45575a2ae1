#pragma once
// A form as JSON, for automation and for anyone checking a screen from outside: the
// window's name, the control that has the focus, then each control (the form first) with
// its name, kind, every property, and for lists and combo boxes their items and selection.
// Texts are written as the screen shows them (ShownText: record marks as blanks).
// The output is stable: one control a line, properties in a fixed order, so that two dumps
// of the same state are the same text and a diff shows what changed.

#include <string>

#include "ui/form.h"

namespace ui {

std::string DumpJson(const Form& form);

// `text` as a JSON string literal (quotes included); bytes that are not UTF-8 are kept as
// the characters of the same code.
std::string JsonString(std::string_view text);

}  // namespace ui
