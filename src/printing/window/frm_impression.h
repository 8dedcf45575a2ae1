#pragma once
// The print window: before a request prints, the clerk sees how many payslips and pages it
// holds and chooses where it goes (a printer the machine knows, or a PDF file: its name and
// its folder), how many copies, and may look at the pages first (Aperçu). A window of the
// toolkit, so that it renders on Qt and scripts drive it as any other window.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "printing/window/print_choice.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace printing {

// What the window asks of the desktop beyond its own controls.
struct PrintWindowServices {
  // Shows the pages of the request as `choice` would print them (the print preview).
  std::function<void(const PrintChoice& choice)> preview;
  // Lets the clerk choose a folder, starting at `current`; nullopt when they give up.
  std::function<std::optional<std::string>(const std::string& current)> chooseFolder;
};

class Frm_Impression : public ui::Form {
 public:
  // `printers`: the printers the machine knows, its default first. `proposed`: what the
  // window shows first (a destination not in the list falls back on the first one).
  Frm_Impression(const std::vector<std::string>& printers, const PrintChoice& proposed,
                 const RequestSummary& summary, PrintWindowServices services);

  // Shows the window modally; the choice when the clerk pressed Imprimer, nullopt when
  // they cancelled or closed it.
  std::optional<PrintChoice> Ask();
  // The choice as the controls show it now.
  PrintChoice Current() const;

  ui::Label Lab_Resume{*this, "Lab_Resume"};
  ui::Label Lab_PreImprime{*this, "Lab_PreImprime"};
  ui::Label Lab_Destination{*this, "Lab_Destination", "Destination :"};
  ui::ComboBox Cbo_Destination{*this, "Cbo_Destination", ui::ComboBox::Style::DropDownList};
  ui::Label Lab_Copies{*this, "Lab_Copies", "Exemplaires :"};
  ui::TextBox Txt_Copies{*this, "Txt_Copies"};
  ui::Label Lab_Fichier{*this, "Lab_Fichier", "Fichier :"};
  ui::TextBox Txt_Fichier{*this, "Txt_Fichier"};
  ui::Label Lab_Dossier{*this, "Lab_Dossier", "Dossier :"};
  ui::TextBox Txt_Dossier{*this, "Txt_Dossier"};
  ui::CommandButton Cmd_Parcourir{*this, "Cmd_Parcourir", "Parcourir…"};
  ui::CommandButton Cmd_Apercu{*this, "Cmd_Apercu", "Aperçu"};
  ui::CommandButton Cmd_Imprimer{*this, "Cmd_Imprimer", "Imprimer"};
  ui::CommandButton Cmd_Annuler{*this, "Cmd_Annuler", "Annuler"};

 private:
  void Layout();
  void Wire();
  void ShowDestinationFields();
  // True when the choice can print; otherwise says what is missing and gives the focus.
  bool Validate();

  PrintWindowServices services_;
  std::optional<PrintChoice> chosen_;
};

// The title of the print control's windows and messages.
inline constexpr const char* kPrintTitle = "Impression des bulletins";

}  // namespace printing
