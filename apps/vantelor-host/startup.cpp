#include "startup.h"

#include <stdexcept>

#include "command_line/command_line.h"
#include "vantelor/demo.h"
#include "vantelor/qt_embedding.h"

namespace host {

namespace {

// A step of the start-up: its failure is `text`, the library's message its detail.
template <typename Step>
std::optional<StartupFailure> Try(const std::string& text, Step step) {
  try {
    step();
    return std::nullopt;
  } catch (const std::exception& e) {
    return StartupFailure{text, e.what()};
  }
}

}  // namespace

std::optional<StartupFailure> ChooseDatabase(HostOptions& options) {
  if (!options.db.empty()) return std::nullopt;
  options.db = cli::DefaultDatabase();
  return Try("La base de démonstration " + options.db + " ne peut pas être créée.",
             [&] { vantelor::EnsureDemoDatabase(options.db, vantelor::LoginName()); });
}

std::optional<StartupFailure> StartControl(vantelor::Ctr_Vantelor& control,
                                           const HostOptions& options) {
  if (vantelor::HelpFilePath().empty())
    return StartupFailure{"Le fichier d'aide Vantelor.HLP est introuvable.",
                          "looked for beside the program and in ../share/vantelor"};
  vantelor::ClientRef client = vantelor::NewClient();
  vantelor::DatabaseRef database;
  if (auto failure = Try("La base de données " + options.db + " ne peut pas être ouverte.",
                         [&] { database = vantelor::OpenDatabase(client, options.db); }))
    return failure;
  std::string user;
  if (auto failure = Try("L'utilisateur " + vantelor::LoginName() +
                             " ne peut pas agir avec les droits de " + options.user + ".",
                         [&] { user = vantelor::UserForRights(database, options.user); }))
    return failure;
  bool allowed = false;
  if (auto failure = Try("Les droits de l'utilisateur " + user + " ne peuvent pas être lus.",
                         [&] { allowed = vantelor::HasRights(database, user); }))
    return failure;
  if (!allowed)
    return StartupFailure{"L'utilisateur " + user + " n'a aucun droit sur les bulletins archivés.",
                          "no access code for " + user + " in DROITS (function PALIMOR)"};
  return Try("L'archive de la base de données " + options.db + " ne peut pas être ouverte.", [&] {
    vantelor::RightsRef rights = vantelor::RightsForUser(database, user);
    control.put_TheClient(client);
    control.put_TheDatabase(database);
    control.put_DroitsUtilisateur(rights);
    if (!options.caregiver.empty()) control.put_W_CodeAidant(options.caregiver);
    control.Init();
  });
}

}  // namespace host
