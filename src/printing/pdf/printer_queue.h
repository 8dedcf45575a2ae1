#pragma once
// Sending a finished PDF to a printer through CUPS (`lp`, from the PATH).

#include <filesystem>
#include <string>

namespace printing::pdf {

// Queues `pdf` on `printer` ("default" = the system's default destination) with `title`.
// Throws dba::Error(kPrintFailed) with what `lp` said when it cannot be run or refuses.
void SendToPrinter(const std::filesystem::path& pdf, const std::string& printer,
                   const std::string& title);

}  // namespace printing::pdf
