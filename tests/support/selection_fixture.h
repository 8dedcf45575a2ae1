#pragma once
// The selection screen over a small in-memory archive, with the test desktop installed,
// the files open and the rights of a user in place, as Init leaves them:
//
//   class LookupTest : public testsupport::SelectionFixture {};
//   TEST_F(LookupTest, TypedCodeShowsTheName) {
//     AddCaregiver("00012", "DUPONT", "Marie", "A01");
//     screen.Txt_CodeAidant.UserType("00012");
//     EXPECT_EQ(screen.Cbo_NomAidant.Text(), "DUPONT Marie");
//   }
//
// Civil records and index records are written with readable helpers; the user "test"
// may see the access codes given to AllowCodes (by default A01 and A02).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "rights/stored_rights.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "ui/test_desktop.h"

namespace testsupport {

class SelectionFixture : public ::testing::Test {
 protected:
  SelectionFixture() {
    v.TheDatabase = db;
    AllowCodes({"A01", "A02"});
    vantelor::Ouvrir_Fichiers(v);
  }

  // The DROITS record of the user "test" and the function rights read from it.
  void AllowCodes(const std::vector<std::string>& codes) {
    dba::DynArray record;
    for (std::size_t i = 0; i < codes.size(); ++i) record.Set(1, static_cast<int>(i + 1), codes[i]);
    db->Write("DROITS", "TEST*PALIMOR", record.Text());
    v.DroitsUtilisateur = std::make_shared<rights::StoredUserRights>(db, "test");
    v.DroitsFonction = v.DroitsUtilisateur->FunctionRights("PALIMOR");
  }

  // A CIVILAIDANT record: last name (2), first name (3), access code (31).
  void AddCaregiver(const std::string& code, const std::string& last, const std::string& first,
                    const std::string& access) {
    Civil("CIVILAIDANT", code, last, first, 31, access);
  }
  // A CIVILAIDE record: last name (2), first name (3), access data (40).
  void AddCareRecipient(const std::string& code, const std::string& last, const std::string& first,
                        const std::string& access) {
    Civil("CIVILAIDE", code, last, first, 40, access);
  }
  // An archive-index record (code followed by the year) with one payslip key in March.
  void AddIndex(const std::string& file, const std::string& codeAndYear,
                const std::string& payslipKey = "") {
    dba::DynArray record;
    record.Set(3, payslipKey.empty()
                      ? codeAndYear.substr(0, 5) + "001" + codeAndYear.substr(5, 4) + "0300101"
                      : payslipKey);
    record.Set(12, "");
    db->Write(file, codeAndYear, record.Text());
  }

  // Items of a combo box, in order.
  static std::vector<std::string> Items(const ui::ComboBox& box) { return box.Items(); }

  std::shared_ptr<dba::SqliteDatabase> db = dba::NewMemoryArchive();
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  vantelor::Variable v;
  vantelor::SelectionScreen screen{v};

 private:
  void Civil(const std::string& file, const std::string& code, const std::string& last,
             const std::string& first, int accessAttribute, const std::string& access) {
    dba::DynArray record;
    record.Set(1, "M.");
    record.Set(2, last);
    record.Set(3, first);
    record.Set(accessAttribute, access);
    db->Write(file, code, record.Text());
  }
};

}  // namespace testsupport
