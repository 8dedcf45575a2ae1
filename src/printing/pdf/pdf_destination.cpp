// A request's sheets into a new private PDF file.
#include <QFile>
#include <QPdfWriter>

#include <system_error>

#include "printing/pdf/destinations.h"
#include "printing/pdf/private_file.h"
#include "printing/pdf/sheet_painter.h"
#include "printing/pdf_name.h"
#include "printing/print_control.h"

namespace printing::pdf {
namespace {

// Names tried before giving up: "stem.pdf" up to "stem (999).pdf".
constexpr int kNameTries = 999;

[[noreturn]] void FolderFailure(const std::filesystem::path& folder, const std::system_error& e) {
  throw PrintFailure("Le dossier " + folder.string() +
                     " ne peut pas recevoir les bulletins : " + FrenchReason(e.code()) + ".");
}

// Draws into the open private file; false when the PDF could not be completed.
bool DrawInto(PrivateFile& out, const QString& title, const DrawSheets& draw, Delivered& done) {
  QFile file;
  if (!file.open(out.Descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
    return false;
  QPdfWriter writer(&file);
  PrepareForSheets(writer, title);
  SheetPainter painter(writer);
  done.run = draw(painter);
  done.pages = painter.Pages();
  if (done.run.cancelled) return true;
  const bool finished = painter.Finish();
  return finished && file.flush() && file.error() == QFileDevice::NoError;
}

void Name(PrivateFile& out, const PdfTarget& target, const std::filesystem::path& folder,
          Delivered& done) {
  if (!target.file.empty()) {
    const std::string name = target.file.filename().string();
    if (target.replace) {
      try {
        out.ReplaceRegularFile(name);
      } catch (const std::system_error& e) {
        if (e.code() != std::errc::file_exists) throw;
        throw PrintFailure("Le fichier " + target.file.string() +
                           " n'est pas un fichier ordinaire (lien, tube, périphérique ou "
                           "dossier) : il n'est jamais remplacé.");
      }
    } else if (!out.Publish(name)) {
      throw PrintFailure("Le fichier " + target.file.string() +
                         " existe déjà : il n'a pas été remplacé.");
    }
    done.file = target.file;
    return;
  }
  for (int n = target.firstTry; n <= kNameTries; ++n) {
    const std::string name = NumberedPdfName(target.stem, n);
    if (out.Publish(name)) {
      done.file = folder / name;
      return;
    }
  }
  throw PrintFailure("Le dossier " + folder.string() + " a déjà " + std::to_string(kNameTries) +
                     " fichiers nommés " + target.stem + " : aucun nom n'est libre.");
}

}  // namespace

Delivered WritePdf(const PdfTarget& target, const QString& title, const DrawSheets& draw) {
  const std::filesystem::path folder = target.file.empty() ? target.folder
                                       : target.file.parent_path().empty()
                                           ? std::filesystem::path(".")
                                           : target.file.parent_path();
  Delivered done;
  try {
    if (target.file.empty()) MakePrivateFolder(folder);
    PrivateFile out(folder);
    if (!DrawInto(out, title, draw, done)) {
      throw PrintFailure("Le fichier PDF n'a pas pu être écrit dans " + folder.string() +
                         " (disque plein ou retiré ?).");
    }
    if (done.run.cancelled) return done;
    Name(out, target, folder, done);
  } catch (const std::system_error& e) {
    FolderFailure(folder, e);
  }
  return done;
}

std::string FrenchReason(const std::error_code& error) {
  static const std::pair<std::errc, const char*> kReasons[] = {
      {std::errc::permission_denied, "accès refusé"},
      {std::errc::operation_not_permitted, "accès refusé"},
      {std::errc::no_space_on_device, "le disque est plein"},
      {std::errc::read_only_file_system, "le disque est en lecture seule"},
      {std::errc::not_a_directory, "ce n'est pas un dossier"},
      {std::errc::no_such_file_or_directory, "il n'existe pas"},
      {std::errc::file_exists, "un autre élément porte déjà ce nom"},
      {std::errc::too_many_symbolic_link_levels, "un lien symbolique est en travers"},
      {std::errc::is_a_directory, "c'est un dossier"},
      {std::errc::filename_too_long, "le nom est trop long"},
  };
  for (const auto& [code, reason] : kReasons) {
    if (error == code) return reason;
  }
  return error.message();
}

}  // namespace printing::pdf
