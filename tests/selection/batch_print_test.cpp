// Imprimer on the selection screen: the confirmation, the TEMPO request's life and the
// one print request with every listed payslip.
#include "printing/print_log.h"
#include "selection/selection_screen.h"
#include "support/print_fixture.h"

namespace vantelor {
namespace {

using testsupport::Call;

const std::vector<std::string> kListed = {"0001200120030300101", "00012002200302A01"};

class BatchPrintTest : public testsupport::PrintFixture {
 protected:
  BatchPrintTest() {
    screen.Ctr_Ostrel.SetControl(control);
    for (const std::string& k : kListed) screen.Lst_CodeArchive.AddItem(k);
    screen.Cbo_DebutPeriode.SetText("Janvier");
    screen.Cbo_DebutAn.SetText("2003");
    screen.Cbo_FinPeriode.SetText("Mars");
    screen.Cbo_FinAn.SetText("2003");
  }
  void Imprimer(int answer, const std::string& aidant = "DUPONT Marie",
                const std::string& aide = "") {
    screen.Cbo_NomAidant.SetText(aidant);
    screen.Cbo_NomAide.SetText(aide);
    desktop.Answer(answer);
    screen.Cmd_Imprimer.SetEnabled(true);
    screen.Cmd_Imprimer.UserClick();
  }

  SelectionScreen screen{v};
};

TEST_F(BatchPrintTest, TheQuestionNamesThePersonsAndThePeriodAndNoPrintsNothing) {
  std::vector<std::string> tempo;  // the calls on TEMPO, in order
  db->FailWhen([&](const Call& c) {
    if (c.file == "TEMPO") tempo.push_back(c.op);
    return false;
  });
  const char* start = "Confirmez-vous l'édition de tous les bulletins ";
  Imprimer(ui::kAnswerNo, "", "LEFEVRE Jeanne");
  EXPECT_EQ(
      desktop.LastMessage(),
      (ui::MessageRecord{start + std::string("pour LEFEVRE Jeanne, de Janvier 2003 à Mars 2003 ?"),
                         ui::kQuestionYesNo, kTitreMessage, ui::kAnswerNo}));
  EXPECT_EQ(tempo, (std::vector<std::string>{"new", "write", "delete"}))
      << "written before the question, removed after it";
  EXPECT_TRUE(control->calls.empty());
  screen.Cbo_FinPeriode.SetText("Janvier");  // one month: no question mark
  Imprimer(ui::kAnswerNo, "DUPONT Marie", "LEFEVRE Jeanne");
  EXPECT_EQ(
      desktop.LastMessage().text,
      start + std::string("de DUPONT Marie pour LEFEVRE Jeanne, sur le mois de Janvier 2003"));
  // Without any name the request is refused before anything is written.
  tempo.clear();
  Imprimer(ui::kAnswerOk, "", "");
  EXPECT_EQ(desktop.LastMessage().text, "Veuillez sélectionner au moins un aidant ou un aidé.");
  EXPECT_TRUE(tempo.empty());
}

TEST_F(BatchPrintTest, YesPrintsEveryListedPayslipInListOrderInOneRequest) {
  v.W_StatutImpression = 5;
  screen.Cac_Preimp.SetValue(1);
  Imprimer(ui::kAnswerYes);
  ExpectOneRequest(kListed);
  EXPECT_EQ(dba::TempoArchiveKeys(dba::DynArray(tempoDuringPrint)), kListed);
  EXPECT_TRUE(v.Enr_Tempo.Key().empty() && v.Enr_Tempo.Empty()) << "the shared record let go";
  EXPECT_TRUE(desktop.Errors().empty());
  ExpectLeftAsItWas(screen);
}

TEST_F(BatchPrintTest, AFailureReachesTheHostAndLeavesNoRequestBehind) {
  for (const bool printerFails : {false, true}) {
    SCOPED_TRACE(printerFails ? "print control fails" : "request record not written");
    control->editions.clear();
    db->FailWhen([&](const Call& c) { return !printerFails && c.op == "write"; });
    if (printerFails) control->failure = dba::Error(printing::kPrintFailed, "printer on fire");
    Imprimer(ui::kAnswerYes);
    ASSERT_FALSE(desktop.Errors().empty());
    EXPECT_NE(desktop.Errors().back().where.find("Cmd_Imprimer"), std::string::npos);
    EXPECT_EQ(control->editions.size(), printerFails ? 1u : 0u);
    db->FailWhen(nullptr);
    ExpectLeftAsItWas(screen);
  }
  // Before Init opened TEMPO: an error naming it, not a crash.
  v.Fic_Tempo.reset();
  Imprimer(ui::kAnswerYes);
  EXPECT_NE(desktop.Errors().back().message.find("TEMPO"), std::string::npos);
}

}  // namespace
}  // namespace vantelor
