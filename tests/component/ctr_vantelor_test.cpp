// The control as a host sees it: properties, Init in its steps, termination in its order.
#include "vantelor/ctr_vantelor.h"

#include <gtest/gtest.h>

#include "component/control_impl.h"
#include "component/recording_objects.h"
#include "component/state/procedure.h"
#include "data/archive_files.h"
#include "help/context_ids.h"
#include "ui/test_desktop.h"

namespace {

using testsupport::Log;

// The test desktop, writing the help calls in the release log too.
class LoggingDesktop : public ui::TestDesktop {
 public:
  explicit LoggingDesktop(Log& log) : log_(log) {}
  void Help(long owner, const std::string& file, int command, int data) override {
    log_.push_back("help " + std::to_string(command));
    TestDesktop::Help(owner, file, command, data);
  }

 private:
  Log& log_;
};

const std::vector<std::string> kInitFiles = {
    "PERIODESPAIE", "AIDANTSARCHIVEBULL", "AIDESARCHIVEBULL", "ASSOCIATION",
    "CIVILAIDANT",  "CIVILAIDE",          "ARCHIVEBULL",      "TEMPO",
    "CONTRAT"};

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    dba::DynArray civil;
    civil.Set(2, "DUPONT");
    civil.Set(3, "Marie");
    civil.Set(31, "A01");
    archive->Write("CIVILAIDANT", "00012", civil.Text());
  }

  // Hands the control its objects, as the host does before Init.
  void Configure(const std::string& failOn = "") {
    auto db = std::make_shared<testsupport::RecordingDatabase>(archive, log, failOn);
    database = db.get();
    control->put_TheDatabase(std::move(db));
    vantelor::RightsRef rights = std::make_shared<testsupport::RecordingRights>(log);
    control->put_DroitsUtilisateur(rights);
  }
  vantelor::SelectionScreen& Screen() { return vantelor::Ecran(*control); }
  vantelor::Variable& State() { return vantelor::Etat(*control); }

  Log log;
  LoggingDesktop desktop{log};
  ui::ScopedDesktop installed{desktop};
  std::shared_ptr<dba::SqliteDatabase> archive = dba::NewMemoryArchive();
  std::unique_ptr<vantelor::Ctr_Vantelor> control = std::make_unique<vantelor::Ctr_Vantelor>();
  testsupport::RecordingDatabase* database = nullptr;
};

TEST_F(ControlTest, CreationMakesItsWindowTheHelpOwnerAndOpensNothing) {
  EXPECT_EQ(help::Proprietaire(), control->WindowHandle());
  vantelor::Ctr_Vantelor other;
  EXPECT_NE(other.WindowHandle(), control->WindowHandle());
  EXPECT_EQ(State().Fic_CivilAidant, nullptr);
  EXPECT_FALSE(control->get_W_Sortir());
  EXPECT_EQ(control->get_W_CodeAidant(), "");
}

