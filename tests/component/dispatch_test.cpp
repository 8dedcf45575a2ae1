// Late binding: every member reached by its dispatch identifier, and wrong calls refused.
#include <gtest/gtest.h>

#include "component/control_impl.h"
#include "component/recording_objects.h"
#include "data/archive_files.h"
#include "ui/test_desktop.h"
#include "vantelor/ctr_vantelor.h"

namespace {

using vantelor::Argument;
using vantelor::DispatchKind;

class DispatchTest : public ::testing::Test {
 protected:
  Argument Call(std::uint32_t id, DispatchKind kind, std::vector<Argument> args = {}) {
    return control.Invoke(id, kind, args);
  }
  std::uint32_t FailureOf(std::uint32_t id, DispatchKind kind, std::vector<Argument> args) {
    try {
      control.Invoke(id, kind, args);
    } catch (const vantelor::DispatchError& e) {
      return e.code();
    }
    return 0;
  }

  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  testsupport::Log log;
  vantelor::Ctr_Vantelor control;
};

TEST_F(DispatchTest, PropertiesByIdentifier) {
  EXPECT_EQ(Call(0x40030000, DispatchKind::PropertyGet), Argument(false));
  Call(0x40030000, DispatchKind::PropertyPut, {true});
  EXPECT_TRUE(control.get_W_Sortir());
  Call(0x40030001, DispatchKind::PropertyPut, {std::string("00012")});
  EXPECT_EQ(Call(0x40030001, DispatchKind::PropertyGet), Argument(std::string("00012")));

  auto db = dba::NewMemoryArchive();
  Call(0x68030000, DispatchKind::PropertyPut, {vantelor::DatabaseRef(db)});
  EXPECT_EQ(vantelor::Etat(control).TheDatabase, db);
  auto client = std::make_shared<dba::SqliteClient>();
  Call(0x68030001, DispatchKind::PropertyPut, {vantelor::ClientRef(client)});
  EXPECT_EQ(vantelor::Etat(control).TheClient, client);
  auto rights = std::make_shared<testsupport::RecordingRights>(log);
  Call(0x68030002, DispatchKind::PropertyPut, {vantelor::RightsRef(rights)});
  EXPECT_EQ(rights->asked, std::vector<std::string>{"PALIMOR"});

  // An empty argument releases an object property.
  Call(0x68030001, DispatchKind::PropertyPut, {std::monostate()});
  EXPECT_EQ(vantelor::Etat(control).TheClient, nullptr);
}

TEST_F(DispatchTest, MethodsByIdentifier) {
  vantelor::Etat(control).TheDatabase = dba::NewMemoryArchive();
  Call(0x60030003, DispatchKind::Method);  // Init
  EXPECT_NE(vantelor::Etat(control).Fic_Contrat, nullptr);

  vantelor::Ecran(control).W_Erreur = true;
  Call(0x60030006, DispatchKind::Method);  // Verif_Zones: nothing chosen is no fault
  EXPECT_FALSE(vantelor::Ecran(control).W_Erreur);

  for (std::uint32_t id : {0x60030004u, 0x60030005u, 0x60030008u, 0x60030009u, 0x6003001Du}) {
    EXPECT_EQ(Call(id, DispatchKind::Method), Argument()) << std::hex << id;
  }
  // Recherche_Bulletin, with and without W_Couple: an empty archive has no payslip.
  desktop.Answer(ui::kAnswerOk).Answer(ui::kAnswerOk);
  Call(0x60030007, DispatchKind::Method, {std::string("AIDANT"), std::string()});
  Call(0x60030007, DispatchKind::Method, {std::string("AIDE")});
  ASSERT_EQ(desktop.Messages().size(), 2u);
  EXPECT_EQ(desktop.LastMessage().text, "Aucun bulletin correspondant aux critères.");
}

TEST_F(DispatchTest, WrongCallsAreRefusedWithTheirCodes) {
  const struct {
    std::uint32_t id;
    DispatchKind kind;
    std::vector<Argument> args;
    std::uint32_t code;
  } rows[] = {
      {0x60030099, DispatchKind::Method, {}, vantelor::kMemberNotFound},
      {0x68030002, DispatchKind::PropertyGet, {}, vantelor::kMemberNotFound},  // write-only
      {0x60030003, DispatchKind::PropertyPut, {true}, vantelor::kMemberNotFound},
      {0x60030003, DispatchKind::Method, {true}, vantelor::kBadParamCount},
      {0x40030000, DispatchKind::PropertyPut, {}, vantelor::kBadParamCount},
      {0x60030007, DispatchKind::Method, {}, vantelor::kBadParamCount},
      {0x60030007,
       DispatchKind::Method,
       {std::string("A"), std::string(), std::string()},
       vantelor::kBadParamCount},
      {0x40030000, DispatchKind::PropertyPut, {std::string("true")}, vantelor::kTypeMismatch},
      {0x40030001, DispatchKind::PropertyPut, {true}, vantelor::kTypeMismatch},
      {0x68030000, DispatchKind::PropertyPut, {std::string("db")}, vantelor::kTypeMismatch},
      {0x60030007, DispatchKind::Method, {false}, vantelor::kTypeMismatch},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FailureOf(row.id, row.kind, row.args), row.code) << std::hex << row.id;
  }
}

TEST(DispatchIds, NamesInAnyCase) {
  EXPECT_EQ(vantelor::DispatchId("W_Sortir"), 0x40030000u);
  EXPECT_EQ(vantelor::DispatchId("affiche_bull"), 0x6003002Du);
  EXPECT_EQ(vantelor::DispatchId("THEDATABASE"), 0x68030000u);
  EXPECT_EQ(vantelor::DispatchId("Nope"), std::nullopt);
}

}  // namespace
