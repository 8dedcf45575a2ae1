// Imprimer on the selection screen: the confirmation, the TEMPO request's life and the
// one print request with every listed payslip.
#include <gtest/gtest.h>

#include "component/state/procedure.h"
#include "data/archive_files.h"
#include "data/request_records.h"
#include "data/sqlite_store.h"
#include "data/step.h"
#include "printing/print_log.h"
#include "printing/recording_print_control.h"
#include "selection/selection_screen.h"
#include "support/failing_database.h"
#include "text/text.h"
#include "ui/test_desktop.h"

namespace vantelor {
namespace {

using printing::RecordingPrintControl;
using testsupport::Call;

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
  }

  // A listing of `keys` for a caregiver over a period, as Lister leaves the screen.
  void Listed(const std::vector<std::string>& keys, const std::string& aidant = "DUPONT Marie",
              const std::string& aide = "") {
    screen_->Lst_CodeArchive.Clear();
    screen_->Lst_Periode.Clear();
    screen_->Cbo_NomAidant.SetText(aidant);
    screen_->Cbo_NomAide.SetText(aide);
    Period("Janvier", "2003", "Mars", "2003");
    for (const std::string& k : keys) {
      screen_->Lst_CodeArchive.AddItem(k);
      screen_->Lst_Periode.AddItem("period of " + k);
    }
    screen_->Cmd_Imprimer.SetEnabled(true);
  }
  void Period(const std::string& m1, const std::string& y1, const std::string& m2,
              const std::string& y2) {
    screen_->Cbo_DebutPeriode.SetText(m1);
    screen_->Cbo_DebutAn.SetText(y1);
    screen_->Cbo_FinPeriode.SetText(m2);
    screen_->Cbo_FinAn.SetText(y2);
  }
  void ClickImprimer(int answer) {
    desktop_.Answer(answer);
    screen_->Cmd_Imprimer.UserClick();
  }
  bool TempoExists() {
    return dba::RunStep([&] { store_->OpenFile("TEMPO")->ReadRecord(key_); }) == 0;
  }
  long long LogCount() { return store_->RecordCount(printing::kPrintLogFile); }

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
  const std::string user_ = text::Upper(Lire_NomUtilisateur());
  const std::string key_ = dba::TempoKey(Lire_NomUtilisateur());
};

TEST_F(BatchPrintTest, WithoutAnyNameTheRequestIsRefusedAndNothingIsTouched) {
  Listed({"0001200120030100101"}, "", "");
  ClickImprimer(ui::kAnswerOk);
  ASSERT_EQ(desktop_.Messages().size(), 1u);
  EXPECT_EQ(desktop_.LastMessage(),
            (ui::MessageRecord{"Veuillez sélectionner au moins un aidant ou un aidé.", 64,
                               "Message KALVENOR", ui::kAnswerOk}));
  EXPECT_TRUE(tempoCalls_.empty());
  EXPECT_TRUE(control_->calls.empty());
  EXPECT_TRUE(desktop_.PointerChanges().empty()) << "refused before the busy bracket";
}

