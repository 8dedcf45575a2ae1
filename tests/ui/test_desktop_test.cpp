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

// A box with no answer, or one that is not among its buttons, fails; the box is recorded.
TEST_F(TestDesktopTest, ABoxWithoutAFittingAnswerPreparedFailsLoudly) {
  desktop.Answer(ui::kAnswerYes);
  EXPECT_THROW(ui::desktop().MessageBox("Saisie incorrecte", ui::kExclamation, ""),
               ui::ScriptFailure);
  EXPECT_THROW(ui::desktop().MessageBox("Cet aidé n'existe pas.", ui::kExclamation, "Message"),
               ui::ScriptFailure);
  ASSERT_EQ(desktop.Failures().size(), 2u);
  EXPECT_NE(desktop.Failures()[0].find("answer 6 is not a button"), std::string::npos);
  EXPECT_EQ(desktop.Failures()[1],
            "message box with no answer prepared: \"Cet aidé n'existe pas.\" (style 48, title "
            "\"Message\")");
  EXPECT_EQ(desktop.Messages().size(), 2u);
}

// The modal stack is unwound all the same.
TEST_F(TestDesktopTest, ModalFormWithNoHandlerOrLeftOpenFails) {
  LoggedForm form;
  EXPECT_THROW(form.ShowModal(), ui::ScriptFailure);
  desktop.OnShowModal([](ui::Form&) {});
  EXPECT_THROW(form.ShowModal(), ui::ScriptFailure);
  EXPECT_TRUE(ui::Form::ModalStack().empty());
  EXPECT_EQ(desktop.Failures(),
            (std::vector<std::string>{"form Frm_Test shown modally with no handler prepared",
                                      "form Frm_Test is still loaded after its modal handler"}));
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
