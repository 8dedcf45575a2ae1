#include <gtest/gtest.h>

#include <stdexcept>

#include "event_log.h"
#include "ui/busy.h"
#include "ui/test_desktop.h"

namespace {

using ui_test::LoggedForm;

class EventBoundaryTest : public ::testing::Test {
 protected:
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  LoggedForm form;
};

TEST_F(EventBoundaryTest, AnErrorAHandlerLetsThroughGoesToTheHostNamedAfterTheEvent) {
  ui::CommandButton button(form, "Cmd_Recherche");
  ui::TextBox box(form, "Txt_CodeAidant");
  ui::Frame frame(form, "Cdr_Periode");
  button.OnClick = [] { throw std::runtime_error("cannot open file TEMPO"); };
  box.OnKeyPress = [](int&) { throw 42; };
  frame.OnMouseDown = [](int, int, int, int) { throw std::logic_error("menu"); };
  form.OnLoad = [] { throw std::runtime_error("load failed"); };
  EXPECT_NO_THROW(button.UserClick());
  EXPECT_NO_THROW(box.UserType("1"));
  EXPECT_NO_THROW(frame.UserMouseDown(2, 0, 100, 200));
  EXPECT_NO_THROW(form.Load());
  EXPECT_EQ(desktop.Errors(),
            (std::vector<ui::ErrorRecord>{{"Cmd_Recherche_Click", "cannot open file TEMPO"},
                                          {"Txt_CodeAidant_KeyPress", "unknown error"},
                                          {"Cdr_Periode_MouseDown", "menu"},
                                          {"Frm_Test_Load", "load failed"}}));
  EXPECT_EQ(box.Text(), "1");  // the key itself still went through
  EXPECT_TRUE(form.Loaded());
}

TEST_F(EventBoundaryTest, AnErrorInANestedEventStopsOnlyThatEvent) {
  ui::TextBox code(form, "Txt_CodeAidant");
  ui::ComboBox name(form, "Cbo_NomAidant");
  code.OnChange = [] { throw std::runtime_error("read failed"); };
  name.OnClick = [&] {
    code.SetText("00012");
    form.log.push_back("after Change");
  };
  name.AddItem("DUPONT Jean");
  name.UserChoose(0);
  EXPECT_EQ(form.TakeLog(), std::vector<std::string>{"after Change"});
  ASSERT_EQ(desktop.Errors().size(), 1u);
  EXPECT_EQ(desktop.Errors()[0].where, "Txt_CodeAidant_Change");
}

TEST_F(EventBoundaryTest, AFailingHostHandlerStillLeavesNothingEscaping) {
  struct Throwing : ui::TestDesktop {
    void ReportError(const std::string&, const std::string&) override {
      throw std::runtime_error("host handler failed");
    }
  } throwing;
  ui::ScopedDesktop inner(throwing);
  ui::CommandButton button(form, "Cmd_OK");
  button.OnClick = [] { throw std::runtime_error("boom"); };
  EXPECT_NO_THROW(button.UserClick());
}

TEST_F(EventBoundaryTest, BusyBracketRestoresPointerAndEnabledOnEveryPath) {
  ui::CommandButton search(form, "Cmd_Recherche");
  search.OnClick = [&] {
    ui::BusyBracket busy(form);
    EXPECT_FALSE(form.Enabled());
    EXPECT_EQ(desktop.MousePointer(), ui::kHourglass);
    throw std::runtime_error("query failed");
  };
  search.UserClick();
  EXPECT_TRUE(form.Enabled());
  EXPECT_EQ(desktop.MousePointer(), ui::kDefaultPointer);
  EXPECT_EQ(desktop.PointerChanges(), (std::vector<int>{ui::kHourglass, ui::kDefaultPointer}));
  EXPECT_EQ(desktop.DoEventsCount(), 0);
  EXPECT_EQ(desktop.Errors().size(), 1u);
  {
    ui::BusyBracket busy(form);
    busy.End();  // processes the events once, then restores
    EXPECT_TRUE(form.Enabled());
    busy.End();
  }
  EXPECT_EQ(desktop.DoEventsCount(), 1);
  EXPECT_EQ(desktop.PointerChanges().size(), 4u);
}

TEST_F(EventBoundaryTest, AnErrorThatIsNewsForTheUserIsShownInABoxOnceTheBracketRestored) {
  ui::SetNoticeOfError([](const std::exception& e) {
    return std::string(e.what()) == "locked" ? "Réessayez." : "";
  });
  ui::CommandButton print(form, "Cmd_Imprimer");
  desktop.Answer(ui::kAnswerOk);
  for (const char* error : {"locked", "disk full"}) {
    print.OnClick = [&] {
      ui::BusyBracket busy(form);
      throw std::runtime_error(error);
    };
    print.UserClick();
    EXPECT_TRUE(form.Enabled());
    EXPECT_EQ(desktop.MousePointer(), ui::kDefaultPointer);
  }
  ui::SetNoticeOfError(nullptr);
  EXPECT_EQ(desktop.Messages(),
            (std::vector<ui::MessageRecord>{{"Réessayez.", ui::kExclamation, "", ui::kAnswerOk}}));
  EXPECT_EQ(desktop.Errors(), (std::vector<ui::ErrorRecord>{{"Cmd_Imprimer_Click", "disk full"}}));
}

}  // namespace
