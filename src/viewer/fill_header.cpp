#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

// Print order: the footer procedures start where Remplir_Corps leaves W_Ligne.
void Frm_VisualisationBulletin::Remplir_Bulletin() {
  Remplir_Entete();
  Remplir_Cadre1();
  Remplir_Cadre2();
  Remplir_Conv();
  Remplir_Corps();
  Remplir_PiedPage1();
  Remplir_PiedPage2();
}

void Frm_VisualisationBulletin::Remplir_Entete() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_Entete1.SetCaption(r(2, 1));
  Etq_Entete2.SetCaption(r(3, 1));
}

void Frm_VisualisationBulletin::Remplir_Cadre1() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_SigleEmpl.SetCaption(r(7, 1));
  Etq_AdresseEmpl.SetCaption(r(8, 1));
  Etq_ComplAdrEmpl.SetCaption(r(9, 1));
  Etq_VilleEmpl.SetCaption(r(10, 1));
}

void Frm_VisualisationBulletin::Remplir_Cadre2() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_Aidant.SetCaption(r(13, 2));
  Etq_AdresseAidant.SetCaption(r(15, 2));
  Etq_ComplAdrAidant.SetCaption(r(16, 2));
  Etq_VilleAidant.SetCaption(r(17, 2));
}

void Frm_VisualisationBulletin::Remplir_Conv() { Etq_ConvCol.SetCaption(v_.Enr_ArchiveBull(5)); }

}  // namespace vantelor
