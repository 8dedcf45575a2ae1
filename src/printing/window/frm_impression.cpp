#include "printing/window/frm_impression.h"

#include <algorithm>

#include "printing/pdf_name.h"
#include "text/text.h"

namespace printing {
namespace {

constexpr int kMaxCopies = 99;
constexpr int kLabelLeft = 120, kFieldLeft = 1560, kRowHeight = 315;

// "x" for "x.pdf" and for "x".
std::string WithPdfExtension(const std::string& name) {
  const std::string trimmed = text::Trim(name);
  if (trimmed.size() >= 4 && text::Upper(trimmed.substr(trimmed.size() - 4)) == ".PDF")
    return trimmed;
  return trimmed + ".pdf";
}

}  // namespace

Frm_Impression::Frm_Impression(const std::vector<std::string>& printers,
                               const PrintChoice& proposed, const RequestSummary& summary,
                               PrintWindowServices services)
    : Form("Frm_Impression", kPrintTitle), services_(std::move(services)) {
  Layout();
  Lab_Resume.SetCaption(SummaryText(summary));
  Lab_PreImprime.SetCaption(
      summary.preprinted ? "Documents pré imprimés : seules les données sont imprimées." : "");
  Lab_PreImprime.SetVisible(summary.preprinted);
  for (const std::string& p : printers) Cbo_Destination.AddItem(p);
  Cbo_Destination.AddItem(std::string(kPdfDestination));
  const auto it = std::find(printers.begin(), printers.end(), proposed.destination);
  const int index = proposed.IsPdf()       ? static_cast<int>(printers.size())
                    : it != printers.end() ? static_cast<int>(it - printers.begin())
                                           : 0;
  Cbo_Destination.SetListIndex(index);
  Txt_Copies.SetText(std::to_string(std::clamp(proposed.copies, 1, kMaxCopies)));
  Txt_Fichier.SetText(proposed.fileName);
  Txt_Dossier.SetText(proposed.folder);
  Wire();
  ShowDestinationFields();
}

void Frm_Impression::Layout() {
  Move(0, 0, 6600, 3300);
  Lab_Resume.Move(kLabelLeft, 120, 6300, 255);
  Lab_PreImprime.Move(kLabelLeft, 420, 6300, 255);
  ui::Control* rows[][2] = {{&Lab_Destination, &Cbo_Destination},
                            {&Lab_Copies, &Txt_Copies},
                            {&Lab_Fichier, &Txt_Fichier},
                            {&Lab_Dossier, &Txt_Dossier}};
  int top = 840;
  for (auto& row : rows) {
    row[0]->Move(kLabelLeft, top + 30, 1380, 255);
    row[1]->Move(kFieldLeft, top, 4920, kRowHeight);
    top += 420;
  }
  Txt_Copies.Move(kFieldLeft, 840 + 420, 600, kRowHeight);
  Txt_Copies.SetMaxLength(2);
  Txt_Dossier.Move(kFieldLeft, 840 + 3 * 420, 3660, kRowHeight);
  Cmd_Parcourir.Move(5340, 840 + 3 * 420 - 15, 1140, 345);
  Cmd_Apercu.Move(kLabelLeft, 2640, 1200, 375);
  Cmd_Imprimer.Move(4020, 2640, 1200, 375);
  Cmd_Annuler.Move(5280, 2640, 1200, 375);
}

void Frm_Impression::Wire() {
  Cbo_Destination.OnClick = [this] { ShowDestinationFields(); };
  Txt_Copies.OnKeyPress = [](int& key) {
    if (key != ui::kKeyBackspace && key != ui::kKeyDeleteChar && (key < '0' || key > '9')) key = 0;
  };
  Cmd_Parcourir.OnClick = [this] {
    if (!services_.chooseFolder) return;
    if (std::optional<std::string> folder = services_.chooseFolder(Txt_Dossier.Text()))
      Txt_Dossier.SetText(*folder);
  };
  Cmd_Apercu.OnClick = [this] {
    if (services_.preview) services_.preview(Current());
  };
  Cmd_Imprimer.OnClick = [this] {
    if (!Validate()) return;
    chosen_ = Current();
    Unload();
  };
  Cmd_Annuler.OnClick = [this] { Unload(); };
}

void Frm_Impression::ShowDestinationFields() {
  const bool pdf = Current().IsPdf();
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&Txt_Fichier, &Txt_Dossier, &Cmd_Parcourir})
    c->SetEnabled(pdf);
  Txt_Copies.SetEnabled(!pdf);
}

PrintChoice Frm_Impression::Current() const {
  PrintChoice c;
  c.destination = Cbo_Destination.Text();
  c.copies = static_cast<int>(text::DigitsValue(Txt_Copies.Text()).value_or(0));
  c.folder = text::Trim(Txt_Dossier.Text());
  c.fileName = FileNameSafe(WithPdfExtension(Txt_Fichier.Text()));
  return c;
}

bool Frm_Impression::Validate() {
  const PrintChoice c = Current();
  const auto refuse = [](const char* message, ui::Control& field) {
    ui::desktop().MessageBox(message, ui::kExclamation, kPrintTitle);
    field.SetFocus();
    return false;
  };
  if (!c.IsPdf()) {
    if (c.copies < 1 || c.copies > kMaxCopies)
      return refuse("Le nombre d'exemplaires va de 1 à 99.", Txt_Copies);
    return true;
  }
  if (text::Trim(Txt_Fichier.Text()).empty())
    return refuse("Donnez un nom au fichier PDF.", Txt_Fichier);
  if (c.folder.empty()) return refuse("Choisissez le dossier du fichier PDF.", Txt_Dossier);
  return true;
}

std::optional<PrintChoice> Frm_Impression::Ask() {
  chosen_.reset();
  ShowModal();
  return chosen_;
}

}  // namespace printing
