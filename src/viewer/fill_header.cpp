#include "data/archive/archivebull_record.h"
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
  const dba::ArchiveBullView r(v_.Enr_ArchiveBull);
  Etq_Entete1.SetCaption(r.HeaderLine1());
  Etq_Entete2.SetCaption(r.HeaderLine2());
}

void Frm_VisualisationBulletin::Remplir_Cadre1() {
  const dba::ArchiveBullView r(v_.Enr_ArchiveBull);
  Etq_SigleEmpl.SetCaption(r.EmployerName());
  Etq_AdresseEmpl.SetCaption(r.EmployerAddress());
  Etq_ComplAdrEmpl.SetCaption(r.EmployerAddressComplement());
  Etq_VilleEmpl.SetCaption(r.EmployerTown());
}

void Frm_VisualisationBulletin::Remplir_Cadre2() {
  const dba::ArchiveBullView r(v_.Enr_ArchiveBull);
  Etq_Aidant.SetCaption(r.CaregiverName());
  Etq_AdresseAidant.SetCaption(r.CaregiverAddress());
  Etq_ComplAdrAidant.SetCaption(r.CaregiverAddressComplement());
  Etq_VilleAidant.SetCaption(r.CaregiverTown());
}

void Frm_VisualisationBulletin::Remplir_Conv() {
  Etq_ConvCol.SetCaption(dba::ArchiveBullView(v_.Enr_ArchiveBull).CollectiveAgreement());
}

}  // namespace vantelor
