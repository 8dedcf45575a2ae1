#include "data/archive/archivebull_record.h"
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
  const dba::ArchiveBullView b(v_.Enr_ArchiveBull);
  Etq_Entete1.SetCaption(b.HeaderLine1());
  Etq_Entete2.SetCaption(b.HeaderLine2());
}

// Employer identity: the left column of the header grid.
void Frm_Complement::Remplir_Cadre1() {
  const dba::ArchiveBullView b(v_.Enr_ArchiveBull);
  Etq_SigleEmpl.SetCaption(b.EmployerName());
  Etq_AdresseEmpl.SetCaption(b.EmployerAddress());
  Etq_ComplAdrEmpl.SetCaption(b.EmployerAddressComplement());
  Etq_VilleEmpl.SetCaption(b.EmployerTown());
}

// Employer registration numbers: the right column beside the employer identity.
void Frm_Complement::Remplir_Cadre2() {
  const dba::ArchiveBullView b(v_.Enr_ArchiveBull);
  Etq_SiretEmpl.SetCaption(b.EmployerSiret());
  Etq_ApeEmpl.SetCaption(b.EmployerApe());
  Etq_UrssafEmpl.SetCaption(b.EmployerUrssaf());
  Etq_NumEmpl.SetCaption(b.EmployerNumber());
}

// The employee's staff data: the left column under the employer.
void Frm_Complement::Remplir_Cadre3() {
  const dba::ArchiveBullView b(v_.Enr_ArchiveBull);
  Etq_Matricule.SetCaption(b.StaffNumber());
  Etq_NumSS.SetCaption(b.SocialSecurityNumber());
  Etq_Qualif.SetCaption(b.Qualification());
  Etq_Coeff.SetCaption(b.Coefficient());
  Etq_Anciennete.SetCaption(b.Seniority());
  Etq_DateEntree.SetCaption(b.EntryDate());
}

// The caregiver's name and address: the right column under the registration numbers.
void Frm_Complement::Remplir_Cadre4() {
  const dba::ArchiveBullView b(v_.Enr_ArchiveBull);
  Etq_Aidant.SetCaption(b.CaregiverName());
  Etq_AdresseAidant.SetCaption(b.CaregiverAddress());
  Etq_ComplAdrAidant.SetCaption(b.CaregiverAddressComplement());
  Etq_VilleAidant.SetCaption(b.CaregiverTown());
}

void Frm_Complement::Remplir_Conv() {
  Etq_ConvCol.SetCaption(dba::ArchiveBullView(v_.Enr_ArchiveBull).CollectiveAgreement());
}

}  // namespace vantelor
