#include <algorithm>
#include <initializer_list>

#include "data/archive/payslip_body.h"
#include "data/archive/payslip_currency.h"
#include "detail/frm_complement.h"

namespace vantelor {

namespace {

constexpr const char* kMarqueurCorps = "#6";

// Footer attributes after the marker, M + 1 to M + 5: W_Ligne must hold M + 4.
constexpr int kAttributsPied = 5;
// Lab_ChgPat in each layout of this page.
constexpr int kLargeurChargesPatr = 1695;
constexpr int kLargeurTotalEmployeur = 3855;
constexpr int kGaucheTotalEmployeur = 5280;

// Every amount of this page: hundredths shown with 6 integer digits, 2 decimals and no
// sign place. A label whose field is empty keeps its design state.
void SiPresent(ui::Label& etiquette, const dba::DynArray& r, int attribute, int value,
               bool absolute = false) {
  if (r(attribute, value).empty()) return;
  etiquette.SetCaption(dba::FormatStored(r, attribute, value, 100, 6, 2, false, absolute));
}

// The first attribute, from 1, whose whole text is the end-of-body marker; 0 when the
// record has none (the search stops at its last attribute, and never goes so far that
// the footer attributes would not fit W_Ligne).
int ChercherMarqueur(const dba::DynArray& r) {
  const int fin = std::min(r.DCount(), INT16_MAX - kAttributsPied);
  for (int a = 1; a <= fin; ++a) {
    if (r(a) == kMarqueurCorps) return a;
  }
  return 0;
}

}  // namespace

// Month and cumulated rows. A record without the marker leaves the whole footer blank
// and shows Etq_Incomplet instead.
void Frm_Complement::Remplir_PiedPage1() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  const int marqueur = ChercherMarqueur(r);
  Etq_Incomplet.SetVisible(marqueur == 0);
  if (marqueur == 0) {
    W_Ligne = 0;
    return;
  }
  W_Ligne = static_cast<std::int16_t>(marqueur + 1);
  SiPresent(Etq_BrutM, r, W_Ligne, 1);
  SiPresent(Etq_NetFiscM, r, W_Ligne, 2);
  SiPresent(Etq_HresM, r, W_Ligne, 3);
  SiPresent(Etq_BrutC, r, W_Ligne + 1, 1);
  SiPresent(Etq_NetFiscC, r, W_Ligne + 1, 2);
  SiPresent(Etq_HresC, r, W_Ligne + 1, 3);
}

// Totals, from the cumulated attribute; W_Ligne does not move. Without a gains total the
// employer total gets one wide caption over the place of the other two.
void Frm_Complement::Remplir_PiedPage2() {
  if (W_Ligne == 0) return;
  const dba::Record& r = v_.Enr_ArchiveBull;
  const int a = W_Ligne + 1;
  SiPresent(Etq_ChargesPat, r, a, 4);
  const bool gainsRetenues = !r(a, 5).empty();
  if (gainsRetenues) {
    SiPresent(Etq_Gains, r, a, 5);
    SiPresent(Etq_Retenues, r, a, 6, true);
    Lab_ChgPat.SetCaption("CHARGES PATR.");
    Lab_ChgPat.SetWidth(kLargeurChargesPatr);
  } else {
    Lab_ChgPat.SetCaption("TOTAL VERSE PAR L'EMPLOYEUR");
    Lab_ChgPat.SetWidth(kLargeurTotalEmployeur);
    Lab_ChgPat.SetLeft(kGaucheTotalEmployeur);
  }
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&Lab_Gain, &Lab_Retenue, &Line3, &Line4})
    c->SetVisible(gainsRetenues);
}

// Net to pay in both currencies with their names, and the leave balances.
void Frm_Complement::Remplir_PiedPage4() {
  if (W_Ligne == 0) return;
  const dba::Record& r = v_.Enr_ArchiveBull;
  W_Ligne = static_cast<std::int16_t>(W_Ligne + 3);
  const int n = W_Ligne;
  // The net itself decides, not its attribute: a currency flag without a net amount
  // leaves the amount blank.
  SiPresent(Etq_NetFrancs, r, n, 1);
  SiPresent(Etq_CPHeures, r, n + 1, 1);
  SiPresent(Etq_CPJour, r, n + 1, 2);
  SiPresent(Etq_CAHeures, r, n + 1, 3);
  SiPresent(Etq_CAJour, r, n + 1, 4);
  SiPresent(Etq_NetEuros, r, n + 1, 5);
  Etq_Conges.SetCaption(r(n + 1, 6));
  const dba::CurrencyNames monnaies = dba::NomsMonnaies(r(n, 2), r(n + 1, 7));
  Etq_Lib3.SetCaption(monnaies.first);
  Etq_Lib4.SetCaption(monnaies.second);
}

}  // namespace vantelor
