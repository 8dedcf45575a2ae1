// The payslip search: Recherche offers the years found and a default period, keeps the
// keys accepted for the activities and people chosen, and shows only people the user's
// rights allow.
#include "selection/search_fixture.h"

namespace vantelor::testing {
namespace {

TEST(Search, OffersTheYearsNewestFirstAndADefaultPeriod) {  // two years: listing.script
  const struct {
    Cles cles, annees;
    const char* periode;
  } rows[] = {
      {{Prestataire("00012", 2003, 2), Prestataire("00012", 2003, 9)},
       {"2003"},
       "Janvier 2003 - Septembre 2003"},
      {{Prestataire("00012", 2002, 12), Prestataire("00012", 2003, 1),
        Prestataire("00012", 2004, 12)},
       {"2004", "2003", "2002"},
       "Janvier 2003 - Décembre 2004"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.periode);
    Scene t;
    t.Bulletins(row.cles);
    t.Rechercher("00012");
    Cles plusRecentesDabord = row.cles;
    std::sort(plusRecentesDabord.rbegin(), plusRecentesDabord.rend());
    EXPECT_EQ(t.ClesTrouvees(), plusRecentesDabord);
    EXPECT_EQ(t.ecran().Cbo_DebutAn.Items(), row.annees);
    EXPECT_EQ(t.ecran().Cbo_FinAn.Items(), row.annees);
    EXPECT_EQ(t.Periode(), row.periode);
    EXPECT_TRUE(t.ecran().Cmd_Lister.AcceptsInput());
    EXPECT_TRUE(t.desktop.Messages().empty());
  }
}

TEST(Search, AcceptsByActivityAndPerson) {
  const std::string p = Prestataire("00012", 2003, 3);
  const std::string m345 = Mandataire("00012", 2003, 3, "00345");
  const std::string m346 = Mandataire("00012", 2003, 4, "00346");
  const std::string autre = Mandataire("00013", 2004, 1, "00345");
  const struct {
    bool mandataire, prestataire;
    const char *aidant, *aide;
    Cles acceptees;
  } rows[] = {
      {true, true, "00012", "", {m346, p, m345}},
      {true, false, "00012", "", {m346, m345}},
      {false, true, "00012", "", {p}},
      {true, true, "00012", "00345", {m345}},
      {true, false, "00012", "00346", {m346}},
      // By care recipient alone: every payslip of the care recipient, whatever its caregiver.
      {true, true, "", "00345", {autre, m345}},
      {true, false, "", "00345", {autre, m345}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << "mandataire " << row.mandataire << " prestataire " << row.prestataire << " '"
                 << row.aidant << "' '" << row.aide << "'");
    Scene t;
    t.Aidant("00013", "LEROY", "Anne");
    t.Bulletins({p, m345, m346, autre});
    t.Activites(row.mandataire, row.prestataire);
    t.Rechercher(row.aidant, row.aide);
    EXPECT_EQ(t.ClesTrouvees(), row.acceptees);
  }
}

TEST(Search, WithoutAnActivityAsksForOneAndChangesNothing) {
  Scene s;
  s.Bulletins({Prestataire("00012", 2003, 3)});
  s.Activites(false, false);
  s.ecran().W_ListeBulletins.SetText("before");
  s.desktop.Answer(ui::kAnswerOk);
  s.Rechercher("00012");
  EXPECT_EQ(s.desktop.LastMessage(), (ui::MessageRecord{"Vous devez choisir une activité.",
                                                        ui::kInformation, "", ui::kAnswerOk}));
  EXPECT_EQ(s.ecran().W_ListeBulletins.Text(), "before");
}

TEST(Search, AnUnknownKindEmptiesTheListAndIsRefused) {
  Scene s;
  s.ecran().W_ListeBulletins.SetText("before");
  EXPECT_THROW(s.ecran().Recherche_Bulletin("AUTRE"), dba::Error);
  EXPECT_TRUE(s.ecran().W_ListeBulletins.Empty());
}

// A code shorter than 5 characters passes no code check, so the search asks person by person.
TEST(Search, APartialCodeKeepsOnlyThePeopleTheRightsAllow) {
  Scene s;
  s.Aidant("00013", "REFUSE", "Rene", "ACC2");  // access code read whole: not "ACC"
  s.Aidant("00015", "PETIT", "Jean");           // 00014 has payslips but no civil record
  s.Bulletins({Prestataire("00012", 2004, 3), Prestataire("00012", 2003, 3),
               Prestataire("00013", 2004, 5), Prestataire("00014", 2004, 7),
               Prestataire("00015", 2002, 6), Prestataire("00015", 2002, 8)});
  s.Rechercher("0001");
  EXPECT_EQ(s.ClesTrouvees(), (Cles{Prestataire("00015", 2002, 8), Prestataire("00015", 2002, 6),
                                    Prestataire("00012", 2004, 3), Prestataire("00012", 2003, 3)}));
  // One question per person with a civil record, however many years it has.
  EXPECT_EQ(s.droits->questions, (Cles{"ACC", "ACC2", "ACC"}));
  // Years newest first and the newest month, although the people come person by person.
  EXPECT_EQ(s.ecran().Cbo_DebutAn.Items(), (Cles{"2004", "2003", "2002"}));
  EXPECT_EQ(s.Periode(), "Janvier 2003 - Mars 2004");

  // Care recipients are judged by the first three characters of their access data.
  Scene aides;
  aides.Aide("00347", "ROUX", "Lea", "ACCXYZ");
  aides.Aide("00348", "BLANC", "Eve", "XACC");
  aides.Bulletins({Mandataire("00012", 2004, 1, "00347"), Mandataire("00012", 2004, 2, "00348")});
  aides.Rechercher("", "0034");
  EXPECT_EQ(aides.ClesTrouvees(), (Cles{Mandataire("00012", 2004, 1, "00347")}));
}

TEST(Search, AWholeCodeIsNotCheckedAgain) {
  Scene s;
  s.Bulletins({Prestataire("00012", 2004, 3)});
  s.ecran().Txt_CodeAidant.UserType("00012");
  s.droits->questions.clear();
  // The civil record goes after the code check let the person through.
  s.db->Erase("CIVILAIDANT", "00012");
  s.Rechercher("");
  EXPECT_TRUE(s.droits->questions.empty());
  EXPECT_EQ(s.ClesTrouvees(), (Cles{Prestataire("00012", 2004, 3)}));
}

TEST(Search, SortirReleasesTheNameListsAndClosesTheHostWindow) {
  Scene s;
  s.ecran().W_ListeAidants.SetText("00012");
  s.ecran().Cmd_Sortir.UserClick();
  EXPECT_TRUE(s.ecran().W_ListeAidants.Empty());
  EXPECT_TRUE(s.ecran().W_Sortir);
  EXPECT_EQ(s.desktop.CloseHostWindowCount(), 1);
}

}  // namespace
}  // namespace vantelor::testing
