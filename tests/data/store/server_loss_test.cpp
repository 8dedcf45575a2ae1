// A server that goes away while a clerk works: the selection screen reports it in French
// (through the host) and stays usable; once the server is back, the next action works.
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include "data/core/record_text.h"
#include "data/store/postgres/postgres_store.h"
#include "data/tools/new_archive.h"
#include "rights/stored_rights.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "store_fixture.h"
#include "ui/test_desktop.h"

namespace {

using dba::RecordText;

TEST(ServerLossTest, TheScreenSaysSoInFrenchAndStaysUsable) {
  storetest::CreateRole("vantelor_screen", "LOGIN SUPERUSER");
  storetest::PostgresStore store;
  store.NewDatabaseName();
  auto db = dba::OpenPostgresDatabase(
      storetest::ServerName(store.schemas.back(), "vantelor_screen"), dba::OpenMode::kCreate);
  dba::CreateArchiveFiles(*db);
  db->Write("CIVILAIDANT", "00012", RecordText({{"Mme"}, {"DUPONT"}, {"Marie"}}));
  db->Write("AIDANTSARCHIVEBULL", "000122003", RecordText({{""}, {""}, {"0001200120030300101"}}));
  db->Write("DROITS", "TEST*PALIMOR", RecordText({{"*"}}));

  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  vantelor::Variable v;
  v.TheDatabase = db;
  v.DroitsUtilisateur = std::make_shared<rights::StoredUserRights>(db, "test");
  v.DroitsFonction = v.DroitsUtilisateur->FunctionRights("PALIMOR");
  vantelor::Ouvrir_Fichiers(v);
  vantelor::SelectionScreen screen{v};
  const auto serverGone = [&](bool gone) {
    storetest::ServerSql(std::string("ALTER ROLE vantelor_screen ") + (gone ? "NOLOGIN" : "LOGIN"));
    if (gone)
      storetest::ServerSql("SELECT pg_terminate_backend(" +
                           std::to_string(PQbackendPID(db->Connection().Handle())) + ")");
  };

  serverGone(true);
  screen.Txt_CodeAidant.UserType("00012");
  ASSERT_EQ(desktop.Errors().size(), 1u);
  EXPECT_NE(desktop.Errors()[0].message.find("ne répond pas"), std::string::npos);
  EXPECT_EQ(screen.Txt_CodeAidant.Text(), "");
  serverGone(false);
  screen.Txt_CodeAidant.UserType("00012");
  EXPECT_EQ(screen.Cbo_NomAidant.Text(), "DUPONT Marie");

  serverGone(true);
  screen.Cmd_Recherche.UserClick();
  ASSERT_EQ(desktop.Errors().size(), 2u);
  EXPECT_EQ(desktop.Errors()[1].where, "Cmd_Recherche_Click");
  EXPECT_TRUE(screen.Enabled());
  EXPECT_EQ(screen.MousePointer(), 0);
  serverGone(false);
  screen.Cmd_Recherche.UserClick();
  EXPECT_EQ(screen.Cbo_DebutAn.Items(), std::vector<std::string>{"2003"});
  EXPECT_EQ(desktop.Errors().size(), 2u);
}

}  // namespace
