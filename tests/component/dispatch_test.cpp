// Late binding: members reached by their dispatch identifiers, and wrong calls refused.
// (Every member of kInterface has its binding: dispatch.cpp checks that when it compiles.)
#include <gtest/gtest.h>

#include "component/control_impl.h"
#include "data/archive/archive_files.h"
#include "data/store/open_database.h"
#include "data/tools/new_archive.h"
#include "support/expect_dispatch_error.h"
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
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  vantelor::Ctr_Vantelor control;
};

TEST_F(DispatchTest, MembersByIdentifierAndName) {
  auto client = std::make_shared<dba::StoreClient>();
  Call(0x68030001, DispatchKind::PropertyPut, {vantelor::ClientRef(client)});
  EXPECT_EQ(vantelor::Etat(control).TheClient, client);
  Call(0x68030001, DispatchKind::PropertyPut, {std::monostate()});  // empty: no object
  EXPECT_EQ(vantelor::Etat(control).TheClient, nullptr);
  Call(0x68030002, DispatchKind::PropertyPut, {std::monostate()});
  EXPECT_EQ(vantelor::Etat(control).DroitsFonction, nullptr);
  Call(*vantelor::DispatchId("THEDATABASE"), DispatchKind::PropertyPut,
       {vantelor::DatabaseRef(dba::NewMemoryArchive())});
  Call(0x60030003, DispatchKind::Method);  // Init
  EXPECT_NE(vantelor::Etat(control).Fic_Contrat, nullptr);
  Call(*vantelor::DispatchId("w_codeaidant"), DispatchKind::PropertyPut, {std::string("00012")});
  EXPECT_EQ(Call(0x40030001, DispatchKind::PropertyGet), Argument(std::string("00012")));
  Call(0x40030000, DispatchKind::PropertyPut, {true});
  EXPECT_EQ(Call(0x40030000, DispatchKind::PropertyGet), Argument(true));
  // Recherche_Bulletin, with and without W_Couple: an empty archive has no payslip.
  desktop.Answer(ui::kAnswerOk).Answer(ui::kAnswerOk);
  Call(0x60030007, DispatchKind::Method, {std::string("AIDANT"), std::string()});
  Call(0x60030007, DispatchKind::Method, {std::string("AIDE")});
  EXPECT_EQ(desktop.Messages().size(), 2u);
  for (std::uint32_t id :
       {0x60030004, 0x60030005, 0x60030006, 0x60030008, 0x60030009, 0x6003001D, 0x6003002D})
    Call(id, DispatchKind::Method);
  EXPECT_EQ(vantelor::DispatchId("Nope"), std::nullopt);
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
      {0x60030003, DispatchKind::Method, {true}, vantelor::kBadParamCount},
      {0x60030007, DispatchKind::Method, {}, vantelor::kBadParamCount},
      {0x40030000, DispatchKind::PropertyPut, {std::string("true")}, vantelor::kTypeMismatch},
      {0x68030000, DispatchKind::PropertyPut, {std::string("db")}, vantelor::kTypeMismatch},
      {0x60030007, DispatchKind::Method, {false}, vantelor::kTypeMismatch},
  };
  for (const auto& row : rows) EXPECT_DISPATCH_ERROR(row.code, Call(row.id, row.kind, row.args));
}

}  // namespace
