// Imprimer on the selection screen: the confirmation, the TEMPO request's life and the
// one print request with every listed payslip.
#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/request_records.h"
#include "data/sqlite_store.h"
#include "data/step.h"
#include "printing/print_log.h"
#include "printing/recording_print_control.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "support/failing_database.h"
#include "text/text.h"
#include "ui/test_desktop.h"

namespace vantelor {
namespace {

using printing::RecordingPrintControl;
using testsupport::Call;

const std::vector<std::string> kListed = {"0001200120030300101", "0001200120030100101",
                                          "00012002200302A01"};

class BatchPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    v_.TheDatabase = db_;
    v_.TheClient = std::make_shared<dba::SqliteClient>();
    Ouvrir_Fichiers(v_);
    screen_ = std::make_unique<SelectionScreen>(v_);
    screen_->Ctr_Ostrel.SetControl(control_);
    db_->FailWhen([this](const Call& c) {
      if (c.file == "TEMPO") tempoCalls_.push_back(c.op + " " + c.key);
      return fails_ && fails_(c);
    });
    for (const std::string& k : kListed) {
      screen_->Lst_CodeArchive.AddItem(k);
      screen_->Lst_Periode.AddItem("period of " + k);
    }
  }
  // Names and the period as Lister leaves them, then Imprimer answered.
  void Imprimer(int answer, const std::string& aidant = "DUPONT Marie",
                const std::string& aide = "",
                const std::vector<std::string>& periode = {"Janvier", "2003", "Mars", "2003"}) {
    screen_->Cbo_NomAidant.SetText(aidant);
    screen_->Cbo_NomAide.SetText(aide);
    screen_->Cbo_DebutPeriode.SetText(periode[0]);
    screen_->Cbo_DebutAn.SetText(periode[1]);
    screen_->Cbo_FinPeriode.SetText(periode[2]);
    screen_->Cbo_FinAn.SetText(periode[3]);
    screen_->Cmd_Imprimer.SetEnabled(true);
    desktop_.Answer(answer);
    screen_->Cmd_Imprimer.UserClick();
  }
  bool TempoExists() {
    return dba::RunStep([&] { store_->OpenFile("TEMPO")->ReadRecord(key_); }) == 0;
  }

  ui::TestDesktop desktop_;
  ui::ScopedDesktop installed_{desktop_};
  std::shared_ptr<dba::SqliteDatabase> store_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FailingDatabase> db_ =
      std::make_shared<testsupport::FailingDatabase>(store_);
  std::shared_ptr<RecordingPrintControl> control_ = std::make_shared<RecordingPrintControl>();
  Variable v_;
  std::unique_ptr<SelectionScreen> screen_;
  std::function<bool(const Call&)> fails_;
  std::vector<std::string> tempoCalls_;
  const std::string key_ = dba::TempoKey(Lire_NomUtilisateur());
};

TEST_F(BatchPrintTest, TheQuestionNamesThePersonsAndThePeriodAndNoPrintsNothing) {
  const std::string start = "Confirmez-vous l'édition de tous les bulletins ";
  const struct {
    std::string aidant, aide;
    std::vector<std::string> periode;
    std::string sentence;
  } cases[] = {
      {"",
       "LEFEVRE Jeanne",
       {"Janvier", "2003", "Mars", "2003"},
       "pour LEFEVRE Jeanne, de Janvier 2003 à Mars 2003 ?"},
      {"DUPONT Marie",
       "LEFEVRE Jeanne",
       {"Janvier", "2003", "Mars", "2003"},
       "de DUPONT Marie pour LEFEVRE Jeanne, de Janvier 2003 à Mars 2003 ?"},
      {"DUPONT Marie",
       "",
       {"Janvier", "2003", "Janvier", "2003"},
       "de DUPONT Marie, sur le mois de Janvier 2003"},
      {"DUPONT Marie",
       "",
       {"Janvier", "2003", "Janvier", "2004"},
       "de DUPONT Marie, de Janvier 2003 à Janvier 2004 ?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sentence);
    tempoCalls_.clear();
    Imprimer(ui::kAnswerNo, c.aidant, c.aide, c.periode);
    EXPECT_EQ(desktop_.LastMessage(),
              (ui::MessageRecord{start + c.sentence, 36, "Message KALVENOR", ui::kAnswerNo}));
    EXPECT_EQ(tempoCalls_,
              (std::vector<std::string>{"new " + key_, "write " + key_, "delete " + key_}))
        << "written before the question, deleted after it";
  }
  EXPECT_TRUE(control_->calls.empty());
  EXPECT_EQ(store_->RecordCount(printing::kPrintLogFile), 0);

  // Without any name the request is refused before anything is written.
  tempoCalls_.clear();
  Imprimer(ui::kAnswerOk, "", "");
  EXPECT_EQ(desktop_.LastMessage().text, "Veuillez sélectionner au moins un aidant ou un aidé.");
  EXPECT_TRUE(tempoCalls_.empty());
}

TEST_F(BatchPrintTest, YesPrintsEveryListedPayslipInListOrderInOneRequest) {
  v_.W_StatutImpression = 5;
  std::vector<std::string> tempoDuringPrint;
  control_->during = [&](const RecordingPrintControl::Edition&) {
    tempoDuringPrint = dba::TempoArchiveKeys(store_->OpenFile("TEMPO")->ReadRecord(key_));
  };
  for (const auto& [value, preprinted] : {std::pair{1, true}, {0, false}, {2, false}}) {
    SCOPED_TRACE(value);
    screen_->Cac_Preimp.SetValue(value);
    Imprimer(ui::kAnswerYes);
    const auto& e = control_->editions.back();
    EXPECT_EQ(e.keys, kListed);
    EXPECT_EQ(e.preprinted, preprinted);
    EXPECT_EQ(e.user, text::Upper(Lire_NomUtilisateur()));
    EXPECT_EQ(e.statusOnEntry, 0);
    EXPECT_EQ(tempoDuringPrint, kListed) << "the request record holds the keys while printing";
    EXPECT_FALSE(TempoExists());
  }
  EXPECT_EQ(control_->database, v_.TheDatabase);
  EXPECT_EQ(control_->client, v_.TheClient);
  EXPECT_EQ(store_->RecordCount(printing::kPrintLogFile), 3);
  EXPECT_TRUE(desktop_.Errors().empty());
  EXPECT_EQ(screen_->Lst_CodeArchive.Items(), kListed) << "the screen stays as it was";
}

TEST_F(BatchPrintTest, AFailureReachesTheHostAndLeavesNoRequestBehind) {
  const struct {
    const char* name;
    std::function<bool(const Call&)> fails;
    bool printed;
  } cases[] = {
      {"request record not written",
       [](const Call& c) { return c.op == "write" && c.file == "TEMPO"; }, false},
      {"print log not written",
       [](const Call& c) { return c.op == "write" && c.file == printing::kPrintLogFile; }, false},
      {"print control fails", nullptr, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    desktop_ = ui::TestDesktop();
    control_->editions.clear();
    fails_ = c.fails;
    if (!c.fails) control_->failure = dba::Error(printing::kPrintFailed, "printer on fire");
    Imprimer(ui::kAnswerYes);
    ASSERT_EQ(desktop_.Errors().size(), 1u);
    EXPECT_NE(desktop_.Errors()[0].where.find("Cmd_Imprimer"), std::string::npos);
    EXPECT_EQ(control_->editions.size(), c.printed ? 1u : 0u);
    fails_ = nullptr;
    EXPECT_FALSE(TempoExists());
    EXPECT_TRUE(screen_->Enabled());
    EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
  }
}

}  // namespace
}  // namespace vantelor
