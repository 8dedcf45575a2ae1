#include "printing/window/frm_resultat_impression.h"

#include <filesystem>

#include "printing/window/frm_impression.h"

namespace printing {

Frm_ResultatImpression::Frm_ResultatImpression(const PrintOutcome& outcome,
                                               std::function<void(const std::string&)> open)
    : Form("Frm_ResultatImpression", kPrintTitle) {
  const OutcomeTexts texts = OutcomeMessage(outcome);
  int top = 120;
  for (auto [label, text] : {std::pair{&Lab_Message, texts.done},
                             {&Lab_Lieu, texts.place},
                             {&Lab_Illisibles, texts.unreadable},
                             {&Lab_PreImprime, texts.preprinted}}) {
    label->SetCaption(text);
    label->SetVisible(!text.empty());
    label->Move(120, top, 7560, 255);
    if (!text.empty()) top += 300;
  }
  const int buttons = top + 180;
  Move(0, 0, 7800, buttons + 375 + 180);
  Cmd_OuvrirFichier.Move(120, buttons, 1800, 375);
  Cmd_OuvrirDossier.Move(2040, buttons, 1800, 375);
  Cmd_Fermer.Move(6480, buttons, 1200, 375);
  const bool pdf = !outcome.file.empty();
  Cmd_OuvrirFichier.SetVisible(pdf);
  Cmd_OuvrirDossier.SetVisible(pdf);
  const std::string file = outcome.file;
  Cmd_OuvrirFichier.OnClick = [open, file] {
    if (open) open(file);
  };
  Cmd_OuvrirDossier.OnClick = [open, file] {
    if (open) open(std::filesystem::path(file).parent_path().string());
  };
  Cmd_Fermer.OnClick = [this] { Unload(); };
}

}  // namespace printing
