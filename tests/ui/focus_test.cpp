#include <gtest/gtest.h>

#include "event_log.h"
#include "ui/busy.h"
#include "ui/test_desktop.h"

namespace {

using ui_test::LoggedForm;
using Log = std::vector<std::string>;

class FocusTest : public ::testing::Test {
 protected:
  FocusTest() {
    code.SetContainer(&frame);
    for (ui::Control* c : {static_cast<ui::Control*>(&code), static_cast<ui::Control*>(&name),
                           static_cast<ui::Control*>(&search)}) {
      form.LogFocus(*c);
    }
  }
  ~FocusTest() override { ui::Control::ClearFocus(); }
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  LoggedForm form;
  ui::Frame frame{form, "Cdr_Individu"};
  ui::TextBox code{form, "Txt_CodeAidant"};
  ui::ComboBox name{form, "Cbo_NomAidant"};
  ui::CommandButton search{form, "Cmd_Recherche"};
};

TEST_F(FocusTest, MovingTheFocusRaisesLostFocusThenGotFocus) {
  code.SetFocus();
  name.SetFocus();
  name.SetFocus();
  EXPECT_EQ(form.TakeLog(),
            (Log{"Txt_CodeAidant.GotFocus", "Txt_CodeAidant.LostFocus", "Cbo_NomAidant.GotFocus"}));
  EXPECT_TRUE(name.HasFocus());
  EXPECT_EQ(ui::Control::Focused(), &name);
  form.Load();
  form.Unload();  // takes the focus away
  EXPECT_EQ(ui::Control::Focused(), nullptr);
}

TEST_F(FocusTest, FocusToADisabledOrHiddenControlDoesNothing) {
  name.SetFocus();
  form.TakeLog();
  search.SetEnabled(false);
  search.SetFocus();
  frame.SetVisible(false);  // hides the code box with it
  code.SetFocus();
  form.SetEnabled(true);
  EXPECT_EQ(form.TakeLog(), Log{});
  EXPECT_TRUE(name.HasFocus());
  form.SetEnabled(false);
  frame.SetVisible(true);
  code.SetFocus();
  EXPECT_TRUE(name.HasFocus());
}

TEST_F(FocusTest, ALostFocusHandlerThatMovesTheFocusBackWins) {
  code.SetFocus();
  code.OnLostFocus = [this] {
    form.log.push_back("Txt_CodeAidant.LostFocus");
    code.SetFocus();  // validation refused: the focus stays on the code box
  };
  form.TakeLog();
  search.SetFocus();
  EXPECT_EQ(form.TakeLog(), (Log{"Txt_CodeAidant.LostFocus", "Txt_CodeAidant.GotFocus"}));
  EXPECT_TRUE(code.HasFocus());
  EXPECT_FALSE(search.HasFocus());
}

TEST_F(FocusTest, TabOrderFollowsTabIndexThenDeclaration) {
  search.SetTabIndex(0);
  code.SetTabIndex(2);
  name.SetTabIndex(1);
  const auto order = form.TabOrder();
  ASSERT_EQ(order.size(), 3u);  // the frame takes no focus
  EXPECT_EQ(order[0], &search);
  EXPECT_EQ(order[1], &name);
  EXPECT_EQ(order[2], &code);
}

TEST_F(FocusTest, F1OpensHelpAtTheNearestContextNumber) {
  ui::SetHelpFile("/opt/vantelor/Vantelor.html");
  form.SetHelpContextID(5);
  frame.SetHelpContextID(10);
  code.UserHelpKey();  // none of its own: its frame's
  name.UserHelpKey();  // none of its own, no frame: the form's
  search.SetHelpContextID(20);
  search.UserHelpKey();
  search.SetEnabled(false);
  search.UserHelpKey();  // a disabled control has no keyboard
  ASSERT_EQ(desktop.HelpCalls().size(), 3u);
  EXPECT_EQ(desktop.HelpCalls()[0],
            (ui::HelpRecord{0, "/opt/vantelor/Vantelor.html", ui::kHelpContext, 10}));
  EXPECT_EQ(desktop.HelpCalls()[1].data, 5);
  EXPECT_EQ(desktop.HelpCalls()[2].data, 20);
  ui::SetHelpFile("");
}

// A focus asked for while a busy bracket holds the form moves when the bracket ends; a focus
// given elsewhere after the request wins, and an error that ends the bracket moves nothing.
TEST_F(FocusTest, AFocusAskedForUnderABusyBracketMovesWhenItEnds) {
  search.SetFocus();
  {
    ui::BusyBracket busy(form);
    name.SetFocus();
    EXPECT_TRUE(search.HasFocus());  // the form is disabled: not yet
    busy.End();
  }
  EXPECT_TRUE(name.HasFocus());
  {
    ui::BusyBracket busy(form);
    code.SetFocus();
  }
  EXPECT_TRUE(name.HasFocus());
}

}  // namespace
