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

TEST_F(EditControlTest, ChangeIsRaisedWhenCodeSetsANewText) {
  box.SetText("12");
  box.SetText("12");
  box.SetText("");
  EXPECT_EQ(form.TakeLog(), (Log{"Change:12", "Change:"}));
}

TEST_F(EditControlTest, TypingRaisesKeyPressChangeAndKeyUpForEachCharacter) {
  box.UserType("1é");
  EXPECT_EQ(form.TakeLog(),
            (Log{"KeyPress:49", "Change:1", "KeyUp:49", "KeyPress:233", "Change:1é", "KeyUp:233"}));
  EXPECT_EQ(box.Text(), "1é");
}

TEST_F(EditControlTest, KeyPressCancelsTheKeyBySettingItToZero) {
  box.OnKeyPress = [](int& key) {
    if (key != ui::kKeyBackspace) key = 0;
  };
  box.SetText("ab");
  form.TakeLog();
  box.UserType("x");
  EXPECT_EQ(box.Text(), "ab");
  EXPECT_EQ(form.TakeLog(), (Log{"KeyUp:120"}));  // no Change; KeyUp still reports the key
  box.UserKey(ui::kKeyBackspace);
  EXPECT_EQ(box.Text(), "a");
}

TEST_F(EditControlTest, KeyPressCanReplaceTheKey) {
  box.OnKeyPress = [](int& key) {
    if (key >= 'a' && key <= 'z') key -= 32;
  };
  box.UserType("ab");
  EXPECT_EQ(box.Text(), "AB");
}

TEST_F(EditControlTest, EnterEditsNothingAndBackspaceRemovesOneCharacter) {
  box.SetText("Dé");
  form.TakeLog();
  box.UserKey(ui::kKeyEnter);
  EXPECT_EQ(form.TakeLog(), (Log{"KeyPress:13", "KeyUp:13"}));
  box.UserKey(ui::kKeyBackspace);
  box.UserKey(ui::kKeyBackspace);
  box.UserKey(ui::kKeyBackspace);
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(form.TakeLog(), (Log{"KeyPress:8", "Change:D", "KeyUp:8", "KeyPress:8",
                                 "Change:", "KeyUp:8", "KeyPress:8", "KeyUp:8"}));
}

TEST_F(EditControlTest, EnterHandlerMayRewriteTheText) {
  box.OnKeyPress = [this](int& key) {
    if (key == ui::kKeyEnter) box.SetText("000" + box.Text());
  };
  box.UserType("12");
  box.UserKey(ui::kKeyEnter);
  EXPECT_EQ(box.Text(), "00012");
}

TEST_F(EditControlTest, TypingStopsAtMaxLengthCountedInCharacters) {
  box.SetMaxLength(5);
  box.UserType("ÉÉÉÉÉÉÉ");
  EXPECT_EQ(box.Text(), "ÉÉÉÉÉ");
  box.UserEdit("abcdefgh");
  EXPECT_EQ(box.Text(), "abcde");
}

TEST_F(EditControlTest, DisabledBoxOrFormTakesNoInputButCodeStillSetsIt) {
  box.SetEnabled(false);
  box.UserType("1");
  box.UserEdit("2");
  form.SetEnabled(false);
  box.SetEnabled(true);
  box.UserType("3");
  EXPECT_EQ(form.TakeLog(), Log{});
  box.SetText("4");
  EXPECT_EQ(form.TakeLog(), Log{"Change:4"});
}

TEST(ComboBoxText, SettingTextRaisesChangeAndSelectsTheItemItNamesWithoutClick) {
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  LoggedForm form;
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

TEST(ComboBoxText, DropDownListTypingSelectsTheNextItemByItsInitial) {
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  LoggedForm form;
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
