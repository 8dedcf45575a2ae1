#include "data/archive/archive_files.h"
#include "data/archive/archive_key.h"
#include "data/archive/civil_record.h"
#include "data/archive/conversion.h"
#include "data/archive/employer_records.h"
#include "data/core/step.h"
#include "detail/frm_complement.h"
#include "detail/frm_detail_bs.h"
#include "state/procedure.h"
#include "ui/busy.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

void Frm_VisualisationBulletin::WireDetailButtons() {
  Cmd_Detail.OnClick = [this] { Cmd_Detail_Click(); };
  Cmd_DetailBS.OnClick = [this] { Cmd_DetailBS_Click(); };
}

// The page is filled before the viewer is enabled again; an error while filling it goes
// to the host and the viewer comes back as it was.
void Frm_VisualisationBulletin::Cmd_Detail_Click() {
  Frm_Complement page(v_);
  ui::BusyBracket occupe(*this);
  page.Load();
  page.Remplir_Bulletin();
  occupe.End();
  page.ShowModal();
}

void Frm_VisualisationBulletin::Cmd_DetailBS_Click() { ChargeFrmDetailCalcul(); }

void Frm_VisualisationBulletin::ChargeFrmDetailCalcul() {
  ui::BusyBracket occupe(*this);
  Frm_DetailBS detail(v_);
  detail.Load();
  RemplirDonneesFrmDetailBS(detail);
  detail.Init();
  detail.ShowModal();
  occupe.End();
}

// Only a read that succeeded fills a name: a failed one, missing record or not, leaves the
// field blank rather than showing the record an earlier read left in the shared state.
void Frm_VisualisationBulletin::RemplirDonneesFrmDetailBS(Frm_DetailBS& Frm) {
  const dba::ArchiveKey cle(v_.Enr_ArchiveBull(0));
  Frm.Txt_CodAidant.SetText(cle.CaregiverCode());
  namespace files = dba::files;
  const std::uint32_t aidant = dba::RunStep([&] {
    v_.Enr_CivilAidant =
        FichierOuvert(v_.Fic_CivilAidant, files::kCivilAidant).ReadRecord(cle.CaregiverCode());
  });
  if (aidant == 0) Frm.Txt_NomAidant.SetText(dba::CivilView(v_.Enr_CivilAidant).DisplayName());
  Frm.Txt_PeriodePaie.SetText(cle.PeriodText());

  const std::uint32_t contrat = dba::RunStep([&] {
    v_.Enr_Contrat = FichierOuvert(v_.Fic_Contrat, files::kContrat).ReadRecord(cle.ContractKey());
  });
  if (contrat != 0) return;
  const dba::ContratView c(v_.Enr_Contrat);
  if (c.IsMandataire()) {
    Frm.Txt_CodEmployeur.SetText(c.CareRecipientCode());
    const std::uint32_t aide = dba::RunStep([&] {
      v_.Enr_CivilAide =
          FichierOuvert(v_.Fic_CivilAide, files::kCivilAide).ReadRecord(c.CareRecipientCode());
    });
    if (aide == 0) Frm.Txt_NomEmployeur.SetText(dba::CivilView(v_.Enr_CivilAide).DisplayName());
  } else {
    Frm.Txt_CodEmployeur.SetText(c.AssociationCode());
    const std::uint32_t association = dba::RunStep([&] {
      v_.Enr_Association =
          FichierOuvert(v_.Fic_Association, files::kAssociation).ReadRecord(c.AssociationCode());
    });
    if (association == 0)
      Frm.Txt_NomEmployeur.SetText(dba::AssociationView(v_.Enr_Association).Name());
  }
  const dba::Conversion& conversion = dba::TheConversion();
  Frm.Txt_DateDebContrat.SetText(conversion.DateToText(c.StartDay()));
  Frm.Txt_DateFinContrat.SetText(conversion.DateToText(c.EndDay()));
}

}  // namespace vantelor
