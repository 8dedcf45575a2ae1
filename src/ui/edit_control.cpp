#include "text/text.h"
#include "ui/controls.h"

namespace ui {
namespace {

std::string EncodeUtf8(int code_point) {
  std::string out;
  auto cp = static_cast<unsigned>(code_point);
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

// Splits UTF-8 text into code points (an invalid byte stands for itself).
std::vector<int> CodePoints(std::string_view s) {
  std::vector<int> out;
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + len > s.size()) len = 1;
    int cp = len == 1 ? c : c & (0x7F >> len);
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += len;
  }
  return out;
}

}  // namespace

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
  if (!AcceptsInput()) return;
  const int pressed = key;
  Raise("KeyPress", OnKeyPress, key);
  if (key == kKeyBackspace) {
    if (!text_.empty()) SetText(::text::Left(text_, ::text::Length(text_) - 1));
  } else if (key >= 32) {
    if (max_length_ == 0 || ::text::Length(text_) < max_length_) {
      SetText(text_ + EncodeUtf8(key));
    }
  }
  // KeyUp reports the key released, whatever KeyPress made of it.
  Raise("KeyUp", OnKeyUp, pressed);
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

TextBox::TextBox(Form& form, std::string name) : EditControl(form, std::move(name), Kind::TextBox) {}

PropertyList TextBox::Properties() const { return EditProperties(); }

}  // namespace ui
