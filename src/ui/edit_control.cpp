#include "text/text.h"
#include "ui/controls.h"
#include "ui/utf8.h"

namespace ui {

EditControl::EditControl(Form& form, std::string name, Kind kind)
    : Control(&form, std::move(name), kind) {}

void EditControl::SetText(std::string text) { AssignText(std::move(text), true); }

void EditControl::AssignText(std::string text, bool raise_change) {
  if (text == text_) return;
  text_ = std::move(text);
  Notify("Text");
  TextChanged();
  if (raise_change) Raise("Change", OnChange);
}

void EditControl::SetMaxLength(int characters) { max_length_ = characters; }

void EditControl::UserKey(int key) {
  UserKeyDown(key);
  UserKeyUp(key);
}

void EditControl::UserKeyDown(int key) {
  if (!AcceptsInput()) return;
  Raise("KeyPress", OnKeyPress, key);
  EditKey(key);
}

void EditControl::UserKeyUp(int key) {
  if (!AcceptsInput()) return;
  Raise("KeyUp", OnKeyUp, key);
}

void EditControl::EditKey(int key) {
  if (key == kKeyBackspace) {
    if (!text_.empty()) SetText(::text::Left(text_, ::text::Length(text_) - 1));
  } else if (key >= 32) {
    if (max_length_ == 0 || ::text::Length(text_) < max_length_) {
      SetText(text_ + EncodeUtf8(key));
    }
  }
}

void EditControl::UserType(std::string_view typed) {
  for (int cp : CodePoints(typed)) UserKey(cp);
}

void EditControl::UserEdit(std::string text) {
  if (!AcceptsInput()) return;
  if (max_length_ > 0 && ::text::Length(text) > max_length_) text = ::text::Left(text, max_length_);
  SetText(std::move(text));
}

PropertyList EditControl::EditProperties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Text", text_);
  list.emplace_back("MaxLength", max_length_);
  return list;
}

TextBox::TextBox(Form& form, std::string name)
    : EditControl(form, std::move(name), Kind::TextBox) {}

PropertyList TextBox::Properties() const { return EditProperties(); }

}  // namespace ui
