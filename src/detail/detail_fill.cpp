#include "detail/amounts.h"
#include "detail/detail_rows.h"
#include "detail/frm_detail_bs.h"

namespace vantelor {

using detail::LigneRubrique;

// Each row is built whole before it is added: an error while building one ends the
// filling there, with every list holding the rows before it and nothing of that row.
void Frm_DetailBS::RemplirListsDetailBS() {
  const dba::Record& d = v_.Enr_DetailCalcul;
  for (int i = 1, n = d.DCount(detail::kCodesAvant); i <= n; ++i)
    AjouterLigne(detail::LigneAvantCotisations(v_, i));
  for (int i = 1, n = d.DCount(detail::kCodesCotisations); i <= n; ++i)
    AjouterLigne(detail::LigneCotisation(v_, i));
  for (int i = 1, n = d.DCount(detail::kCodesApres); i <= n; ++i)
    AjouterLigne(detail::LigneApresCotisations(v_, i));
}

void Frm_DetailBS::AjouterLigne(const LigneRubrique& ligne) {
  Lst_CodeRub.AddItem(ligne.code);
  Lst_LibRub.AddItem(ligne.libelle);
  Lst_BaseSal.AddItem(ligne.baseSal);
  Lst_TauxSal.AddItem(ligne.tauxSal);
  Lst_MontantSal.AddItem(ligne.montantSal);
  Lst_BasePat.AddItem(ligne.basePat);
  Lst_TauxPat.AddItem(ligne.tauxPat);
  Lst_MontantPat.AddItem(ligne.montantPat);
  Lst_RubAuto.AddItem(ligne.rubAuto);
}

// The gross figures read an empty attribute as 0 (in memory only); the net figures have
// no such default, so an empty one ends the procedure and leaves the boxes after it empty.
void Frm_DetailBS::RemplirZonesTextsResultat() {
  dba::Record& d = v_.Enr_DetailCalcul;
  if (d(6).empty()) d.Set(6, "0");
  Txt_BaseBrut.SetText(detail::Montant(d(6), 100, 5, 2, true));
  if (d(7).empty()) d.Set(7, "0");
  Txt_MontantBrut.SetText(detail::Montant(d(7), 100, 6, 2, true));
  Txt_NetFiscal.SetText(detail::Montant(d(15), 100, 6, 2, true));
  Txt_NetAPayer.SetText(detail::Montant(d(21), 100, 6, 2, true));
}

}  // namespace vantelor
