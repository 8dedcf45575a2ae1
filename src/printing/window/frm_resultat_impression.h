#pragma once
// The message after a request: how many payslips went where ("3 bulletins imprimés sur
// HP-Bureau.", "… enregistrés dans DUPONT Marie 2003-01.pdf" and its folder, with buttons
// that open the file and the folder), how many could not be read, and for a PDF of
// pre-printed stationery that its pages hold only the data. A window of the toolkit, so
// that scripts drive it as any other.

#include <functional>
#include <string>

#include "printing/window/print_choice.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace printing {

class Frm_ResultatImpression : public ui::Form {
 public:
  // `open` opens a file or a folder with the desktop's own program.
  Frm_ResultatImpression(const PrintOutcome& outcome,
                         std::function<void(const std::string& path)> open);
  // Shows the message modally until the clerk closes it.
  void Tell() { ShowModal(); }

  ui::Label Lab_Message{*this, "Lab_Message"};
  ui::Label Lab_Lieu{*this, "Lab_Lieu"};
  ui::Label Lab_Illisibles{*this, "Lab_Illisibles"};
  ui::Label Lab_PreImprime{*this, "Lab_PreImprime"};
  ui::CommandButton Cmd_OuvrirFichier{*this, "Cmd_OuvrirFichier", "Ouvrir le fichier"};
  ui::CommandButton Cmd_OuvrirDossier{*this, "Cmd_OuvrirDossier", "Ouvrir le dossier"};
  ui::CommandButton Cmd_Fermer{*this, "Cmd_Fermer", "Fermer"};
};

}  // namespace printing
