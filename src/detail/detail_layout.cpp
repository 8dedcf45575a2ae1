#include "detail/frm_detail_bs.h"

#include "help/context_ids.h"

namespace vantelor {

namespace {

constexpr int kAideDetail = help::kContexteDetail;

// Height of a list showing 20 rows of the fixed-pitch font, borders included.
constexpr int kHauteurListe = 4260;
constexpr int kHautListes = 600;
// Width of a list's own scroll bar, which the right-hand neighbour covers.
constexpr int kBarre = 255;
// One character of the fixed-pitch font, and the space before a list's first character.
constexpr int kCaractere = 99;
constexpr int kMargeListe = 30;
// Space between the label columns, the employee columns and the employer columns.
constexpr int kEcartGroupes = 120;

void Placer(ui::Control& c, ui::Control* cadre, int left, int top, int width, int height) {
  c.SetContainer(cadre);
  c.Move(left, top, width, height);
}

}  // namespace

// The lists decide the width: the header frame and the button follow them.
void Frm_DetailBS::Layout() {
  LayoutListes();
  LayoutEntete();
  LayoutTotaux();
  const int largeur = Fra_ListesRubriques.Width();
  Placer(Cmd_Retour, nullptr, 120 + largeur - 1365, 7080, 1365, 405);
  Cmd_Retour.SetHelpContextID(kAideDetail);
  Move(0, 0, largeur + 405, 8070);
  // Screen readers: what one label or one heading does not name alone.
  const std::pair<ui::Control*, const char*> names[] = {
      {&Txt_CodAidant, "Aidant : code"},          {&Txt_NomAidant, "Aidant : nom"},
      {&Txt_CodEmployeur, "Employeur : code"},    {&Txt_NomEmployeur, "Employeur : nom"},
      {&Lst_LibRub, "Libellé rubrique"},          {&Lst_BaseSal, "Salariale : base"},
      {&Lst_TauxSal, "Salariale : taux"},         {&Lst_MontantSal, "Salariale : montant"},
      {&Lst_BasePat, "Patronale : base"},         {&Lst_TauxPat, "Patronale : taux"},
      {&Lst_MontantPat, "Patronale : montant"},   {&Txt_CacheLibRub, "Séparation des libellés"},
      {&Txt_CacheMontSal, "Séparation des parts"}};
  for (const auto& [control, name] : names) control->SetAccessibleName(name);
}

void Frm_DetailBS::LayoutEntete() {
  Placer(Etq_Aidant, nullptr, 240, 180, 780, 255);
  Placer(Txt_CodAidant, nullptr, 1200, 120, 855, 315);
  Placer(Txt_NomAidant, nullptr, 2115, 120, 4200, 315);
  Placer(Etq_PeriodePaie, nullptr, 6720, 180, 1260, 255);
  Placer(Txt_PeriodePaie, nullptr, 8040, 120, 2400, 315);
  for (ui::Control* c : {&Txt_CodAidant, &Txt_NomAidant}) c->SetFont(ui::kFixedFont);
  for (ui::Control* c : {&Txt_CodAidant, &Txt_NomAidant, &Txt_PeriodePaie})
    c->SetHelpContextID(kAideDetail);

  Placer(Fra_Contrat, nullptr, 120, 540, Fra_ListesRubriques.Width(), 765);
  Fra_Contrat.SetHelpContextID(kAideDetail);
  Placer(Etq_Employeur, &Fra_Contrat, 120, 360, 900, 255);
  Placer(Txt_CodEmployeur, &Fra_Contrat, 1080, 300, 855, 315);
  Placer(Txt_NomEmployeur, &Fra_Contrat, 1995, 300, 4200, 315);
  Placer(Etq_DateDebContrat, &Fra_Contrat, 6600, 360, 600, 255);
  Placer(Txt_DateDebContrat, &Fra_Contrat, 7200, 300, 1335, 315);
  Placer(Etq_DateFinContrat, &Fra_Contrat, 8880, 360, 420, 255);
  Placer(Txt_DateFinContrat, &Fra_Contrat, 9360, 300, 1335, 315);
}

// The lists stand side by side; each is wider than its column by the width of its own
// scroll bar, which the next list covers. Where a group of columns ends, the next list
// starts further right and a mask covers that edge; Bdv_Rub covers the last one.
void Frm_DetailBS::LayoutListes() {
  ui::Frame* f = &Fra_ListesRubriques;
  // A number column's heading ends where its numbers end (`chiffres` characters of the
  // fixed-pitch font); a text column's heading starts with the column.
  struct Colonne {
    ui::Label* titre;
    ui::ListBox* liste;
    int width, chiffres, largeurTitre;
    ui::TextBox* masque;  // after the last column of a group
  };
  const Colonne colonnes[] = {
      {&Etq_CodeRub, &Lst_CodeRub, 780, 0, 660, nullptr},
      {&Etq_LibRub, &Lst_LibRub, 3840, 0, 1500, &Txt_CacheLibRub},
      {&Etq_BaseSal, &Lst_BaseSal, 1140, 10, 420, nullptr},
      {&Etq_TauxSal, &Lst_TauxSal, 1140, 10, 420, nullptr},
      {&Etq_MontantSal, &Lst_MontantSal, 1140, 10, 660, &Txt_CacheMontSal},
      {&Etq_BasePat, &Lst_BasePat, 1140, 10, 420, nullptr},
      {&Etq_TauxPat, &Lst_TauxPat, 1020, 9, 420, nullptr},
      {&Etq_MontantPat, &Lst_MontantPat, 1140, 10, 660, nullptr},
  };
  int x = 120;
  for (const Colonne& c : colonnes) {
    const int titre = c.chiffres ? x + kMargeListe + c.chiffres * kCaractere - c.largeurTitre : x;
    Placer(*c.titre, f, titre, 360, c.largeurTitre, 255);
    Placer(*c.liste, f, x, kHautListes, c.width + kBarre, kHauteurListe);
    c.liste->SetFont(ui::kFixedFont);
    c.liste->SetHelpContextID(kAideDetail);
    x += c.width;
    if (c.masque) {
      Placer(*c.masque, f, x, kHautListes, kBarre + kEcartGroupes, kHauteurListe);
      x += kBarre + kEcartGroupes;
    }
  }
  Placer(Bdv_Rub, f, x, kHautListes, kBarre, kHauteurListe);
  // Shown by Maj_Bdv when there are more rows than the lists show.
  Bdv_Rub.SetVisible(false);
  Placer(Fra_ListesRubriques, nullptr, 120, 1440, x + kBarre + 120, 5520);
  Fra_ListesRubriques.SetHelpContextID(kAideDetail);

  const auto centrer = [f](ui::Label& titre, const ui::Control& premiere,
                           const ui::Control& derniere) {
    const int milieu = (premiere.Left() + derniere.Left() + derniere.Width() - kBarre) / 2;
    Placer(titre, f, milieu - 750, 120, 1800, 255);
  };
  centrer(Etq_Salariale, Lst_BaseSal, Lst_MontantSal);
  centrer(Etq_Patronale, Lst_BasePat, Lst_MontantPat);

  Placer(Lst_RubAuto, f, 0, 0, 0, 0);
  Lst_RubAuto.SetVisible(false);
  Lst_RubAuto.SetHelpContextID(kAideDetail);
}

void Frm_DetailBS::LayoutTotaux() {
  ui::Frame* f = &Fra_ListesRubriques;
  const int top = kHautListes + kHauteurListe + 180;
  struct Total {
    ui::Label* titre;
    ui::TextBox* boite;
    int left, widthTitre;
  };
  const Total totaux[] = {{&Etq_BaseBrut, &Txt_BaseBrut, 120, 900},
                          {&Etq_MontantBrut, &Txt_MontantBrut, 2640, 1080},
                          {&Etq_NetFiscal, &Txt_NetFiscal, 5340, 900},
                          {&Etq_NetAPayer, &Txt_NetAPayer, 7860, 1380}};
  for (const Total& t : totaux) {
    Placer(*t.titre, f, t.left, top + 60, t.widthTitre, 255);
    Placer(*t.boite, f, t.left + t.widthTitre + 60, top, 1260, 315);
    t.boite->SetFont(ui::kFixedFont);
    t.boite->SetHelpContextID(kAideDetail);
  }
}

}  // namespace vantelor
