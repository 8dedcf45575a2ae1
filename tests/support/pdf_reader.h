#pragma once
// Reading a PDF back as the office would see it: its text (pdftotext) and its page count
// (pdfinfo), both from poppler-utils.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace testsupport {

inline std::string RunCommand(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string out;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) out.append(buffer, n);
  return out;
}

// The text of page `page` (every page when 0), laid out as on the sheet.
inline std::string PdfText(const std::filesystem::path& pdf, int page = 0) {
  std::string range = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
  return RunCommand("pdftotext -layout" + range + " '" + pdf.string() + "' - 2>&1");
}

inline int PdfPages(const std::filesystem::path& pdf) {
  const std::string info = RunCommand("pdfinfo '" + pdf.string() + "' 2>&1");
  const std::size_t at = info.find("Pages:");
  if (at == std::string::npos) throw std::runtime_error("not a PDF: " + info);
  return std::stoi(info.substr(at + 6));
}

}  // namespace testsupport
