#include <gtest/gtest.h>

#include "event_log.h"
#include "ui/test_desktop.h"

namespace {

using ui_test::LoggedForm;
using Log = std::vector<std::string>;

class EditControlTest : public ::testing::Test {
 protected:
  EditControlTest() {
    box.OnChange = [this] { form.log.push_back("Change:" + box.Text()); };
    box.OnKeyPress = [this](int& key) { form.log.push_back("KeyPress:" + std::to_string(key)); };
    box.OnKeyUp = [this](int key) { form.log.push_back("KeyUp:" + std::to_string(key)); };
  }
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  LoggedForm form;
  ui::TextBox box{form, "Txt_Code"};
};

// Enter edits nothing; Backspace removes one character, not one byte.
TEST_F(EditControlTest, EachKeyRaisesKeyPressThenChangeForANewTextThenKeyUp) {
  box.UserType("1é");
  EXPECT_EQ(form.TakeLog(),
            (Log{"KeyPress:49", "Change:1", "KeyUp:49", "KeyPress:233", "Change:1é", "KeyUp:233"}));
  box.UserKey(ui::kKeyEnter);
  EXPECT_EQ(form.TakeLog(), (Log{"KeyPress:13", "KeyUp:13"}));
  box.UserKey(ui::kKeyBackspace);
  box.UserKey(ui::kKeyBackspace);
  box.UserKey(ui::kKeyBackspace);
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(form.TakeLog(), (Log{"KeyPress:8", "Change:1", "KeyUp:8", "KeyPress:8",
                                 "Change:", "KeyUp:8", "KeyPress:8", "KeyUp:8"}));
}

TEST_F(EditControlTest, KeyPressCancelsTheKeyBySettingItToZeroOrReplacesIt) {
  box.OnKeyPress = [](int& key) {
    if (key != ui::kKeyBackspace) key = key >= 'a' && key <= 'z' ? key - 32 : 0;
  };
  box.SetText("AB");
  form.TakeLog();
  box.UserType("1");
  EXPECT_EQ(box.Text(), "AB");
  EXPECT_EQ(form.TakeLog(), (Log{"KeyUp:49"}));  // no Change; KeyUp still reports the key
  box.UserType("c");
  EXPECT_EQ(box.Text(), "ABC");
  box.UserKey(ui::kKeyBackspace);
  EXPECT_EQ(box.Text(), "AB");
}

TEST_F(EditControlTest, TypingStopsAtMaxLengthCountedInCharacters) {
  box.SetMaxLength(5);
  box.UserType("ÉÉÉÉÉÉÉ");
  EXPECT_EQ(box.Text(), "ÉÉÉÉÉ");
  box.UserEdit("abcdefgh");
  EXPECT_EQ(box.Text(), "abcde");
}

// Code sets the text whatever the box's state, with Change only for a new text.
TEST_F(EditControlTest, DisabledBoxOrFormTakesNoInputButCodeStillSetsIt) {
  box.SetEnabled(false);
  box.UserType("1");
  box.UserEdit("2");
  form.SetEnabled(false);
  box.SetEnabled(true);
  box.UserType("3");
  EXPECT_EQ(form.TakeLog(), Log{});
  box.SetText("4");
  box.SetText("4");
  box.SetText("");
  EXPECT_EQ(form.TakeLog(), (Log{"Change:4", "Change:"}));
}

TEST_F(EditControlTest, AComboTextSetRaisesChangeAndSelectsTheItemItNamesWithoutClick) {
  ui::ComboBox combo(form, "Cbo_Nom");
  combo.OnChange = form.Logs("Change");
  combo.OnClick = form.Logs("Click");
  combo.AddItem("DUPONT Jean");
  combo.AddItem("MARTIN Paul");
  combo.SetText("MARTIN Paul");
  EXPECT_EQ(combo.ListIndex(), 1);
  combo.UserType("e");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(form.TakeLog(), (Log{"Change", "Change"}));
}

TEST_F(EditControlTest, ADropDownListTypedInSelectsTheNextItemByItsInitial) {
  ui::ComboBox combo(form, "Cbo_Mois", ui::ComboBox::Style::DropDownList);
  combo.OnClick = form.Logs("Click");
  combo.OnChange = form.Logs("Change");
  for (const char* m : {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin"}) combo.AddItem(m);
  combo.UserType("m");
  EXPECT_EQ(combo.Text(), "Mars");
  combo.UserType("m");
  EXPECT_EQ(combo.Text(), "Mai");
  combo.UserType("m");
  EXPECT_EQ(combo.Text(), "Mars");
  combo.UserKey(ui::kKeyBackspace);
  combo.UserType("x");
  EXPECT_EQ(combo.Text(), "Mars");
  EXPECT_EQ(form.TakeLog(), (Log{"Click", "Click", "Click"}));
}

}  // namespace

// Edits at the caret: (text, anchor, caret, key, text after, caret after).
TEST_F(EditControlTest, KeysEditAtTheCaretAndReplaceTheSelection) {
  struct Row {
    const char* text;
    int anchor, caret, key;
    const char* after;
    int caret_after;
  } rows[] = {
      {"0012", 0, 0, '0', "00012", 1},               // typed at the start
      {"DUR", 1, 1, 'o', "DoUR", 2},                 // typed in the middle
      {"00012", 0, 5, '3', "3", 1},                  // a selection replaced
      {"00012", 5, 3, ui::kKeyBackspace, "000", 3},  // a selection removed
      {"00012", 2, 2, ui::kKeyBackspace, "0012", 1},
      {"00012", 1, 1, ui::kKeyDeleteChar, "0012", 1},
      {"00012", 5, 5, ui::kKeyDeleteChar, "00012", 5},  // nothing after the caret
      {"Hé", 2, 2, ui::kKeyBackspace, "H", 1},          // a character, not a byte
  };
  for (const Row& row : rows) {
    box.SetText(row.text);
    box.UserSelect(row.anchor, row.caret);
    box.UserKeyDown(row.key);
    EXPECT_EQ(box.Text(), row.after) << row.text << " " << row.key;
    EXPECT_EQ(box.Caret(), row.caret_after) << row.text << " " << row.key;
  }
}

TEST_F(EditControlTest, CaretKeysMoveAndSelectAndADoubleClickSelectsAWord) {
  box.SetText("DUFOUR Chloé");
  form.TakeLog();
  EXPECT_EQ(box.Caret(), 12);  // code leaves the caret after the text
  box.UserCaretKey(ui::kKeyHome, false);
  box.UserCaretKey(ui::kKeyRight, true);
  EXPECT_EQ(std::make_pair(box.SelStart(), box.SelLength()), std::make_pair(0, 1));
  box.UserCaretKey(ui::kKeyEnd, true);
  EXPECT_EQ(box.SelLength(), 12);
  box.UserCaretKey(ui::kKeyLeft, false);  // a selection collapses to its start
  EXPECT_EQ(std::make_pair(box.SelStart(), box.SelLength()), std::make_pair(0, 0));
  box.UserSelectWord(12);
  EXPECT_EQ(std::make_pair(box.SelStart(), box.SelLength()), std::make_pair(7, 5));
  box.UserCaretKey(0, false);  // Ctrl+A
  EXPECT_EQ(box.SelLength(), 12);
  EXPECT_TRUE(form.TakeLog().empty());  // caret moves raise nothing
}

TEST_F(EditControlTest, APasteGoesThroughKeyPressAsTheKeysItHolds) {
  box.OnKeyPress = [this](int& key) {
    form.log.push_back("KeyPress:" + std::to_string(key));
    if (key != '1') key = 0;
  };
  box.UserPaste("1a1");
  EXPECT_EQ(form.TakeLog(),
            (Log{"KeyPress:49", "Change:1", "KeyPress:97", "KeyPress:49", "Change:11"}));
}
