#pragma once
// The controls of the window toolkit. Their event rules are the ones the screens rely on:
// a text change raises Change whether typed or set by code; a list or combo raises Click
// only when its ListIndex really changes; a scroll bar keeps Value within Min..Max and
// raises Change whenever Value moves, clamping included.

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ui {

// Key codes. KeyPress gets the code of what a key types (a character's code point,
// Backspace 8, Enter 13, Escape 27, Delete 127); KeyUp gets that code for those keys and the
// key's own code for the keys that type nothing (Shift, the arrows, Home, End, ...).
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyDeleteChar = 127;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyControl = 17;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyF1 = 0x70;
// Rows (or scroll bar steps) that one notch of the mouse wheel moves.
inline constexpr int kWheelLines = 3;

// What the screen shows of a text: the record marks (bytes FC, FD, FE) that a text read
// from the archive may hold are shown as blanks.
std::string ShownText(std::string_view text);

class Label : public Control {
 public:
  Label(Form& form, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  PropertyList Properties() const override;

 private:
  std::string caption_;
};

// Shared by TextBox and the edit part of ComboBox: text, caret and selection, keys and
// Change. Positions count characters. Code that sets the text leaves the caret after it.
class EditControl : public Control {
 public:
  const std::string& Text() const { return text_; }
  // Sets the text; raises Change when it differs.
  void SetText(std::string text);
  // 0 = no limit; counted in characters.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int characters);

  // The selection starts at SelStart and holds SelLength characters; with none selected,
  // SelStart is the caret.
  int SelStart() const { return std::min(anchor_, caret_); }
  int SelLength() const { return std::abs(caret_ - anchor_); }
  // The caret (where a shift-move extends the selection from) and the other end.
  int Caret() const { return caret_; }
  int Anchor() const { return anchor_; }

  std::function<void()> OnChange;
  // The key code by reference: a handler cancels the key by setting it to 0.
  std::function<void(int& key)> OnKeyPress;
  std::function<void(int key)> OnKeyUp;

  // One key that types (see the key codes above) as a user types it: UserKeyDown then
  // UserKeyUp.
  void UserKey(int key);
  // The key goes down: KeyPress, then (unless cancelled) its edit at the caret: a character
  // replaces the selection or goes in at the caret, within MaxLength; Backspace and Delete
  // remove the selection, else the character before or after the caret; Enter and Escape
  // edit nothing.
  void UserKeyDown(int key);
  // A key comes up: KeyUp with its code (for a key that types, the code pressed, whatever
  // KeyPress made of it).
  void UserKeyUp(int key);
  // Types each character of a UTF-8 text through UserKey.
  void UserType(std::string_view text);
  // Pasted text: each of its characters goes down as a key (KeyPress and its edit), so that
  // a box that refuses keys refuses them pasted too.
  void UserPaste(std::string_view text);
  // The caret keys: Left, Right, Home, End (kKeyLeft...), extending the selection when
  // `shift` is held; any other code selects the whole text (Ctrl+A). Raises no event.
  void UserCaretKey(int key, bool shift);
  // The user puts the caret (and the other end of the selection) with the mouse.
  void UserSelect(int anchor, int caret);
  // A double click at `position`: selects the word there (a run of non-blank characters).
  void UserSelectWord(int position);
  // A whole edit made by the user elsewhere (a renderer's editor): sets the text.
  void UserEdit(std::string text);

 protected:
  EditControl(Form& form, std::string name, Kind kind);
  PropertyList EditProperties() const;
  // Sets the text, raising Change only when asked to; the caret goes to `caret` (-1: after
  // the text).
  void AssignText(std::string text, bool raise_change, int caret = -1);
  virtual void TextChanged() {}
  // What a key that KeyPress let through does to the control (see UserKeyDown).
  virtual void EditKey(int key);

 private:
  int Length() const;
  void Select(int anchor, int caret);
  // Replaces the selection with `inserted`, within MaxLength.
  void ReplaceSelection(std::string_view inserted);
  std::string text_;
  int max_length_ = 0;
  int anchor_ = 0, caret_ = 0;
};

class TextBox : public EditControl {
 public:
  TextBox(Form& form, std::string name);
  PropertyList Properties() const override;
};

// Items with a selected index (-1 = none), for ListBox and ComboBox.
class ItemList {
 public:
  int ListCount() const { return static_cast<int>(items_.size()); }
  // Item i (from 0); "" out of range.
  std::string List(int index) const;
  const std::vector<std::string>& Items() const { return items_; }
  int ListIndex() const { return list_index_; }

 protected:
  // Removes item `index`, keeping the selection on the same item (or none when it was
  // that one); false when there is no such item.
  bool EraseItem(int index);
  // Removes every item; no item selected.
  void ClearItems();

  std::vector<std::string> items_;
  int list_index_ = -1;
};

class ComboBox : public EditControl, public ItemList {
 public:
  enum class Style { DropDownCombo = 0, DropDownList = 2 };
  ComboBox(Form& form, std::string name, Style style = Style::DropDownCombo);

  Style style() const { return style_; }
  void AddItem(std::string item);
  void RemoveItem(int index);
  void Clear();  // removes every item; ListIndex becomes -1 without Click; text unchanged

  // Selects an item (-1 = none): the text becomes the item's text without Change; Click
  // is raised when the index changes. An index outside -1..ListCount-1 throws
  // std::out_of_range and changes nothing.
  void SetListIndex(int index);
  std::function<void()> OnClick;
  // The user chooses item `index` from the drop-down list (ignored outside the list): as
  // SetListIndex, but Click is raised even when the item was already the chosen one.
  void UserChoose(int index);

  PropertyList Properties() const override;

 private:
  Style style_;
  bool selecting_ = false;
  void TextChanged() override;
  // A drop-down list has no edit field: a character selects the next item that begins
  // with it, as its list does; other keys edit nothing.
  void EditKey(int key) override;
};

class VScrollBar;

class ListBox : public Control, public ItemList {
 public:
  ListBox(Form& form, std::string name);

  void AddItem(std::string item);
  void RemoveItem(int index);
  void Clear();  // ListIndex -1, TopIndex 0, no Click

  // Selects a row (-1 = none), keeps it in view, raises Click when the index changes.
  // An index outside -1..ListCount-1 throws std::out_of_range and changes nothing.
  void SetListIndex(int index);
  // The first row shown; the list never scrolls past its last full page.
  int TopIndex() const { return top_index_; }
  void SetTopIndex(int index);
  // Rows that the list's height shows at once (item height 210 twips).
  int VisibleRows() const;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  // The user clicks row `index` (selects it); a click outside the rows does nothing.
  void UserClick(int index);
  // The user double-clicks row `index`: selects it, then DblClick.
  void UserDoubleClick(int index);
  // kKeyUp, kKeyDown, kKeyPageUp, kKeyPageDown, kKeyHome, kKeyEnd: selects the row the key
  // goes to, as a click would; other keys do nothing.
  void UserKey(int key);
  // The mouse wheel over the list (`lines` rows, negative upwards): moves the scroll bar the
  // list scrolls with, or else the list's own first row.
  void UserWheel(int lines);

  // Lists that show the rows of one table side by side scroll together through one scroll
  // bar: the wheel over any of them moves that bar (nullptr: none, the default).
  void ScrollWith(VScrollBar* bar) { scroll_bar_ = bar; }

  PropertyList Properties() const override;

 private:
  int MaxTopIndex() const;
  int top_index_ = 0;
  VScrollBar* scroll_bar_ = nullptr;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // 0 unticked, 1 ticked, 2 greyed. Click is raised when it changes; another value throws
  // std::invalid_argument and changes nothing.
  int Value() const { return value_; }
  void SetValue(int value);
  std::function<void()> OnClick;
  // The user clicks the box: ticked becomes unticked, anything else ticked.
  void UserClick();
  PropertyList Properties() const override;

 private:
  std::string caption_;
  int value_ = 0;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  std::function<void()> OnClick;
  void UserClick();
  PropertyList Properties() const override;

 private:
  std::string caption_;
};

class Frame : public Control {
 public:
  Frame(Form& form, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  PropertyList Properties() const override;

 private:
  std::string caption_;
};

class Line : public Control {
 public:
  Line(Form& form, std::string name, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0);
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  void SetPoints(int x1, int y1, int x2, int y2);
  PropertyList Properties() const override;

 private:
  int x1_, y1_, x2_, y2_;
};

class VScrollBar : public Control {
 public:
  VScrollBar(Form& form, std::string name);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  int SmallChange() const { return small_change_; }
  int LargeChange() const { return large_change_; }
  // Moving a bound so that Value must move clamps Value and raises Change.
  void SetMin(int min);
  void SetMax(int max);
  // Clamped to Min..Max; Change is raised when the value moves.
  void SetValue(int value);
  void SetSmallChange(int rows) { small_change_ = rows; }
  void SetLargeChange(int rows) { large_change_ = rows; }

  std::function<void()> OnChange;
  std::function<void()> OnScroll;
  // Arrow clicks (SmallChange) and track clicks (LargeChange), up or down.
  void UserArrow(bool down);
  void UserPage(bool down);
  // Dragging the thumb raises Scroll at each position; the release raises Change.
  void UserDrag(int value);
  void UserRelease();
  // The mouse wheel: Value moves by `lines` SmallChanges (negative upwards), with Change.
  void UserWheel(int lines);
  PropertyList Properties() const override;

 private:
  int Clamp(int value) const;
  void MoveValue(int value, bool raise_change);
  int min_ = 0, max_ = 32767, value_ = 0;
  int small_change_ = 1, large_change_ = 1;
  bool dragging_ = false;
  int drag_start_ = 0;
};

// A menu, or an entry of one. A pop-up menu is a Menu whose entries are Menus.
class Menu : public Control {
 public:
  Menu(Form& form, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Makes `entry` an entry of this menu, shown in it (Visible) until code hides it.
  void AddEntry(Menu& entry);
  const std::vector<Menu*>& Entries() const { return entries_; }
  std::function<void()> OnClick;
  // The user chooses this entry: Click, when the entry and its menu are enabled.
  void UserChoose();
  PropertyList Properties() const override;

 private:
  std::string caption_;
  std::vector<Menu*> entries_;
};

}  // namespace ui
