// The payslip search: Recherche offers the years found and a default period, keeps the
// keys accepted for the activities and people chosen, and shows only people the user's
// rights allow.
#include "selection/search_fixture.h"

namespace vantelor::testing {
namespace {

using Cles = std::vector<std::string>;

struct SearchScene : Scene {
  SearchScene() {
    Aidant("00012", "DUPONT", "Marie");
    Aide("00345", "MARTIN", "Paul");
    Aide("00346", "BERNARD", "Luc");
    Association("A01", "ASSOCIATION DU VAL");
    Autoriser({"ACC"});
  }
};

TEST(Search, OffersTheYearsNewestFirstAndADefaultPeriod) {
  const struct {
    const char* cas;
    Cles cles;
    Cles annees;
    const char* periode;
  } rows[] = {
      {"two years",
       {Prestataire("00012", 2003, 3), Prestataire("00012", 2003, 11),
        Prestataire("00012", 2004, 2), Prestataire("00012", 2004, 6)},
       {"2004", "2003"},
       "Janvier 2003 - Juin 2004"},
      {"one year",
       {Prestataire("00012", 2003, 2), Prestataire("00012", 2003, 9)},
       {"2003"},
       "Janvier 2003 - Septembre 2003"},
      {"three years",
       {Prestataire("00012", 2002, 12), Prestataire("00012", 2003, 1),
        Prestataire("00012", 2004, 12)},
       {"2004", "2003", "2002"},
       "Janvier 2003 - Décembre 2004"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.cas);
    SearchScene t;
    t.Bulletins(row.cles);
    t.TaperAidant("00012");
    t.Rechercher();
    Cles plusRecentesDabord = row.cles;
    std::sort(plusRecentesDabord.rbegin(), plusRecentesDabord.rend());
    EXPECT_EQ(t.ClesTrouvees(), plusRecentesDabord);
    EXPECT_EQ(t.Annees(), row.annees);
    EXPECT_EQ(t.ecran().Cbo_FinAn.Items(), row.annees);
    EXPECT_EQ(t.Periode(), row.periode);
    EXPECT_TRUE(t.ecran().Cmd_Lister.AcceptsInput());
    EXPECT_TRUE(t.ecran().Cbo_DebutPeriode.AcceptsInput());
    EXPECT_TRUE(t.Messages().empty());
  }
}

TEST(Search, AcceptsByActivityAndCareRecipient) {
  const std::string p = Prestataire("00012", 2003, 3);
  const std::string m345 = Mandataire("00012", 2003, 3, "00345");
  const std::string m346 = Mandataire("00012", 2003, 4, "00346");
  const struct {
    bool mandataire, prestataire;
    const char* aide;
    Cles acceptees;
  } rows[] = {
      {true, true, "", {m346, p, m345}}, {true, false, "", {m346, m345}}, {false, true, "", {p}},
      {true, true, "00345", {m345}},     {true, false, "00346", {m346}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << "mandataire " << row.mandataire << " prestataire "
                                      << row.prestataire << " aide '" << row.aide << "'");
    SearchScene t;
    t.Bulletins({p, m345, m346});
    t.Activites(row.mandataire, row.prestataire);
    t.TaperAidant("00012");
    if (*row.aide) t.TaperAide(row.aide);
    t.Rechercher();
    EXPECT_EQ(t.ClesTrouvees(), row.acceptees);
  }
}

// Unticking "Mandataire" by hand empties the care-recipient zone; only the program can
// leave a care-recipient code with "Prestataire" alone ticked.
void PrestataireSeulParProgramme(Scene& s) {
  s.ecran().Cac_Mandataire.OnClick = nullptr;
  s.ecran().Cac_Mandataire.SetValue(0);
  s.ecran().Cac_Prestataire.SetValue(1);
}

TEST(Search, PrestataireOnlyWithACareRecipientAcceptsNothing) {
  SearchScene s;
  s.Bulletins({Prestataire("00012", 2003, 3), Mandataire("00012", 2003, 3, "00345")});
  s.TaperAidant("00012");
  s.TaperAide("00345");
  PrestataireSeulParProgramme(s);
  s.desktop.Answer(ui::kAnswerOk);
  s.Rechercher();
  EXPECT_TRUE(s.ClesTrouvees().empty());
  EXPECT_EQ(s.desktop.LastMessage(),
            (ui::MessageRecord{"Aucun bulletin correspondant aux critères.", ui::kExclamation,
                               "Message KALVENOR", ui::kAnswerOk}));
  EXPECT_FALSE(s.ecran().Cbo_DebutAn.Enabled());
  EXPECT_FALSE(s.ecran().Cmd_Lister.Enabled());
}

TEST(Search, ByCareRecipientAloneAcceptsEveryPayslipWhateverTheActivities) {
  const std::string a = Mandataire("00012", 2003, 3, "00345");
  const std::string b = Mandataire("00013", 2004, 1, "00345");
  const char* cas[] = {"mandataire", "both", "prestataire"};
  for (const std::string activites : cas) {
    SCOPED_TRACE(activites);
    SearchScene t;
    t.Aidant("00013", "LEROY", "Anne");
    t.Bulletins({a, b, Mandataire("00012", 2003, 3, "00346")});
    t.Activites(true, activites != "mandataire");
    t.TaperAide("00345");
    if (activites == "prestataire") PrestataireSeulParProgramme(t);
    t.Rechercher();
    EXPECT_EQ(t.ClesTrouvees(), (Cles{b, a}));
    EXPECT_EQ(t.Periode(), "Janvier 2003 - Janvier 2004");
  }
}

TEST(Search, WithoutAnActivityAsksForOneAndChangesNothing) {
  SearchScene s;
  s.Bulletins({Prestataire("00012", 2003, 3)});
  s.TaperAidant("00012");
  s.Activites(false, false);
  s.ecran().W_ListeBulletins.SetText("before");
  s.desktop.Answer(ui::kAnswerOk);
  const std::size_t pointeurs = s.desktop.PointerChanges().size();
  s.Rechercher();
  EXPECT_EQ(s.desktop.LastMessage(), (ui::MessageRecord{"Vous devez choisir une activité.",
                                                        ui::kInformation, "", ui::kAnswerOk}));
  EXPECT_EQ(s.ecran().W_ListeBulletins.Text(), "before");
  EXPECT_EQ(s.desktop.PointerChanges().size(), pointeurs);
}

TEST(Search, ADatabaseErrorStopsTheSearchWhereItStands) {
  SearchScene s;
  s.Bulletins({Prestataire("00012", 2004, 5), Prestataire("00012", 2003, 3)});
  s.v.Fic_AidantsArchiveBull = std::make_shared<FichierEnPanne>(s.v.Fic_AidantsArchiveBull,
                                                                std::set<std::string>{"000122003"});
  s.TaperAidant("00012");
  s.Rechercher();
  EXPECT_EQ(s.ClesTrouvees(), (Cles{Prestataire("00012", 2004, 5)}));
  EXPECT_EQ(s.Annees(), (Cles{"2004"}));
  EXPECT_TRUE(s.desktop.Errors().empty());
  EXPECT_TRUE(s.desktop.Messages().empty());
  EXPECT_FALSE(s.ecran().Cbo_DebutAn.Enabled());
  EXPECT_FALSE(s.ecran().Cmd_Lister.Enabled());
  EXPECT_TRUE(s.ecran().Enabled());
}

// ---- Rights: a code shorter than 5 characters passes no code check, so the search
// itself asks, person by person.

struct PartialCodeScene : SearchScene {
  PartialCodeScene() {
    Aidant("00013", "REFUSE", "Rene", "ACC2");  // access code read whole: not "ACC"
    // 00014 has payslips but no civil record.
    Aidant("00015", "PETIT", "Jean");
    Bulletins({Prestataire("00012", 2004, 3), Prestataire("00012", 2003, 3),
               Prestataire("00013", 2004, 5), Prestataire("00014", 2004, 7),
               Prestataire("00015", 2002, 6), Prestataire("00015", 2002, 8)});
  }
};

TEST(SearchByPartialCode, KeepsOnlyThePeopleTheRightsAllow) {
  PartialCodeScene s;
  s.TaperAidant("0001");
  s.Rechercher();
  EXPECT_EQ(s.ClesTrouvees(), (Cles{Prestataire("00015", 2002, 8), Prestataire("00015", 2002, 6),
                                    Prestataire("00012", 2004, 3), Prestataire("00012", 2003, 3)}));
  // One question per person with a civil record, however many years it has.
  EXPECT_EQ(s.droits->questions, (Cles{"ACC", "ACC2", "ACC"}));
}

TEST(SearchByPartialCode, OffersTheYearsNewestFirstAcrossPeople) {
  PartialCodeScene s;
  s.TaperAidant("0001");
  s.Rechercher();
  EXPECT_EQ(s.Annees(), (Cles{"2004", "2003", "2002"}));
  EXPECT_EQ(s.ecran().Cbo_FinAn.Items(), (Cles{"2004", "2003", "2002"}));
  EXPECT_EQ(s.Periode(), "Janvier 2003 - Mars 2004");
}

TEST(SearchByPartialCode, CareRecipientsAreJudgedByTheFirstThreeCharactersOfTheirAccessData) {
  PartialCodeScene s;
  s.Aide("00347", "ROUX", "Lea", "ACCXYZ");
  s.Aide("00348", "BLANC", "Eve", "XACC");
  s.Bulletins({Mandataire("00012", 2004, 1, "00347"), Mandataire("00012", 2004, 2, "00348")});
  s.TaperAide("0034");
  s.Rechercher();
  EXPECT_EQ(s.ClesTrouvees(), (Cles{Mandataire("00012", 2004, 1, "00347")}));
}

TEST(SearchByPartialCode, AWholeCodeIsNotCheckedAgain) {
  PartialCodeScene s;
  s.TaperAidant("00012");
  s.droits->questions.clear();
  // The civil record goes after the code check let the person through: the search
  // still finds the payslips, as it always did for a checked code.
  s.db->Erase("CIVILAIDANT", "00012");
  s.Rechercher();
  EXPECT_TRUE(s.droits->questions.empty());
  EXPECT_EQ(s.ClesTrouvees(), (Cles{Prestataire("00012", 2004, 3), Prestataire("00012", 2003, 3)}));
}

// ---- OK and Sortir

TEST(Search, OkEmptiesBothCodesAndGoesBackToTheCaregiverCode) {
  SearchScene s;
  s.TaperAidant("00012");
  s.TaperAide("00345");
  s.ecran().Cmd_OK.UserClick();
  EXPECT_EQ(s.ecran().Txt_CodeAidant.Text(), "");
  EXPECT_EQ(s.ecran().Txt_CodeAide.Text(), "");
  EXPECT_EQ(s.ecran().Cbo_NomAidant.Text(), "");
  EXPECT_TRUE(s.ecran().Txt_CodeAidant.HasFocus());
}

TEST(Search, SortirReleasesTheNameListsAndClosesTheHostWindow) {
  SearchScene s;
  s.ecran().W_ListeAidants.SetText("00012");
  s.ecran().W_ListeAides.SetText("00345");
  s.ecran().Cmd_Sortir.UserClick();
  EXPECT_TRUE(s.ecran().W_ListeAidants.Empty());
  EXPECT_TRUE(s.ecran().W_ListeAides.Empty());
  EXPECT_TRUE(s.ecran().W_Sortir);
  EXPECT_EQ(s.desktop.CloseHostWindowCount(), 1);
}

}  // namespace
}  // namespace vantelor::testing
