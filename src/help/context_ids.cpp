#include "help/context_ids.h"

#include <filesystem>
#include <system_error>

#include "text/text.h"
#include "ui/desktop.h"

namespace help {
namespace {

long owner_ = 0;

// The folder the program file was loaded from; the working folder when it cannot be told.
std::string ApplicationPath() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return exe.parent_path().string();
  return std::filesystem::current_path(error).string();
}

}  // namespace

void Init_Aide(long owner) { Init_Aide(owner, ApplicationPath()); }

void Init_Aide(long owner, const std::string& applicationPath) {
  owner_ = owner;
  // The test is made on the trimmed path, the name built from the path as given.
  const std::string trimmed = text::Trim(applicationPath);
  const bool endsWithSeparator = !trimmed.empty() && trimmed.back() == '/';
  ui::SetHelpFile(applicationPath + (endsWithSeparator ? "" : "/") + kFichierAide);
}

void Afficher_Sommaire() { ui::desktop().Help(owner_, ui::HelpFile(), ui::kHelpFinder, 0); }

void Quitter_Aide() { ui::desktop().Help(owner_, ui::HelpFile(), ui::kHelpQuit, 0); }

std::string Ancre(int command, int data) {
  if (command == ui::kHelpContext && data > 0) return "contexte-" + std::to_string(data);
  return "sommaire";
}

}  // namespace help
