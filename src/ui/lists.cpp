#include <algorithm>
#include <stdexcept>

#include "text/text.h"
#include "ui/controls.h"

namespace ui {
namespace {

// A ListIndex a program sets must name a row or be -1 (no row).
void CheckListIndex(const Control& list, int index, int count) {
  if (index >= -1 && index < count) return;
  throw std::out_of_range(list.Name() + ".ListIndex: " + std::to_string(index) +
                          " is not a row of a list of " + std::to_string(count));
}

}  // namespace

std::string ItemList::List(int index) const {
  if (index < 0 || index >= ListCount()) return "";
  return items_[static_cast<std::size_t>(index)];
}

bool ItemList::EraseItem(int index) {
  if (index < 0 || index >= ListCount()) return false;
  items_.erase(items_.begin() + index);
  if (list_index_ == index)
    list_index_ = -1;
  else if (list_index_ > index)
    --list_index_;
  return true;
}

void ItemList::ClearItems() {
  items_.clear();
  list_index_ = -1;
}

// ---- ComboBox

ComboBox::ComboBox(Form& form, std::string name, Style style)
    : EditControl(form, std::move(name), Kind::ComboBox), style_(style) {}

void ComboBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Notify("Items");
}

void ComboBox::RemoveItem(int index) {
  if (EraseItem(index)) Notify("Items");
}

void ComboBox::Clear() {
  ClearItems();
  Notify("Items");
}

void ComboBox::SetListIndex(int index) {
  CheckListIndex(*this, index, ListCount());
  if (index == list_index_) return;
  list_index_ = index;
  selecting_ = true;
  // The text follows the selection; choosing from the list is a Click, not a Change.
  AssignText(index >= 0 ? items_[static_cast<std::size_t>(index)] : "", false);
  selecting_ = false;
  Notify("ListIndex");
  Raise("Click", OnClick);
}

void ComboBox::TextChanged() {
  if (selecting_) return;
  // Text set by typing or code selects the item it names exactly, silently.
  auto it = std::find(items_.begin(), items_.end(), Text());
  int index = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  if (index != list_index_) {
    list_index_ = index;
    Notify("ListIndex");
  }
}

void ComboBox::UserChoose(int index) {
  if (!AcceptsInput() || index < 0 || index >= ListCount()) return;
  if (index != list_index_) return SetListIndex(index);
  // The item chosen again: its text comes back (the user may have edited it) and Click
  // is raised all the same, as for any choice the user makes.
  selecting_ = true;
  AssignText(items_[static_cast<std::size_t>(index)], false);
  selecting_ = false;
  Raise("Click", OnClick);
}

void ComboBox::EditKey(int key) {
  if (style_ != Style::DropDownList) return EditControl::EditKey(key);
  if (key < 32 || ListCount() == 0) return;
  const std::string initial = ::text::Upper(::text::EncodeUtf8(key));
  for (int step = 1; step <= ListCount(); ++step) {
    const int row = (list_index_ + step) % ListCount();
    if (::text::Upper(::text::Left(List(row), 1)) == initial) return SetListIndex(row);
  }
}

PropertyList ComboBox::Properties() const {
  PropertyList list = EditProperties();
  list.emplace_back("Style", static_cast<int>(style_));
  list.emplace_back("ListIndex", list_index_);
  list.emplace_back("ListCount", ListCount());
  return list;
}

// ---- ListBox

ListBox::ListBox(Form& form, std::string name) : Control(&form, std::move(name), Kind::ListBox) {}

void ListBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Notify("Items");
}

void ListBox::RemoveItem(int index) {
  if (!EraseItem(index)) return;
  top_index_ = std::clamp(top_index_, 0, MaxTopIndex());
  Notify("Items");
}

void ListBox::Clear() {
  ClearItems();
  top_index_ = 0;
  Notify("Items");
}

int ListBox::VisibleRows() const { return std::max(1, Height() / 210); }

int ListBox::MaxTopIndex() const { return std::max(0, ListCount() - VisibleRows()); }

void ListBox::SetTopIndex(int index) {
  index = std::clamp(index, 0, MaxTopIndex());
  if (index == top_index_) return;
  top_index_ = index;
  Notify("TopIndex");
}

void ListBox::SetListIndex(int index) {
  CheckListIndex(*this, index, ListCount());
  if (index == list_index_) return;
  list_index_ = index;
  if (index >= 0) {
    if (index < top_index_)
      SetTopIndex(index);
    else if (index >= top_index_ + VisibleRows())
      SetTopIndex(index - VisibleRows() + 1);
  }
  Notify("ListIndex");
  Raise("Click", OnClick);
}

void ListBox::UserClick(int index) {
  if (!AcceptsInput() || index < 0 || index >= ListCount()) return;
  SetListIndex(index);
}

void ListBox::UserDoubleClick(int index) {
  if (!AcceptsInput() || index < 0 || index >= ListCount()) return;
  SetListIndex(index);
  Raise("DblClick", OnDblClick);
}

void ListBox::UserKey(int key) {
  if (!AcceptsInput() || ListCount() == 0) return;
  const int current = list_index_, page = VisibleRows();
  int row;
  switch (key) {
    case kKeyUp:
      row = current - 1;
      break;
    case kKeyDown:
      row = current + 1;
      break;
    case kKeyPageUp:
      row = current - page;
      break;
    case kKeyPageDown:
      row = current + page;
      break;
    case kKeyHome:
      row = 0;
      break;
    case kKeyEnd:
      row = ListCount() - 1;
      break;
    default:
      return;
  }
  SetListIndex(std::clamp(row, 0, ListCount() - 1));
}

void ListBox::UserWheel(int lines) {
  if (!AcceptsInput()) return;
  if (scroll_bar_) return scroll_bar_->UserWheel(lines);
  SetTopIndex(top_index_ + lines);
}

PropertyList ListBox::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("ListIndex", list_index_);
  list.emplace_back("ListCount", ListCount());
  list.emplace_back("TopIndex", top_index_);
  return list;
}

}  // namespace ui