TEST_F(BatchPrintTest, TheQuestionNamesThePersonsAndThePeriod) {
  struct Case {
    std::string aidant, aide, m1, y1, m2, y2, sentence;
  };
  const std::string start = "Confirmez-vous l'édition de tous les bulletins ";
  const Case cases[] = {
      {"DUPONT Marie", "", "Janvier", "2003", "Mars", "2003",
       start + "de DUPONT Marie, de Janvier 2003 à Mars 2003 ?"},
      {"", "LEFEVRE Jeanne", "Janvier", "2003", "Mars", "2003",
       start + "pour LEFEVRE Jeanne, de Janvier 2003 à Mars 2003 ?"},
      {"DUPONT Marie", "LEFEVRE Jeanne", "Janvier", "2003", "Mars", "2003",
       start + "de DUPONT Marie pour LEFEVRE Jeanne, de Janvier 2003 à Mars 2003 ?"},
      {"DUPONT Marie", "", "Janvier", "2003", "Janvier", "2003",
       start + "de DUPONT Marie, sur le mois de Janvier 2003"},
      {"DUPONT Marie", "", "Janvier", "2003", "Janvier", "2004",
       start + "de DUPONT Marie, de Janvier 2003 à Janvier 2004 ?"},
      {"dupont ma", "", "Décembre", "2002", "Février", "2003",
       start + "de dupont ma, de Décembre 2002 à Février 2003 ?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    Listed({"0001200120030100101"}, c.aidant, c.aide);
    Period(c.m1, c.y1, c.m2, c.y2);
    ClickImprimer(ui::kAnswerNo);
    EXPECT_EQ(desktop_.LastMessage(),
              (ui::MessageRecord{c.sentence, 36, "Message KALVENOR", ui::kAnswerNo}));
  }
}

TEST_F(BatchPrintTest, AnswerNoPrintsNothingAndTheRequestRecordIsGone) {
  Listed({"0001200120030100101", "0001200120030200101"});
  ClickImprimer(ui::kAnswerNo);
  EXPECT_EQ(tempoCalls_,
            (std::vector<std::string>{"new " + key_, "write " + key_, "delete " + key_}))
      << "written before the question, deleted after it";
  EXPECT_FALSE(TempoExists());
  EXPECT_TRUE(control_->calls.empty());
  EXPECT_EQ(LogCount(), 0);
  EXPECT_TRUE(desktop_.Errors().empty());
}

TEST_F(BatchPrintTest, AnswerYesPrintsEveryListedPayslipInListOrderInOneRequest) {
  Listed({"0001200120030300101", "0001200120030100101", "00012002200302A01"});
  screen_->Lst_Periode.SetListIndex(1);
  v_.W_StatutImpression = 5;
  std::vector<std::string> tempoDuringPrint;
  control_->during = [&](const RecordingPrintControl::Edition&) {
    tempoDuringPrint = dba::TempoArchiveKeys(store_->OpenFile("TEMPO")->ReadRecord(key_));
  };
  ClickImprimer(ui::kAnswerYes);

  const std::vector<std::string> listed = {"0001200120030300101", "0001200120030100101",
                                           "00012002200302A01"};
  EXPECT_EQ(control_->calls,
            (std::vector<printing::DispId>{printing::kDispDatabase, printing::kDispClient,
                                           printing::kDispEditionBulletins}));
  EXPECT_EQ(control_->database, v_.TheDatabase);
  EXPECT_EQ(control_->client, v_.TheClient);
  ASSERT_EQ(control_->editions.size(), 1u);
  const auto& e = control_->editions[0];
  EXPECT_EQ(e.keys, listed);
  EXPECT_TRUE(e.interactive);
  EXPECT_EQ(e.user, user_);
  EXPECT_EQ(e.statusOnEntry, 0);
  EXPECT_EQ(tempoDuringPrint, listed) << "the request record holds the keys while printing";
  EXPECT_FALSE(TempoExists());
  EXPECT_EQ(LogCount(), 1);
  EXPECT_TRUE(desktop_.Errors().empty());
  EXPECT_TRUE(screen_->Enabled());
  EXPECT_EQ(screen_->Lst_CodeArchive.ListCount(), 3) << "the screen stays as it was";
}

TEST_F(BatchPrintTest, PreprintedIsTrueOnlyWhenTheBoxIsTicked) {
  for (const auto& [value, preprinted] : {std::pair{0, false}, {1, true}, {2, false}}) {
    SCOPED_TRACE(value);
    Listed({"0001200120030100101"});
    screen_->Cac_Preimp.SetValue(value);
    ClickImprimer(ui::kAnswerYes);
    EXPECT_EQ(control_->editions.back().preprinted, preprinted);
  }
}

TEST_F(BatchPrintTest, TheHourglassCoversThePreparationOnly) {
  Listed({"0001200120030100101"});
  ClickImprimer(ui::kAnswerYes);
  EXPECT_EQ(desktop_.PointerChanges(), (std::vector<int>{ui::kHourglass, ui::kDefaultPointer}));
  EXPECT_TRUE(screen_->Enabled());
}

TEST_F(BatchPrintTest, AFailingPrintControlReachesTheHostAndStillRemovesTheRequest) {
  Listed({"0001200120030100101"});
  control_->failure = dba::Error(printing::kPrintFailed, "the printer is on fire");
  ClickImprimer(ui::kAnswerYes);
  ASSERT_EQ(desktop_.Errors().size(), 1u);
  EXPECT_NE(desktop_.Errors()[0].message.find("the printer is on fire"), std::string::npos);
  EXPECT_NE(desktop_.Errors()[0].where.find("Cmd_Imprimer"), std::string::npos);
  EXPECT_FALSE(TempoExists());
  EXPECT_TRUE(screen_->Enabled());
  EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
}

TEST_F(BatchPrintTest, AFailingDatabaseReachesTheHostAndLeavesNoRequestBehind) {
  struct Case {
    const char* name;
    std::function<bool(const Call&)> fails;
    bool printed;
  };
  const Case cases[] = {
      {"request record not written",
       [](const Call& c) { return c.op == "write" && c.file == "TEMPO"; }, false},
      {"print log not written",
       [](const Call& c) { return c.op == "write" && c.file == printing::kPrintLogFile; }, false},
      {"payslip read fails while printing", nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    desktop_ = ui::TestDesktop();
    control_->editions.clear();
    control_->failure.reset();
    fails_ = c.fails;
    if (!c.fails) control_->failure = dba::Error(dba::kStorageFailure, "disk I/O error");
    Listed({"0001200120030100101"});
    ClickImprimer(ui::kAnswerYes);
    EXPECT_EQ(desktop_.Errors().size(), 1u);
    EXPECT_EQ(control_->editions.size(), c.printed ? 1u : 0u);
    fails_ = nullptr;
    EXPECT_FALSE(TempoExists());
    EXPECT_TRUE(screen_->Enabled());
  }
}

}  // namespace
}  // namespace vantelor
