#include "ui/test_desktop.h"

#include <gtest/gtest.h>

#include "event_log.h"

namespace {

using ui_test::LoggedForm;

class TestDesktopTest : public ::testing::Test {
 protected:
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
};

TEST_F(TestDesktopTest, AnswersBoxesInTheOrderPreparedAndRecordsThem) {
  desktop.Answer(ui::kAnswerYes).Answer(ui::kAnswerOk);
  EXPECT_EQ(ui::desktop().MessageBox("Imprimer ?", ui::kQuestionYesNo, "Message KALVENOR"),
            ui::kAnswerYes);
  EXPECT_EQ(ui::desktop().MessageBox("Cet aidant n'existe pas.", ui::kExclamation, ""),
            ui::kAnswerOk);
  EXPECT_EQ(desktop.PendingAnswers(), 0);
  EXPECT_EQ(desktop.Messages(),
            (std::vector<ui::MessageRecord>{
                {"Imprimer ?", ui::kQuestionYesNo, "Message KALVENOR", ui::kAnswerYes},
                {"Cet aidant n'existe pas.", ui::kExclamation, "", ui::kAnswerOk}}));
  EXPECT_EQ(desktop.LastMessage().text, "Cet aidant n'existe pas.");
}

TEST_F(TestDesktopTest, ABoxWithNoAnswerPreparedFailsLoudly) {
  try {
    ui::desktop().MessageBox("Cet aidé n'existe pas.", ui::kExclamation, "Message KALVENOR");
    FAIL() << "no failure";
  } catch (const ui::ScriptFailure& e) {
    EXPECT_STREQ(e.what(),
                 "message box with no answer prepared: \"Cet aidé n'existe pas.\" (style 48, "
                 "title \"Message KALVENOR\")");
  }
  EXPECT_EQ(desktop.Failures().size(), 1u);
  EXPECT_EQ(desktop.Messages().size(), 1u);  // the box was shown all the same
}

TEST_F(TestDesktopTest, AnAnswerThatIsNotAButtonOfTheBoxFails) {
  desktop.Answer(ui::kAnswerYes);
  EXPECT_THROW(ui::desktop().MessageBox("Saisie incorrecte", ui::kExclamation, ""),
               ui::ScriptFailure);
  ASSERT_EQ(desktop.Failures().size(), 1u);
  EXPECT_NE(desktop.Failures()[0].find("answer 6 is not a button"), std::string::npos);
}

TEST_F(TestDesktopTest, LastMessageWithoutAnyBoxIsAnError) {
  EXPECT_THROW(desktop.LastMessage(), std::logic_error);
}

TEST_F(TestDesktopTest, ModalFormWithNoHandlerOrLeftOpenFails) {
  LoggedForm form;
  EXPECT_THROW(form.ShowModal(), ui::ScriptFailure);
  desktop.OnShowModal([](ui::Form&) {});
  EXPECT_THROW(form.ShowModal(), ui::ScriptFailure);
  EXPECT_EQ(desktop.Failures(),
            (std::vector<std::string>{"form Frm_Test shown modally with no handler prepared",
                                      "form Frm_Test is still loaded after its modal handler"}));
}

TEST_F(TestDesktopTest, DefaultModalHandlerRunsWhenNoneIsPrepared) {
  LoggedForm form;
  int runs = 0;
  desktop.SetDefaultModalHandler([&](ui::Form& f) {
    ++runs;
    f.Unload();
  });
  form.ShowModal();
  form.ShowModal();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(desktop.ModalForms().size(), 2u);
}

TEST_F(TestDesktopTest, RecordsPopupsHelpPointerEventsAndHostClosing) {
  LoggedForm form;
  ui::Menu menu(form, "Mnu_Aide", "Aide");
  ui::Menu entry(form, "Mnu_Sommaire", "Aide_KALVENOR");
  menu.AddEntry(entry);
  entry.OnClick = form.Logs("Sommaire");
  desktop.OnPopupMenu([](ui::Menu& m) { m.Entries()[0]->UserChoose(); });
  ui::desktop().PopupMenu(menu, form, 300, 450);
  ui::desktop().PopupMenu(menu, form, 10, 20);  // nothing prepared: closed with no choice
  EXPECT_EQ(form.TakeLog(), std::vector<std::string>{"Sommaire"});
  EXPECT_EQ(desktop.Popups(), (std::vector<ui::PopupRecord>{{"Mnu_Aide", "Frm_Test", 300, 450},
                                                            {"Mnu_Aide", "Frm_Test", 10, 20}}));
  ui::desktop().Help(7, "Vantelor.HLP", ui::kHelpFinder, 0);
  ui::desktop().SetMousePointer(ui::kHourglass);
  ui::desktop().DoEvents();
  ui::desktop().CloseHostWindow();
  ui::desktop().ReportError("Cmd_OK_Click", "boom");
  EXPECT_EQ(desktop.HelpCalls(),
            (std::vector<ui::HelpRecord>{{7, "Vantelor.HLP", ui::kHelpFinder, 0}}));
  EXPECT_EQ(desktop.MousePointer(), ui::kHourglass);
  EXPECT_EQ(desktop.DoEventsCount(), 1);
  EXPECT_EQ(desktop.CloseHostWindowCount(), 1);
  EXPECT_EQ(desktop.Errors(), (std::vector<ui::ErrorRecord>{{"Cmd_OK_Click", "boom"}}));
}

TEST(ScopedDesktop, PutsThePreviousDesktopBack) {
  ui::Desktop* before = &ui::desktop();
  {
    ui::TestDesktop outer;
    ui::ScopedDesktop a(outer);
    {
      ui::TestDesktop inner;
      ui::ScopedDesktop b(inner);
      EXPECT_EQ(&ui::desktop(), &inner);
    }
    EXPECT_EQ(&ui::desktop(), &outer);
  }
  EXPECT_EQ(&ui::desktop(), before);
}

TEST(AnswerFits, EachStyleOffersItsButtons) {
  struct Case {
    int style, answer;
    bool fits;
  };
  for (const Case& c :
       {Case{ui::kExclamation, ui::kAnswerOk, true}, Case{ui::kCritical, ui::kAnswerNo, false},
        Case{ui::kQuestionYesNo, ui::kAnswerYes, true},
        Case{ui::kQuestionYesNo, ui::kAnswerNo, true},
        Case{ui::kQuestionYesNo, ui::kAnswerOk, false},
        Case{ui::kInformation + 1, ui::kAnswerCancel, true}}) {
    EXPECT_EQ(ui::AnswerFits(c.style, c.answer), c.fits) << c.style << " " << c.answer;
  }
}

}  // namespace
