#include "printing/pdf/print_settings.h"

#include <QStandardPaths>

#include <cstdlib>
#include <iostream>
#include <limits>

#include "text/text.h"

namespace printing::pdf {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::filesystem::path DefaultFolder() {
  // QStandardPaths follows XDG_DOCUMENTS_DIR (user-dirs.dirs) and falls back on ~/Documents.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  std::filesystem::path base = documents.isEmpty()
                                   ? std::filesystem::path(Env("HOME")) / "Documents"
                                   : std::filesystem::path(documents.toStdString());
  return base / "vantelor";
}

}  // namespace

PrintSettings PrintSettings::FromEnvironment() {
  PrintSettings s;
  const std::string folder = Env("VANTELOR_PRINT_DIR");
  s.folder = folder.empty() ? DefaultFolder() : std::filesystem::path(folder);
  s.printer = Env("VANTELOR_PRINTER");
  const std::string threshold = Env("VANTELOR_PRINT_PROGRESS_MIN");
  if (!threshold.empty()) {
    const std::optional<long long> n = text::DigitsValue(threshold);
    if (n && *n <= std::numeric_limits<int>::max()) {
      s.progressThreshold = static_cast<int>(*n);
    } else {
      std::cerr << "VANTELOR_PRINT_PROGRESS_MIN=" << threshold
                << " is not a count of payslips; using " << s.progressThreshold << '\n';
    }
  }
  return s;
}

}  // namespace printing::pdf