TEST_F(ControlTest, InitOpensTheFilesResetsTheScreenAndFocusesTheCaregiverCode) {
  Configure();
  Screen().Cmd_Imprimer.SetEnabled(true);
  Screen().Cdr_Periode.SetEnabled(true);
  control->Init();
  EXPECT_EQ(database->opened, kInitFiles);
  EXPECT_FALSE(Screen().Cmd_Imprimer.Enabled());
  EXPECT_FALSE(Screen().Cdr_Periode.Enabled());
  EXPECT_FALSE(Screen().Cmd_Recherche.Enabled());
  EXPECT_EQ(Screen().Txt_CodeAidant.Text(), "");
  EXPECT_TRUE(Screen().Txt_CodeAidant.HasFocus());
  EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(ControlTest, InitPreselectsTheCaregiverGivenByTheHost) {
  Configure();
  control->put_W_CodeAidant("00012");
  control->Init();
  EXPECT_EQ(Screen().Txt_CodeAidant.Text(), "00012");
  EXPECT_EQ(Screen().Cbo_NomAidant.Text(), "DUPONT Marie");
  EXPECT_TRUE(Screen().Cmd_Recherche.Enabled());
  // Step 5 focuses the name; step 7 gives the focus back to the enabled code box.
  EXPECT_TRUE(Screen().Txt_CodeAidant.HasFocus());
}

TEST_F(ControlTest, InitReadsThePreprintedSetting) {
  dba::DynArray association;
  association.Set(49, "1");
  archive->Write("ASSOCIATION", "A01", association.Text());
  Configure();
  control->Init();
  EXPECT_EQ(Screen().Cac_Preimp.Value(), 1);
}

TEST_F(ControlTest, InitStopsAtAFileThatCannotBeOpenedAndTerminationStillReleasesAll) {
  Configure("TEMPO");
  try {
    control->Init();
    FAIL() << "Init went through";
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), dba::kFileNotFound);
  }
  EXPECT_EQ(database->opened, std::vector<std::string>(kInitFiles.begin(), kInitFiles.begin() + 7));
  EXPECT_EQ(State().Fic_Tempo, nullptr);
  log.clear();
  control.reset();
  EXPECT_EQ(log, (Log{"help 2", "PERIODESPAIE", "AIDANTSARCHIVEBULL", "AIDESARCHIVEBULL",
                      "ASSOCIATION", "CIVILAIDANT", "CIVILAIDE", "ARCHIVEBULL", "database",
                      "function rights", "user rights"}));
  EXPECT_TRUE(desktop.Errors().empty());
}

TEST_F(ControlTest, InitWithoutADatabaseIsAnError) { EXPECT_THROW(control->Init(), dba::Error); }

TEST_F(ControlTest, TerminationClosesHelpThenReleasesFilesDatabaseAndRightsInOrder) {
  Configure();
  control->Init();
  // The calculation detail window opens three more files.
  State().Fic_RubSaisie = State().TheDatabase->OpenFile("RUBSAISIE");
  State().Fic_RubCharge = State().TheDatabase->OpenFile("RUBCHARGE");
  State().Fic_DetailCalcul = State().TheDatabase->OpenFile("DETAILCALCUL");
  auto client = std::make_shared<dba::SqliteClient>();
  control->put_TheClient(client);
  log.clear();
  control.reset();
  EXPECT_EQ(log,
            (Log{"help 2", "PERIODESPAIE", "AIDANTSARCHIVEBULL", "AIDESARCHIVEBULL", "ASSOCIATION",
                 "CIVILAIDANT", "CIVILAIDE", "ARCHIVEBULL", "TEMPO", "RUBCHARGE", "RUBSAISIE",
                 "DETAILCALCUL", "CONTRAT", "database", "function rights", "user rights"}));
  EXPECT_EQ(client.use_count(), 1);  // the host keeps its client
}

TEST_F(ControlTest, RightsAreAskedForThisFunctionAndReplacedTogether) {
  auto first = std::make_shared<testsupport::RecordingRights>(log);
  vantelor::RightsRef rights = first;
  control->put_DroitsUtilisateur(rights);
  EXPECT_EQ(first->asked, std::vector<std::string>{"PALIMOR"});
  EXPECT_EQ(State().DroitsUtilisateur, first);
  ASSERT_NE(State().DroitsFonction, nullptr);
  const auto function = State().DroitsFonction;

  vantelor::RightsRef failing = std::make_shared<testsupport::RecordingRights>(log, true);
  EXPECT_THROW(control->put_DroitsUtilisateur(failing), dba::Error);
  EXPECT_EQ(State().DroitsUtilisateur, first);
  EXPECT_EQ(State().DroitsFonction, function);

  vantelor::RightsRef none;
  control->put_DroitsUtilisateur(none);
  EXPECT_EQ(State().DroitsUtilisateur, nullptr);
  EXPECT_EQ(State().DroitsFonction, nullptr);
}

TEST(LoginName, IsReturnedWholeWhateverItsLength) {
  const std::string longName = "jean-baptiste.delacroix-fontaine";  // 32 characters
  EXPECT_EQ(vantelor::NomUtilisateur(longName.c_str(), "other"), longName);
  EXPECT_EQ(vantelor::NomUtilisateur(nullptr, "fromenv"), "fromenv");
  EXPECT_EQ(vantelor::NomUtilisateur("", nullptr), "");
}

}  // namespace
