#include "ui/accessible_name.h"

#include <map>

#include "text/text.h"
#include "ui/controls.h"

namespace ui {
namespace {

constexpr int kSlack = 30;  // twips: a label a little lower or further than its box

struct Box {
  int left, top, right, bottom;
  int Middle() const { return (top + bottom) / 2; }
  int Centre() const { return (left + right) / 2; }
};

// Where the control stands in its window (geometry is relative to its frame).
Box Place(const Control& c) {
  int left = c.Left(), top = c.Top();
  for (const Control* frame = c.Container(); frame; frame = frame->Container()) {
    left += frame->Left();
    top += frame->Top();
  }
  return {left, top, left + c.Width(), top + c.Height()};
}

std::string Caption(const Control& c) {
  PropertyValue caption;
  if (!c.GetProperty("Caption", caption)) return "";
  return ::text::Trim(ShownText(ToText(caption)));
}

// Another input control stands between the label and the control (so the label is its).
bool Between(const Form& form, const Control& control, const Box& from, const Box& to,
             bool across) {
  for (const Control* other : form.Controls()) {
    if (other == &control || !TakesInput(*other) || !other->Visible()) continue;
    const Box b = Place(*other);
    if (across && b.top <= to.Middle() && b.bottom >= to.Middle() &&
        b.left >= from.right - kSlack && b.right <= to.left + kSlack) {
      return true;
    }
    if (!across && b.left <= to.Centre() && b.right >= to.Centre() &&
        b.top >= from.bottom - kSlack && b.bottom <= to.top + kSlack) {
      return true;
    }
  }
  return false;
}

// The nearest label that stands before the control on its line (across) or above its
// column, with no other input control between them.
std::string LabelFor(const Control& control, bool across) {
  const Form& form = *control.form();
  const Box box = Place(control);
  std::string best;
  int best_distance = 1 << 30;
  for (const Control* c : form.Controls()) {
    if (c->kind() != Kind::Label || !c->Visible() || Caption(*c).empty() ||
        c->Container() != control.Container()) {
      continue;
    }
    const Box label = Place(*c);
    int distance;
    if (across) {
      if (label.top > box.Middle() + kSlack || label.bottom < box.Middle() - kSlack) continue;
      distance = box.left - label.right;
    } else {
      if (label.left > box.Centre() || label.right < box.Centre()) continue;
      distance = box.top - label.bottom;
    }
    if (distance < -kSlack || distance >= best_distance ||
        Between(form, control, label, box, across)) {
      continue;
    }
    best = Caption(*c);
    best_distance = distance;
  }
  return best;
}

}  // namespace

bool TakesInput(const Control& control) { return TakesFocus(control.kind()); }

std::string ScreenReaderName(const Control& control) {
  if (!control.AccessibleName().empty()) return control.AccessibleName();
  if (control.kind() == Kind::CommandButton || control.kind() == Kind::CheckBox) {
    return Caption(control);
  }
  if (!TakesInput(control) || !control.form()) return "";
  std::string name = LabelFor(control, true);
  return name.empty() ? LabelFor(control, false) : name;
}

std::string CheckNames(const Form& window, const std::function<std::string(const Control&)>& name) {
  std::map<std::string, std::string> seen;  // name → the control that has it
  std::string faults;
  for (const Control* c : window.Controls()) {
    if (!TakesInput(*c) || !c->Visible()) continue;
    const std::string n = name(*c);
    std::string fault;
    if (n.empty()) {
      fault = c->Name() + " has no name";
    } else if (auto [it, fresh] = seen.emplace(n, c->Name()); !fresh) {
      fault = c->Name() + " has the name of " + it->second + " (\"" + n + "\")";
    }
    if (!fault.empty()) faults += (faults.empty() ? "" : "; ") + fault;
  }
  return faults;
}

}  // namespace ui
