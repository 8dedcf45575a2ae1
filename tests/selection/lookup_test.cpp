// The caregiver and care-recipient lookup, told once for both twins: each case runs on
// both sides, with the differences in the table.
#include <gtest/gtest.h>

#include "selection/search_fixture.h"
#include "support/selection_fixture.h"

namespace {

using vantelor::SelectionScreen;

struct Twin {
  const char* side;
  ui::TextBox SelectionScreen::*code;
  ui::ComboBox SelectionScreen::*nom;
  std::shared_ptr<dba::File> vantelor::Variable::*civil;
  const char* missingMessage;
  const char* refusedMessage;
  std::vector<std::string> du;     // the names found for "DU", in order; the first is allowed
  std::vector<std::string> codes;  // their codes: allowed, refused, allowed
  const char* accented;            // found by typing "é"
};

// clang-format off
const Twin kTwins[] = {
    {"Aidant", &SelectionScreen::Txt_CodeAidant, &SelectionScreen::Cbo_NomAidant,
     &vantelor::Variable::Fic_CivilAidant, "Cet aidant n'existe pas.",
     "Vous n'êtes pas autorisé à accéder à cet aidant.",
     {"DUPONT Marie", "DUPUIS Anne", "DURAND Paul"}, {"00012", "00014", "00013"}, "ÉMERY Luc"},
    {"Aide", &SelectionScreen::Txt_CodeAide, &SelectionScreen::Cbo_NomAide,
     &vantelor::Variable::Fic_CivilAide, "Cet aidé n'existe pas.",
     "Vous n'êtes pas autorisé à accéder à cet aidé.",
     {"DUPRE Louise", "DURIEZ Jean", "DUVAL Rose"}, {"00045", "00046", "00047"}, "ÉTIENNE Marc"}};
// clang-format on
void PrintTo(const Twin& twin, std::ostream* out) { *out << twin.side; }

class LookupTest : public testsupport::SelectionFixture,
                   public ::testing::WithParamInterface<Twin> {
 protected:
  LookupTest() {
    const struct {
      const char *code, *last, *first, *access;
    } people[] = {{"00012", "DUPONT", "Marie", "A01"},    {"00013", "DURAND", "Paul", "A02"},
                  {"00014", "DUPUIS", "Anne", "SEC"},     {"00015", "ÉMERY", "Luc", "A01"},
                  {"00045", "DUPRE", "Louise", "A01XYZ"}, {"00046", "DURIEZ", "Jean", "SECRET"},
                  {"00047", "DUVAL", "Rose", "A02"},      {"00048", "ÉTIENNE", "Marc", "A01"}};
    for (const auto& p : people) {
      const bool aidant = std::string(p.code) < "00045";
      (this->*(aidant ? &LookupTest::AddCaregiver : &LookupTest::AddCareRecipient))(
          p.code, p.last, p.first, p.access);
      AddIndex(aidant ? "AIDANTSARCHIVEBULL" : "AIDESARCHIVEBULL", std::string(p.code) + "2003");
    }
  }
  const Twin& T() const { return GetParam(); }
  ui::TextBox& Code() { return screen.*(T().code); }
  ui::ComboBox& Nom() { return screen.*(T().nom); }
  void SearchName(const std::string& typed) {
    Nom().SetText("");
    Nom().UserType(typed);
    Nom().UserKey(ui::kKeyEnter);
  }
};

TEST_P(LookupTest, CodeCheckShowsTheAllowedAndClearsTheOthers) {
  const struct {
    std::string typed;
    const char* message;  // "" = accepted
    int icon;
  } rows[] = {{T().codes[0], "", 0},
              {"99999", T().missingMessage, ui::kExclamation},
              {"ABCDE", T().missingMessage, ui::kExclamation},
              {T().codes[1], T().refusedMessage, ui::kCritical}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    screen.Lst_Periode.AddItem("MARS 2003         X");
    if (*row.message) desktop.Answer(ui::kAnswerOk);
    Code().UserType(row.typed);
    if (*row.message) {
      EXPECT_EQ(desktop.LastMessage(),
                (ui::MessageRecord{row.message, row.icon, "Message KALVENOR", ui::kAnswerOk}));
    }
    EXPECT_EQ(Nom().Text(), *row.message ? "" : T().du[0]);
    EXPECT_EQ(Code().Text(), *row.message ? "" : row.typed);
    EXPECT_EQ(screen.Cmd_Recherche.Enabled(), !*row.message);
    EXPECT_EQ(screen.Lst_Periode.ListCount(), 0);
    EXPECT_TRUE(Code().HasFocus());
    Code().SetText("");
  }
  // Without function rights (none were handed in) nobody is shown.
  v.DroitsFonction.reset();
  desktop.Answer(ui::kAnswerOk);
  Code().UserType(T().codes[0]);
  EXPECT_EQ(desktop.LastMessage().text, T().refusedMessage);
}

TEST_P(LookupTest, ReadFailureGoesToTheHostAndSelectsNobody) {
  v.*(T().civil) = std::make_shared<vantelor::testing::FichierEnPanne>(
      v.*(T().civil), std::set<std::string>{T().codes[0]});
  Code().UserType(T().codes[0].substr(3));  // short: no read until Enter pads it
  EXPECT_TRUE(desktop.Errors().empty());
  Code().UserKey(ui::kKeyEnter);
  ASSERT_EQ(desktop.Errors().size(), 1u);
  EXPECT_EQ(desktop.Errors()[0].message, "disk I/O error");
  EXPECT_EQ(Code().Text() + Nom().Text(), "");
  EXPECT_TRUE(desktop.Messages().empty());
}

TEST_P(LookupTest, NameSearchListsOnlyNamesBeginningWithTheText) {
  SearchName("du");
  EXPECT_EQ(Nom().Items(), T().du);
  EXPECT_EQ(Code().Text(), "");
  SearchName("é");  // searched as "É"; one person found is selected
  EXPECT_EQ(Nom().Items(), std::vector<std::string>{T().accented});
  EXPECT_EQ(Nom().Text(), T().accented);
  // The last one would otherwise select every name beginning with "D".
  for (const char* typed : {"\"", "D\"", "D]", "D]\" PAR 0 AVEC 0 = \""}) {
    SCOPED_TRACE(typed);
    SearchName(typed);
    EXPECT_EQ(Nom().ListCount(), 0);
    EXPECT_EQ(Code().Text(), "");
  }
  EXPECT_TRUE(desktop.Errors().empty());
  EXPECT_TRUE(desktop.Messages().empty());
}

TEST_P(LookupTest, ChoosingANameSelectsItsPersonEvenWhenOneIsSelected) {
  SearchName("du");
  Nom().UserChoose(2);
  EXPECT_EQ(Code().Text(), T().codes[2]);
  EXPECT_TRUE(screen.Cmd_Imprimer.Enabled());
  Nom().UserChoose(0);
  EXPECT_EQ(Code().Text(), T().codes[0]);
  EXPECT_EQ(Nom().Text(), T().du[0]);
  desktop.Answer(ui::kAnswerOk);
  Nom().UserChoose(1);
  EXPECT_EQ(desktop.LastMessage().text, T().refusedMessage);
  EXPECT_EQ(Code().Text() + Nom().Text(), "");
}

INSTANTIATE_TEST_SUITE_P(Twins, LookupTest, ::testing::ValuesIn(kTwins),
                         [](const auto& info) { return std::string(info.param.side); });

using CaregiverNameTest = testsupport::SelectionFixture;

TEST_F(CaregiverNameTest, EnterInAnEmptyNameBoxKeepsTheListItsItemsStandFor) {
  AddCaregiver("00012", "DUPONT", "Marie", "A01");
  AddCaregiver("00013", "DURAND", "Paul", "A02");
  AddCaregiver("00010", "ABEL", "Jean", "A01");
  for (const char* key : {"000122003", "000132003", "000102003"}) {
    AddIndex("AIDANTSARCHIVEBULL", key);
  }
  for (const char* typed : {"du", ""}) {
    screen.Cbo_NomAidant.SetText("");
    screen.Cbo_NomAidant.UserType(typed);
    screen.Cbo_NomAidant.UserKey(ui::kKeyEnter);
  }
  EXPECT_EQ(screen.Cbo_NomAidant.Items(),
            (std::vector<std::string>{"DUPONT Marie", "DURAND Paul"}));
  // Item 1 still stands for entry 2, not for whoever the whole index lists second.
  screen.Cbo_NomAidant.UserChoose(1);
  EXPECT_EQ(screen.Txt_CodeAidant.Text(), "00013");
}

}  // namespace
