#include "detail/frm_complement.h"

namespace vantelor {

// The three footer procedures share W_Ligne: their order matters.
void Frm_Complement::Remplir_Bulletin() {
  Remplir_Entete();
  Remplir_Cadre1();
  Remplir_Cadre2();
  Remplir_Cadre3();
  Remplir_Cadre4();
  Remplir_Conv();
  Remplir_PiedPage1();
  Remplir_PiedPage2();
  Remplir_PiedPage4();
}

void Frm_Complement::Remplir_Entete() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_Entete1.SetCaption(r(2, 1));
  Etq_Entete2.SetCaption(r(3, 1));
}

// Employer identity: the left column of attributes 7 to 10.
void Frm_Complement::Remplir_Cadre1() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_SigleEmpl.SetCaption(r(7, 1));
  Etq_AdresseEmpl.SetCaption(r(8, 1));
  Etq_ComplAdrEmpl.SetCaption(r(9, 1));
  Etq_VilleEmpl.SetCaption(r(10, 1));
}

// Employer registration numbers: the right column of attributes 7 to 10.
void Frm_Complement::Remplir_Cadre2() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_SiretEmpl.SetCaption(r(7, 2));
  Etq_ApeEmpl.SetCaption(r(8, 2));
  Etq_UrssafEmpl.SetCaption(r(9, 2));
  Etq_NumEmpl.SetCaption(r(10, 2));
}

// The employee's staff data: the left column of attributes 12 to 17.
void Frm_Complement::Remplir_Cadre3() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_Matricule.SetCaption(r(12, 1));
  Etq_NumSS.SetCaption(r(13, 1));
  Etq_Qualif.SetCaption(r(14, 1));
  Etq_Coeff.SetCaption(r(15, 1));
  Etq_Anciennete.SetCaption(r(16, 1));
  Etq_DateEntree.SetCaption(r(17, 1));
}

// The caregiver's name and address: the right column of attributes 13 and 15 to 17.
void Frm_Complement::Remplir_Cadre4() {
  const dba::Record& r = v_.Enr_ArchiveBull;
  Etq_Aidant.SetCaption(r(13, 2));
  Etq_AdresseAidant.SetCaption(r(15, 2));
  Etq_ComplAdrAidant.SetCaption(r(16, 2));
  Etq_VilleAidant.SetCaption(r(17, 2));
}

void Frm_Complement::Remplir_Conv() { Etq_ConvCol.SetCaption(v_.Enr_ArchiveBull(5)); }

}  // namespace vantelor
