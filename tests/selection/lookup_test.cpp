// The caregiver and care-recipient lookup, told once for both twins: each case runs on
// both sides, with the differences in the table.
#include "selection/name_search.h"
#include "selection/selection_fixture.h"

namespace vantelor::testing {
namespace {

struct Twin {
  const char* side;
  ui::TextBox SelectionScreen::*code;
  ui::ComboBox SelectionScreen::*nom;
  const char* missing;
  const char* refused;
  Cles du;  // the names found for "DU" (allowed, refused, allowed) with codes 1, 2, 3
};

const Twin kTwins[] = {
    {"Aidant", &SelectionScreen::Txt_CodeAidant, &SelectionScreen::Cbo_NomAidant,
     "Cet aidant n'existe pas.", "Vous n'êtes pas autorisé à accéder à cet aidant.",
     {"DUPONT Anne", "DUPUIS Eve", "DURAND Paul"}},
    {"Aide", &SelectionScreen::Txt_CodeAide, &SelectionScreen::Cbo_NomAide,
     "Cet aidé n'existe pas.", "Vous n'êtes pas autorisé à accéder à cet aidé.",
     {"DUPRE Louise", "DURIEZ Jean", "DUVAL Rose"}}};
void PrintTo(const Twin& twin, std::ostream* out) { *out << twin.side; }

class LookupTest : public ::testing::TestWithParam<Twin> {
 protected:
  LookupTest() {
    // A caregiver's access code is read whole, a care recipient's as its first 3 characters.
    const bool aidant = T().side == std::string("Aidant");
    const Cles acces = aidant ? Cles{"ACC", "ACC2", "ACC"} : Cles{"ACCXYZ", "XACC", "ACC"};
    for (int i = 0; i < 3; ++i) {
      if (aidant) s.Aidant(Code(i), T().du[i], acces[i]);
      if (!aidant) s.Aide(Code(i), T().du[i], acces[i]);
      s.Bulletins({aidant ? Prestataire(Code(i), 2003, 3) : Mandataire("00012", 2003, 3, Code(i))});
    }
  }
  const Twin& T() const { return GetParam(); }
  static std::string Code(int i) { return "0009" + std::to_string(i + 1); }
  ui::TextBox& CodeBox() { return s.ecran.*(T().code); }
  ui::ComboBox& Nom() { return s.ecran.*(T().nom); }
  void Chercher(const std::string& tape) {
    Nom().SetText("");
    Nom().UserType(tape);
    Nom().UserKey(ui::kKeyEnter);
  }

  Scene s;
};

TEST_P(LookupTest, CodeCheckShowsTheAllowedAndClearsTheOthers) {
  const struct {
    std::string typed;
    const char* message;  // "" = accepted
    int icon;
  } rows[] = {{Code(0), "", 0},
              {"99999", T().missing, ui::kExclamation},
              {Code(1), T().refused, ui::kCritical}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    s.ecran.Lst_Periode.AddItem("MARS 2003         X");
    if (*row.message) s.desktop.Answer(ui::kAnswerOk);
    CodeBox().UserType(row.typed);
    if (*row.message) {
      EXPECT_EQ(s.desktop.LastMessage(),
                (ui::MessageRecord{row.message, row.icon, kTitreMessage, ui::kAnswerOk}));
    }
    EXPECT_EQ(CodeBox().Text() + "/" + Nom().Text(),
              *row.message ? "/" : row.typed + "/" + T().du[0]);
    EXPECT_EQ(s.ecran.Cmd_Recherche.Enabled(), !*row.message);
    EXPECT_EQ(s.ecran.Lst_Periode.ListCount(), 0);
    EXPECT_TRUE(CodeBox().HasFocus());
    CodeBox().SetText("");
  }
  // A read that fails otherwise goes to the host and selects nobody.
  s.db->FailWhen([](const Call& c) { return c.op == "read" && c.key == Code(0); });
  CodeBox().UserType(Code(0));
  ASSERT_EQ(s.desktop.Errors().size(), 1u);
  EXPECT_EQ(CodeBox().Text() + Nom().Text(), "");
  // Without function rights nobody is shown.
  s.db->FailWhen(nullptr);
  s.v.DroitsFonction.reset();
  s.desktop.Answer(ui::kAnswerOk);
  CodeBox().UserType(Code(0));
  EXPECT_EQ(s.desktop.LastMessage().text, T().refused);
}

TEST_P(LookupTest, NamesBeginningWithTheTextAreListedAndChosen) {
  Chercher("du");
  EXPECT_EQ(Nom().Items(), T().du);
  EXPECT_EQ(CodeBox().Text(), "");
  // Choosing selects that person, even when another is selected.
  Nom().UserChoose(2);
  Nom().UserChoose(0);
  EXPECT_EQ(CodeBox().Text() + "/" + Nom().Text(), Code(0) + "/" + T().du[0]);
  EXPECT_TRUE(s.ecran.Cmd_Imprimer.Enabled());
  s.desktop.Answer(ui::kAnswerOk);
  Nom().UserChoose(1);
  EXPECT_EQ(s.desktop.LastMessage().text, T().refused);
  EXPECT_EQ(CodeBox().Text() + Nom().Text(), "");
  // One person found is selected at once ("dur" or "duv", in capitals for the sentence).
  Chercher(std::string("du") + static_cast<char>(std::tolower(T().du[2][2])));
  EXPECT_EQ(CodeBox().Text() + "/" + Nom().Text(), Code(2) + "/" + T().du[2]);
  // A quote could change the sentence: nobody is selected and nothing is asked.
  Chercher("D]\" PAR 0 AVEC 0 = \"");
  EXPECT_EQ(Nom().ListCount(), 0);
  EXPECT_TRUE(s.desktop.Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Twins, LookupTest, ::testing::ValuesIn(kTwins),
                         [](const auto& info) { return std::string(info.param.side); });

// Enter in an empty caregiver name box keeps the list its items stand for.
TEST(CaregiverName, AnEmptyNameSearchesNothingAndTypedCodesArePadded) {
  Scene s;
  s.Aidant("00013", "DURAND Paul");
  s.Aidant("00010", "ABEL Jean");
  s.Bulletins({Prestataire("00012", 2003, 3), Prestataire("00013", 2003, 3),
               Prestataire("00010", 2003, 3)});
  s.ecran.Cbo_NomAidant.UserType("du");
  s.ecran.Cbo_NomAidant.UserKey(ui::kKeyEnter);
  s.ecran.Cbo_NomAidant.SetText("");
  s.ecran.Cbo_NomAidant.UserKey(ui::kKeyEnter);
  s.ecran.Cbo_NomAidant.UserChoose(1);
  EXPECT_EQ(s.ecran.Txt_CodeAidant.Text(), "00013");

  for (const auto& [typed, code] : {std::pair{"13", "00013"}, {" 012 ", "00012"},
                                    {"000000012", "00012"}, {"123456", "123456"},
                                    {"-1", "-1"}, {"1.5", "1.5"}, {"  ", "  "}})
    EXPECT_EQ(FormatCode(typed), code) << "\"" << typed << "\"";
}

}  // namespace
}  // namespace vantelor::testing
