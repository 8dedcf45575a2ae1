// The control as a host sees it: Init in its steps, termination in its order, the rights.
#include "vantelor/ctr_vantelor.h"

#include <gtest/gtest.h>

#include "component/control_impl.h"
#include "component/recording_objects.h"
#include "data/archive/archive_files.h"
#include "data/tools/new_archive.h"
#include "state/procedure.h"
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

class ControlTest : public ::testing::Test {
 protected:
  // Hands the control its objects, as the host does before Init; `failOn` cannot be opened.
  void Configure(const std::string& failOn = "") {
    auto db = std::make_shared<testsupport::FakeDatabase>(archive, &log);
    db->FailWhen(
        [failOn](const testsupport::Call& c) { return c.op == "open" && c.file == failOn; });
    database = db.get();
    control->put_TheDatabase(std::move(db));
    vantelor::RightsRef rights = std::make_shared<testsupport::RecordingRights>(log);
    control->put_DroitsUtilisateur(rights);
  }
  vantelor::SelectionScreen& Screen() { return vantelor::Ecran(*control); }

  Log log;
  LoggingDesktop desktop{log};
  ui::ScopedDesktop installed{desktop};
  std::shared_ptr<dba::Database> archive = dba::NewMemoryArchive();
  std::unique_ptr<vantelor::Ctr_Vantelor> control = std::make_unique<vantelor::Ctr_Vantelor>();
  testsupport::FakeDatabase* database = nullptr;
};

TEST_F(ControlTest, InitOpensTheFilesAndPreselectsTheCaregiverGivenByTheHost) {
  EXPECT_THROW(control->Init(), dba::Error);  // no database yet
  dba::DynArray civil, association;
  civil.Set(2, "DUPONT");
  civil.Set(3, "Marie");
  civil.Set(31, "A01");
  testsupport::Put(*archive, "CIVILAIDANT", "00012", civil.Text());
  association.Set(49, "1");
  testsupport::Put(*archive, "ASSOCIATION", "A01", association.Text());
  Configure();
  Screen().Cmd_Imprimer.SetEnabled(true);
  control->put_W_CodeAidant("00012");
  control->Init();
  EXPECT_EQ(database->opened,
            (Log{"PERIODESPAIE", "AIDANTSARCHIVEBULL", "AIDESARCHIVEBULL", "ASSOCIATION",
                 "CIVILAIDANT", "CIVILAIDE", "ARCHIVEBULL", "TEMPO", "CONTRAT"}));
  EXPECT_FALSE(Screen().Cmd_Imprimer.Enabled());
  EXPECT_EQ(Screen().Cbo_NomAidant.Text(), "DUPONT Marie");
  EXPECT_EQ(Screen().Cac_Preimp.Value(), 1);
  EXPECT_TRUE(Screen().Txt_CodeAidant.HasFocus());
}

TEST_F(ControlTest, TerminationClosesHelpThenReleasesFilesDatabaseAndRightsInOrder) {
  const Log released = {"help 2",      "PERIODESPAIE", "AIDANTSARCHIVEBULL", "AIDESARCHIVEBULL",
                        "ASSOCIATION", "CIVILAIDANT",  "CIVILAIDE",          "ARCHIVEBULL"};
  const Log rest = {"database", "function rights", "user rights"};
  for (const bool initFails : {false, true}) {
    SCOPED_TRACE(initFails ? "Init stopped at TEMPO" : "after Init");
    control = std::make_unique<vantelor::Ctr_Vantelor>();
    Configure(initFails ? "TEMPO" : "");
    Log expected = released;
    if (initFails) {
      EXPECT_THROW(control->Init(), dba::Error);
    } else {
      control->Init();  // then the calculation detail window opens three more files
      vantelor::Variable& v = vantelor::Etat(*control);
      v.Fic_RubSaisie = v.TheDatabase->OpenFile("RUBSAISIE");
      v.Fic_RubCharge = v.TheDatabase->OpenFile("RUBCHARGE");
      v.Fic_DetailCalcul = v.TheDatabase->OpenFile("DETAILCALCUL");
      expected.insert(expected.end(),
                      {"TEMPO", "RUBCHARGE", "RUBSAISIE", "DETAILCALCUL", "CONTRAT"});
    }
    expected.insert(expected.end(), rest.begin(), rest.end());
    log.clear();
    control.reset();
    EXPECT_EQ(log, expected);
  }
}

TEST_F(ControlTest, RightsAreAskedForThisFunctionAndReplacedTogether) {
  auto first = std::make_shared<testsupport::RecordingRights>(log);
  vantelor::RightsRef rights = first,
                      failing = std::make_shared<testsupport::RecordingRights>(log, true);
  control->put_DroitsUtilisateur(rights);
  EXPECT_EQ(first->asked, std::vector<std::string>{"PALIMOR"});
  const auto function = vantelor::Etat(*control).DroitsFonction;
  EXPECT_THROW(control->put_DroitsUtilisateur(failing), dba::Error);
  EXPECT_EQ(vantelor::Etat(*control).DroitsUtilisateur, first);
  EXPECT_EQ(vantelor::Etat(*control).DroitsFonction, function);
}

TEST_F(ControlTest, WindowHandlesAreUniqueAndLoginNamesWhole) {
  vantelor::Ctr_Vantelor other;
  EXPECT_NE(other.WindowHandle(), control->WindowHandle());
  const std::string longName = "jean-baptiste.delacroix-fontaine";  // 32 characters
  EXPECT_EQ(vantelor::NomUtilisateur(longName.c_str(), "other"), longName);
  EXPECT_EQ(vantelor::NomUtilisateur(nullptr, "fromenv"), "fromenv");
}

}  // namespace
