// The payslip listing: Lister shows one line per payslip of the period chosen, its month
// in words padded to 17 characters and the other party, and keeps each line's key in
// Lst_CodeArchive.
#include <string>

#include "selection/search_fixture.h"

namespace vantelor::testing {
namespace {

using Lignes = std::vector<std::string>;

struct ListingScene : Scene {
  ListingScene() {
    Aidant("00012", "DUPONT", "Marie");
    Aide("00345", "MARTIN", "Paul");
    Aide("00346", "BERNARD", "Luc");
    Association("A01", "ASSOCIATION DU VAL");
    Autoriser({"ACC"});
  }
  Lignes Affichees() { return ecran().Lst_Periode.Items(); }
  Lignes Cles() { return ecran().Lst_CodeArchive.Items(); }
};

TEST(Listing, KeepsThePayslipsWithinTheBoundsJanuaryAndDecemberIncluded) {
  ListingScene s;
  const std::string dec02 = Prestataire("00012", 2002, 12), jan03 = Prestataire("00012", 2003, 1),
                    jun03 = Prestataire("00012", 2003, 6), dec03 = Prestataire("00012", 2003, 12),
                    jan04 = Prestataire("00012", 2004, 1);
  s.Bulletins({dec02, jan03, jun03, dec03, jan04});
  s.TaperAidant("00012");
  s.Rechercher();
  const struct {
    int moisDebut;
    const char* anDebut;
    int moisFin;
    const char* anFin;
    Lignes cles;
  } rows[] = {
      {1, "2003", 12, "2003", {dec03, jun03, jan03}},
      {6, "2003", 6, "2003", {jun03}},
      {12, "2002", 1, "2003", {jan03, dec02}},
      {1, "2004", 1, "2004", {jan04}},
      {2, "2003", 5, "2003", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.moisDebut << "/" << row.anDebut << " - " << row.moisFin
                                      << "/" << row.anFin);
    s.ChoisirPeriode(row.moisDebut, row.anDebut, row.moisFin, row.anFin);
    s.Lister();
    EXPECT_EQ(s.Cles(), row.cles);
    EXPECT_EQ(s.Affichees().size(), row.cles.size());
    // Even an empty listing can be printed.
    EXPECT_TRUE(s.ecran().Cmd_Imprimer.Enabled());
    EXPECT_TRUE(s.ecran().Lst_Periode.Enabled());
    EXPECT_TRUE(s.ecran().Cdr_Select.Enabled());
  }
}

TEST(Listing, ForACaregiverNamesTheEmployerInASeventeenCharacterColumn) {
  ListingScene s;
  const Lignes cles = {Mandataire("00012", 2003, 12, "00999"),
                       Mandataire("00012", 2003, 9, "00345"), Mandataire("00012", 2003, 8, "00346"),
                       Prestataire("00012", 2003, 3), Prestataire("00012", 2003, 2)};
  s.Bulletins(cles);
  s.TaperAidant("00012");
  s.Rechercher();
  ASSERT_EQ(s.Periode(), "Janvier 2003 - Décembre 2003");
  s.Lister();
  EXPECT_EQ(s.ecran().Etq_Employeur.Caption(), "Employeur");
  EXPECT_EQ(s.Affichees(), (Lignes{
                               "DÉCEMBRE 2003         AIDE SUPPRIME",
                               "SEPTEMBRE 2003   M. MARTIN Paul",
                               "AOÛT 2003        M. BERNARD Luc",
                               "MARS 2003        ASSOCIATION DU VAL",
                               "FÉVRIER 2003     ASSOCIATION DU VAL",
                           }));
  EXPECT_EQ(s.Cles(), cles);
  EXPECT_EQ(s.v.Enr_CivilAide.Key(), "00346");
  EXPECT_EQ(s.v.Enr_Association.Key(), "A01");
}

TEST(Listing, ForACareRecipientNamesTheCaregivers) {
  ListingScene s;
  // Caregiver 00077 has no civil record any more.
  const Lignes cles = {Mandataire("00077", 2004, 2, "00345"),
                       Mandataire("00012", 2004, 1, "00345")};
  s.Bulletins(cles);
  s.TaperAide("00345");
  s.Rechercher();
  s.Lister();
  EXPECT_EQ(s.ecran().Etq_Employeur.Caption(), "Employé");
  EXPECT_EQ(s.Affichees(),
            (Lignes{"FÉVRIER 2004          AIDANT SUPPRIME", "JANVIER 2004     Mme DUPONT Marie"}));
  EXPECT_EQ(s.Cles(), cles);
}

TEST(Listing, APeriodRefusedByTheChecksKeepsTheListAsItWas) {
  ListingScene s;
  s.Bulletins({Prestataire("00012", 2003, 5), Prestataire("00012", 2004, 2)});
  s.TaperAidant("00012");
  s.Rechercher();
  s.Lister();
  const Lignes avant = s.Affichees();
  ASSERT_EQ(avant.size(), 2u);
  s.ChoisirPeriode(1, "2004", 12, "2003");
  s.desktop.Answer(ui::kAnswerOk);
  s.Lister();
  EXPECT_EQ(s.desktop.LastMessage().text,
            "La période de fin doit être supérieure ou égale à la période de début.");
  EXPECT_EQ(s.Affichees(), avant);
  EXPECT_EQ(s.Cles().size(), 2u);
  EXPECT_TRUE(s.ecran().Enabled());
  EXPECT_EQ(s.desktop.MousePointer(), ui::kDefaultPointer);
}

TEST(Listing, AnErrorBeforeTheFirstPersonLookupReachesTheHostWithTheListsInStep) {
  ListingScene s;
  // The newest payslip names an association that is not on file.
  s.Bulletins({Prestataire("00012", 2004, 3, "A99"), Prestataire("00012", 2004, 5),
               Mandataire("00012", 2004, 1, "00345")});
  s.TaperAidant("00012");
  s.Rechercher();
  s.Lister();
  ASSERT_EQ(s.desktop.Errors().size(), 1u);
  EXPECT_EQ(s.Cles(), (Lignes{Prestataire("00012", 2004, 5)}));
  EXPECT_EQ(s.Affichees(), (Lignes{"MAI 2004         ASSOCIATION DU VAL"}));
  EXPECT_FALSE(s.ecran().Cmd_Imprimer.Enabled());
  EXPECT_TRUE(s.ecran().Enabled());
  EXPECT_EQ(s.desktop.MousePointer(), ui::kDefaultPointer);
}

TEST(Listing, FromTheFirstPersonLookupOnAFailingReadLeavesTheNameBlank) {
  ListingScene s;
  s.Bulletins({Mandataire("00012", 2004, 6, "00345"), Prestataire("00012", 2004, 5, "A99"),
               Mandataire("00012", 2004, 4, "00346"), Prestataire("00012", 2004, 3)});
  s.v.Fic_CivilAide =
      std::make_shared<FichierEnPanne>(s.v.Fic_CivilAide, std::set<std::string>{"00346"});
  s.TaperAidant("00012");
  s.Rechercher();
  s.Lister();
  EXPECT_TRUE(s.desktop.Errors().empty());
  // Never the name of the person read before.
  EXPECT_EQ(s.Affichees(), (Lignes{"JUIN 2004        M. MARTIN Paul", "MAI 2004         ",
                                   "AVRIL 2004       ", "MARS 2004        ASSOCIATION DU VAL"}));
  EXPECT_EQ(s.Cles().size(), 4u);
  EXPECT_TRUE(s.ecran().Cmd_Imprimer.Enabled());
}

TEST(Listing, SearchAndListingEachRunBusyAndGiveTheScreenBack) {
  ListingScene s;
  s.Bulletins({Prestataire("00012", 2004, 5)});
  s.TaperAidant("00012");
  const std::size_t pointeurs = s.desktop.PointerChanges().size();
  const int evenements = s.desktop.DoEventsCount();
  s.Rechercher();
  s.Lister();
  EXPECT_EQ(
      std::vector<int>(s.desktop.PointerChanges().begin() + pointeurs,
                       s.desktop.PointerChanges().end()),
      (std::vector<int>{ui::kHourglass, ui::kDefaultPointer, ui::kHourglass, ui::kDefaultPointer}));
  EXPECT_EQ(s.desktop.DoEventsCount(), evenements + 2);
  EXPECT_TRUE(s.ecran().Enabled());
}

TEST(Listing, ListsMoreThanThirtyTwoThousandPayslipsWhole) {
  ListingScene s;
  constexpr int kNombre = 33000;
  dba::DynArray index;
  std::string mois;
  for (int i = 0; i < kNombre; ++i) {
    if (i) mois += dba::kValueMark;
    mois += Mandataire("00012", 2004, 1, "00345") + std::to_string(10000 + i);
  }
  index.Set(1, mois);
  s.Ecrire("AIDANTSARCHIVEBULL", "000122004", index);
  s.TaperAidant("00012");
  s.Rechercher();
  EXPECT_EQ(s.ecran().W_ListeBulletins.DCount(), kNombre);
  s.Lister();
  ASSERT_EQ(s.Cles().size(), static_cast<std::size_t>(kNombre));
  EXPECT_EQ(s.Affichees().size(), static_cast<std::size_t>(kNombre));
  EXPECT_EQ(s.Cles().back(),
            Mandataire("00012", 2004, 1, "00345") + std::to_string(10000 + kNombre - 1));
}

}  // namespace
}  // namespace vantelor::testing
