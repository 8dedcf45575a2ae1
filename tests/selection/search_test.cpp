// The payslip search: Recherche offers the years found and a default period, keeps the
// keys accepted for the activities and people chosen, and shows only people the user's
// rights allow. The listing: one line per payslip of the period, its month in words and
// the other party, each line's key kept in Lst_CodeArchive.
#include "selection/selection_fixture.h"

namespace vantelor::testing {
namespace {

TEST(Search, WithoutAnActivityOrAKindNothingIsSearched) {
  Scene s;
  s.ecran.Cac_Mandataire.SetValue(0);
  s.ecran.Cac_Prestataire.SetValue(0);
  s.ecran.W_ListeBulletins.SetText("before");
  s.desktop.Answer(ui::kAnswerOk);
  s.Rechercher("00012");
  EXPECT_EQ(s.desktop.LastMessage(), (ui::MessageRecord{"Vous devez choisir une activité.",
                                                        ui::kInformation, "", ui::kAnswerOk}));
  EXPECT_EQ(s.ecran.W_ListeBulletins.Text(), "before");
  EXPECT_THROW(s.ecran.Recherche_Bulletin("AUTRE"), dba::Error);
  EXPECT_TRUE(s.ecran.W_ListeBulletins.Empty());
}

// A code shorter than 5 characters passed no code check, so the search asks person by
// person, once each; a whole code is not checked again. The years stay newest first and
// the proposed period ends on the newest month, although the people come one by one.
TEST(Search, APartialCodeKeepsOnlyThePeopleTheRightsAllow) {
  Scene s;
  s.Aidant("00013", "REFUSE Rene", "ACC2");  // read whole: not "ACC"
  s.Aidant("00015", "PETIT Jean");           // 00014 has payslips but no civil record
  s.Bulletins({Prestataire("00012", 2004, 3), Prestataire("00012", 2003, 3),
               Prestataire("00013", 2004, 5), Prestataire("00014", 2004, 7),
               Prestataire("00015", 2002, 6), Prestataire("00015", 2002, 8)});
  s.Rechercher("0001");
  EXPECT_EQ(s.ClesTrouvees(), (Cles{Prestataire("00015", 2002, 8), Prestataire("00015", 2002, 6),
                                    Prestataire("00012", 2004, 3), Prestataire("00012", 2003, 3)}));
  EXPECT_EQ(s.droits->questions, (Cles{"ACC", "ACC2", "ACC"}));
  EXPECT_EQ(s.ecran.Cbo_DebutAn.Items(), (Cles{"2004", "2003", "2002"}));
  EXPECT_EQ(s.ecran.Cbo_DebutAn.Text() + " " + s.ecran.Cbo_FinPeriode.Text(), "2003 Mars");

  s.ecran.Cmd_OK.UserClick();
  s.ecran.Txt_CodeAidant.UserType("00012");
  s.droits->questions.clear();
  s.db->OpenFile(dba::files::kCivilAidant)->DeleteRecord("00012");  // after its code check
  s.ecran.Cmd_Recherche.UserClick();
  EXPECT_TRUE(s.droits->questions.empty());
  EXPECT_EQ(s.ClesTrouvees().size(), 2u);
}

// Until the first person lookup of a click an error ends it and reaches the host, the two
// lists still line for line; from that lookup on, a failing read leaves its name blank,
// never the name read before it.
TEST(Listing, ErrorsEndTheClickBeforeThePersonLookupsAndBlankANameAfter) {
  Scene s;
  s.Bulletins({Prestataire("00012", 2004, 3, "A99"), Prestataire("00012", 2004, 5),
               Mandataire("00012", 2004, 1, "00345")});
  s.Rechercher("00012");
  s.Lister();
  ASSERT_EQ(s.desktop.Errors().size(), 1u);
  EXPECT_EQ(s.ecran.Lst_CodeArchive.Items(), (Cles{Prestataire("00012", 2004, 5)}));
  EXPECT_EQ(s.ecran.Lst_Periode.Items(), (Cles{"MAI 2004         ASSOCIATION DU VAL"}));
  EXPECT_TRUE(s.ecran.Enabled());

  Scene t;
  t.Bulletins({Mandataire("00012", 2004, 6, "00345"), Prestataire("00012", 2004, 5, "A99"),
               Mandataire("00012", 2004, 4, "00346")});
  t.db->FailWhen([](const Call& c) { return c.op == "read" && c.key == "00346"; });
  t.Rechercher("00012");
  t.Lister();
  EXPECT_EQ(t.ecran.Lst_Periode.Items(),
            (Cles{"JUIN 2004        M. MARTIN Paul", "MAI 2004         ", "AVRIL 2004       "}));
}

TEST(Listing, ListsMoreThanThirtyTwoThousandPayslipsWhole) {
  Scene s;
  constexpr int kNombre = 33000;
  std::string mois;
  for (int i = 0; i < kNombre; ++i)
    mois += (i ? "\xFD" : "") + Mandataire("00012", 2004, 1, "00345") + std::to_string(10000 + i);
  s.Put(dba::files::kAidantsArchiveBull, "000122004", mois);
  s.Rechercher("00012");
  s.Lister();
  ASSERT_EQ(s.ecran.Lst_CodeArchive.ListCount(), kNombre);
  EXPECT_EQ(s.ecran.Lst_Periode.ListCount(), kNombre);
}

TEST(Search, SortirReleasesTheNameListsAndClosesTheHostWindow) {
  Scene s;
  s.ecran.W_ListeAidants.SetText("00012");
  s.ecran.Cmd_Sortir.UserClick();
  EXPECT_TRUE(s.ecran.W_ListeAidants.Empty() && s.ecran.W_Sortir);
  EXPECT_EQ(s.desktop.CloseHostWindowCount(), 1);
}

}  // namespace
}  // namespace vantelor::testing
