#include <initializer_list>

#include "detail/frm_complement.h"
#include "help/context_ids.h"

namespace vantelor {

namespace {

constexpr int kAideComplement = help::kContexteDetail;
// Height of one line of a frame's labels.
constexpr int kLigne = 240;
// One character of the fixed-pitch font, and an amount of 9 characters with its margin.
constexpr int kCaractere = 99;
constexpr int kMontant = 9 * kCaractere + 60;

void Placer(ui::Control& c, ui::Control* cadre, int left, int top, int width, int height) {
  c.SetContainer(cadre);
  c.Move(left, top, width, height);
}

// Labels of record data, one under the other in a frame, in the fixed-pitch font.
void Empiler(ui::Frame& cadre, std::initializer_list<ui::Label*> etiquettes) {
  int top = 180;
  for (ui::Label* e : etiquettes) {
    Placer(*e, &cadre, 120, top, cadre.Width() - 240, 225);
    e->SetFont(ui::kFixedFont);
    top += kLigne;
  }
}

}  // namespace

void Frm_Complement::Layout() {
  Move(0, 0, 10560, 8700);
  SetHelpContextID(kAideComplement);
  LayoutEntete();
  LayoutPied();
  LayoutConges();
  Placer(Cmd_Retour, nullptr, 8880, 7740, 1320, 405);
  Cmd_Retour.SetHelpContextID(kAideComplement);
  Mnu_Aide.SetVisible(false);
}

// Laid out as the printed page: employer left and caregiver right, their registration
// and staff data under them, the collective agreement across the foot of the header.
void Frm_Complement::LayoutEntete() {
  ui::Frame* e = &Cdr_EnteteBulletin;
  Placer(Cdr_EnteteBulletin, nullptr, 120, 60, 10200, 4680);
  Cdr_EnteteBulletin.SetHelpContextID(kAideComplement);
  Placer(Label1, e, 240, 300, 2520, 330);
  Label1.SetFont({"MS Sans Serif", 12, true});
  Placer(Etq_Entete1, e, 2880, 300, 7200, 225);
  Placer(Etq_Entete2, e, 2880, 560, 7200, 225);
  Etq_Entete1.SetFont(ui::kFixedFont);
  Etq_Entete2.SetFont(ui::kFixedFont);

  Placer(Cdr_Cadre1, e, 120, 900, 4920, 1260);
  Placer(Cdr_Cadre4, e, 5160, 900, 4920, 1260);
  Placer(Cdr_Cadre2, e, 120, 2280, 4920, 1740);
  Placer(Cdr_Cadre3, e, 5160, 2280, 4920, 1740);
  Placer(Cdr_ConvCol, e, 120, 4080, 9960, 480);
  Empiler(Cdr_Cadre1, {&Etq_SigleEmpl, &Etq_AdresseEmpl, &Etq_ComplAdrEmpl, &Etq_VilleEmpl});
  Empiler(Cdr_Cadre4, {&Etq_Aidant, &Etq_AdresseAidant, &Etq_ComplAdrAidant, &Etq_VilleAidant});
  Empiler(Cdr_Cadre2, {&Etq_SiretEmpl, &Etq_ApeEmpl, &Etq_UrssafEmpl, &Etq_NumEmpl});
  Empiler(Cdr_Cadre3,
          {&Etq_Matricule, &Etq_NumSS, &Etq_Qualif, &Etq_Coeff, &Etq_Anciennete, &Etq_DateEntree});
  Empiler(Cdr_ConvCol, {&Etq_ConvCol});
}

// Amounts are 9 characters of the fixed-pitch font; the month and cumulated columns stand
// 12 characters apart, so Label23 puts each title over its column with blanks.
void Frm_Complement::LayoutPied() {
  ui::Frame* p = &Cdr_PiedBulletin;
  Placer(Cdr_PiedBulletin, nullptr, 120, 4800, 10200, 2820);
  Cdr_PiedBulletin.SetHelpContextID(kAideComplement);

  Label23.SetCaption("     BRUT   NET FISC.      HEURES");
  Placer(Label23, p, 840, 300, 33 * kCaractere, 225);
  Placer(Label16, p, 240, 600, 540, 225);
  Placer(Label17, p, 240, 840, 540, 225);
  const int colonnes[] = {840, 840 + 12 * kCaractere, 840 + 24 * kCaractere};
  ui::Label* mois[] = {&Etq_BrutM, &Etq_NetFiscM, &Etq_HresM};
  ui::Label* cumul[] = {&Etq_BrutC, &Etq_NetFiscC, &Etq_HresC};
  for (int i = 0; i < 3; ++i) {
    Placer(*mois[i], p, colonnes[i], 600, kMontant, 225);
    Placer(*cumul[i], p, colonnes[i], 840, kMontant, 225);
  }
  Line5.SetContainer(p);
  Line5.SetPoints(840, 540, 840 + 33 * kCaractere, 540);

  Placer(Lab_ChgPat, p, 5280, 300, 1695, 225);
  Placer(Lab_Gain, p, 7035, 300, 1020, 225);
  Placer(Lab_Retenue, p, 8115, 300, 1020, 225);
  Placer(Etq_ChargesPat, p, 5655, 600, kMontant, 225);
  Placer(Etq_Gains, p, 7035, 600, kMontant, 225);
  Placer(Etq_Retenues, p, 8115, 600, kMontant, 225);
  for (ui::Line* l : {&Line1, &Line2, &Line3, &Line4}) l->SetContainer(p);
  Line1.SetPoints(5280, 540, 9135, 540);
  Line2.SetPoints(5280, 870, 9135, 870);
  Line3.SetPoints(6975, 300, 6975, 870);
  Line4.SetPoints(8055, 300, 8055, 870);

  Placer(Label6, p, 5280, 1110, 1560, 225);
  Placer(Etq_NetFrancs, p, 7035, 1110, kMontant, 225);
  Placer(Etq_Lib3, p, 8115, 1110, 900, 225);
  Placer(Etq_NetEuros, p, 7035, 1350, kMontant, 225);
  Placer(Etq_Lib4, p, 8115, 1350, 900, 225);
  for (ui::Label* l : {&Label23, &Etq_BrutM, &Etq_NetFiscM, &Etq_HresM, &Etq_BrutC, &Etq_NetFiscC,
                       &Etq_HresC, &Etq_ChargesPat, &Etq_Gains, &Etq_Retenues, &Etq_NetFrancs,
                       &Etq_Lib3, &Etq_NetEuros, &Etq_Lib4})
    l->SetFont(ui::kFixedFont);

  Placer(Etq_Incomplet, p, 5880, 1920, 4200, 480);
  Etq_Incomplet.SetFont({"MS Sans Serif", 8.25, true});
  Etq_Incomplet.SetVisible(false);
}

// The leave titles are one label: the values stand under its words, character for
// character (x(n) is character n of Label2); Etq_Conges keeps the corner above them.
void Frm_Complement::LayoutConges() {
  ui::Frame* f = &Frame1;
  const auto x = [](int n) { return 120 + n * kCaractere; };
  Placer(Frame1, &Cdr_PiedBulletin, 240, 1560, 5400, 1140);
  Placer(Etq_Conges, f, 120, 120, 210, 225);
  Placer(Label2, f, x(0), 330, 47 * kCaractere, 225);
  Placer(Label19, f, x(10) - 570, 570, 570, 225);
  Placer(Label20, f, x(20) - 450, 570, 450, 225);
  Placer(Label21, f, x(33) - 570, 570, 570, 225);
  Placer(Label22, f, x(44) - 450, 570, 450, 225);
  Placer(Etq_CPHeures, f, x(1), 810, kMontant, 225);
  Placer(Etq_CPJour, f, x(11), 810, kMontant, 225);
  Placer(Etq_CAHeures, f, x(24), 810, kMontant, 225);
  Placer(Etq_CAJour, f, x(35), 810, kMontant, 225);
  for (ui::Label* l :
       {&Label2, &Etq_Conges, &Etq_CPHeures, &Etq_CPJour, &Etq_CAHeures, &Etq_CAJour})
    l->SetFont(ui::kFixedFont);
}

}  // namespace vantelor
