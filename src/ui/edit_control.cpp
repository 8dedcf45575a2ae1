#include "text/text.h"
#include "ui/controls.h"

namespace ui {

std::string ShownText(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xFC && byte <= 0xFE) c = ' ';
  }
  return shown;
}

EditControl::EditControl(Form& form, std::string name, Kind kind)
    : Control(&form, std::move(name), kind) {}

void EditControl::SetText(std::string text) { AssignText(std::move(text), true); }

int EditControl::Length() const { return ::text::Length(text_); }

void EditControl::AssignText(std::string text, bool raise_change, int caret) {
  if (text == text_) return;
  text_ = std::move(text);
  const int end = Length();
  anchor_ = caret_ = caret < 0 || caret > end ? end : caret;
  Notify("Text");
  TextChanged();
  if (raise_change) Raise("Change", OnChange);
}

void EditControl::SetMaxLength(int characters) { max_length_ = characters; }

void EditControl::Select(int anchor, int caret) {
  const int end = Length();
  anchor = std::clamp(anchor, 0, end);
  caret = std::clamp(caret, 0, end);
  if (anchor == anchor_ && caret == caret_) return;
  anchor_ = anchor;
  caret_ = caret;
  Notify("Selection");
}

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

void EditControl::ReplaceSelection(std::string_view inserted) {
  const std::size_t from = ::text::ByteOffset(text_, SelStart());
  const std::size_t to = ::text::ByteOffset(text_, SelStart() + SelLength());
  if (max_length_ > 0 && Length() - SelLength() + ::text::Length(inserted) > max_length_) return;
  std::string text = text_.substr(0, from) + std::string(inserted) + text_.substr(to);
  const int caret = SelStart() + ::text::Length(inserted);
  if (text == text_) return Select(caret, caret);
  AssignText(std::move(text), true, caret);
}

void EditControl::EditKey(int key) {
  if (key == kKeyBackspace || key == kKeyDeleteChar) {
    if (SelLength() == 0) {
      const int other = caret_ + (key == kKeyBackspace ? -1 : 1);
      if (other < 0 || other > Length()) return;
      anchor_ = other;
    }
    ReplaceSelection({});
  } else if (key >= 32) {
    ReplaceSelection(::text::EncodeUtf8(key));
  }
}

void EditControl::UserType(std::string_view typed) {
  for (int cp : ::text::CodePoints(typed)) UserKey(cp);
}

void EditControl::UserPaste(std::string_view text) {
  for (int cp : ::text::CodePoints(text)) UserKeyDown(cp);
}

void EditControl::UserCaretKey(int key, bool shift) {
  if (!AcceptsInput()) return;
  int caret;
  switch (key) {
    case kKeyLeft:
      // Without shift, a selection collapses to its start; else the caret steps back.
      caret = !shift && SelLength() > 0 ? SelStart() : caret_ - 1;
      break;
    case kKeyRight:
      caret = !shift && SelLength() > 0 ? SelStart() + SelLength() : caret_ + 1;
      break;
    case kKeyHome:
      caret = 0;
      break;
    case kKeyEnd:
      caret = Length();
      break;
    default:
      return Select(0, Length());
  }
  Select(shift ? anchor_ : caret, caret);
}

void EditControl::UserSelect(int anchor, int caret) {
  if (AcceptsInput()) Select(anchor, caret);
}

void EditControl::UserSelectWord(int position) {
  if (!AcceptsInput()) return;
  const std::vector<int> points = ::text::CodePoints(text_);
  const int size = static_cast<int>(points.size());
  position = std::clamp(position, 0, size);
  // At the end of a word (the end of the text, say) the word is the one just before.
  if (position == size || points[static_cast<std::size_t>(position)] == ' ') --position;
  if (position < 0 || points[static_cast<std::size_t>(position)] == ' ') return;
  int start = position, end = position + 1;
  while (start > 0 && points[static_cast<std::size_t>(start - 1)] != ' ') --start;
  while (end < size && points[static_cast<std::size_t>(end)] != ' ') ++end;
  Select(start, end);
}

void EditControl::UserEdit(std::string text) {
  if (!AcceptsInput()) return;
  if (max_length_ > 0 && ::text::Length(text) > max_length_) {
    text.resize(::text::ByteOffset(text, max_length_));
  }
  SetText(std::move(text));
}

PropertyList EditControl::EditProperties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Text", text_);
  list.emplace_back("MaxLength", max_length_);
  list.emplace_back("SelStart", SelStart());
  list.emplace_back("SelLength", SelLength());
  return list;
}

TextBox::TextBox(Form& form, std::string name)
    : EditControl(form, std::move(name), Kind::TextBox) {}

PropertyList TextBox::Properties() const { return EditProperties(); }

}  // namespace ui
