// The payslip listing: Lister shows one line per payslip of the period chosen, its month
// in words padded to 17 characters and the other party, and keeps each line's key in
// Lst_CodeArchive, line for line.
#include <string>

#include "selection/search_fixture.h"

namespace vantelor::testing {
namespace {

TEST(Listing, KeepsThePayslipsWithinTheBoundsJanuaryAndDecemberIncluded) {
  Scene s;
  const std::string dec02 = Prestataire("00012", 2002, 12), jan03 = Prestataire("00012", 2003, 1),
                    jun03 = Prestataire("00012", 2003, 6), dec03 = Prestataire("00012", 2003, 12),
                    jan04 = Prestataire("00012", 2004, 1);
  s.Bulletins({dec02, jan03, jun03, dec03, jan04});
  s.Rechercher("00012");
  const struct {
    int moisDebut;
    const char* anDebut;
    int moisFin;
    const char* anFin;
    Cles cles;
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
    s.Lister(row.moisDebut, row.anDebut, row.moisFin, row.anFin);
    EXPECT_EQ(s.ecran().Lst_CodeArchive.Items(), row.cles);
    EXPECT_EQ(s.ecran().Lst_Periode.ListCount(), static_cast<int>(row.cles.size()));
    EXPECT_TRUE(s.ecran().Cmd_Imprimer.Enabled());  // even an empty listing can be printed
  }
}

TEST(Listing, NamesTheOtherPartyOrSaysItIsGone) {
  const Cles aidant = {Mandataire("00012", 2003, 12, "00999"),
                       Mandataire("00012", 2003, 9, "00345"), Prestataire("00012", 2003, 3),
                       Prestataire("00012", 2003, 2)};
  const Cles aide = {Mandataire("00077", 2004, 2, "00345"), Mandataire("00012", 2004, 1, "00345")};
  const struct {
    Cles cles;
    const char *aidantTape, *aideTape, *colonne;
    Cles lignes;
  } rows[] = {
      {aidant,
       "00012",
       "",
       "Employeur",
       {"DÉCEMBRE 2003         AIDE SUPPRIME", "SEPTEMBRE 2003   M. MARTIN Paul",
        "MARS 2003        ASSOCIATION DU VAL", "FÉVRIER 2003     ASSOCIATION DU VAL"}},
      // Caregiver 00077 has no civil record any more.
      {aide,
       "",
       "00345",
       "Employé",
       {"FÉVRIER 2004          AIDANT SUPPRIME", "JANVIER 2004     Mme DUPONT Marie"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.colonne);
    Scene s;
    s.Bulletins(row.cles);
    s.Rechercher(row.aidantTape, row.aideTape);
    s.Lister();
    EXPECT_EQ(s.ecran().Etq_Employeur.Caption(), row.colonne);
    EXPECT_EQ(s.ecran().Lst_Periode.Items(), row.lignes);
    EXPECT_EQ(s.ecran().Lst_CodeArchive.Items(), row.cles);
  }
}

TEST(Listing, AnErrorBeforeTheFirstPersonLookupReachesTheHostWithTheListsInStep) {
  Scene s;
  // The newest payslip names an association that is not on file.
  s.Bulletins({Prestataire("00012", 2004, 3, "A99"), Prestataire("00012", 2004, 5),
               Mandataire("00012", 2004, 1, "00345")});
  s.Rechercher("00012");
  s.Lister();
  ASSERT_EQ(s.desktop.Errors().size(), 1u);
  EXPECT_EQ(s.ecran().Lst_CodeArchive.Items(), (Cles{Prestataire("00012", 2004, 5)}));
  EXPECT_EQ(s.ecran().Lst_Periode.Items(), (Cles{"MAI 2004         ASSOCIATION DU VAL"}));
  EXPECT_FALSE(s.ecran().Cmd_Imprimer.Enabled());
  EXPECT_TRUE(s.ecran().Enabled());
  EXPECT_EQ(s.desktop.MousePointer(), ui::kDefaultPointer);
}

TEST(Listing, FromTheFirstPersonLookupAFailingReadLeavesTheNameBlank) {
  Scene s;
  s.Bulletins({Mandataire("00012", 2004, 6, "00345"), Prestataire("00012", 2004, 5, "A99"),
               Mandataire("00012", 2004, 4, "00346"), Prestataire("00012", 2004, 3)});
  s.v.Fic_CivilAide =
      std::make_shared<FichierEnPanne>(s.v.Fic_CivilAide, std::set<std::string>{"00346"});
  s.Rechercher("00012");
  s.Lister();
  EXPECT_TRUE(s.desktop.Errors().empty());
  // Never the name of the person read before.
  EXPECT_EQ(s.ecran().Lst_Periode.Items(),
            (Cles{"JUIN 2004        M. MARTIN Paul", "MAI 2004         ", "AVRIL 2004       ",
                  "MARS 2004        ASSOCIATION DU VAL"}));
  EXPECT_EQ(s.ecran().Lst_CodeArchive.ListCount(), 4);
}

TEST(Listing, ListsMoreThanThirtyTwoThousandPayslipsWhole) {
  Scene s;
  constexpr int kNombre = 33000;
  std::string mois;
  for (int i = 0; i < kNombre; ++i) {
    if (i) mois += dba::kValueMark;
    mois += Mandataire("00012", 2004, 1, "00345") + std::to_string(10000 + i);
  }
  dba::DynArray index;
  index.Set(1, mois);
  s.db->Write("AIDANTSARCHIVEBULL", "000122004", index.Text());
  s.Rechercher("00012");
  EXPECT_EQ(s.ecran().W_ListeBulletins.DCount(), kNombre);
  s.Lister();
  ASSERT_EQ(s.ecran().Lst_CodeArchive.ListCount(), kNombre);
  EXPECT_EQ(s.ecran().Lst_Periode.ListCount(), kNombre);
  EXPECT_EQ(s.ecran().Lst_CodeArchive.List(kNombre - 1),
            Mandataire("00012", 2004, 1, "00345") + std::to_string(10000 + kNombre - 1));
}

}  // namespace
}  // namespace vantelor::testing
