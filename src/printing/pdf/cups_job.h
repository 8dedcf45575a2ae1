#pragma once
// Whether the print service took the last job that Qt sent it. Qt's printer hands the job
// to CUPS when its painter ends and does not say whether CUPS took it; CUPS keeps the
// outcome of the last request of the thread, which this reads.

#include <string>

namespace printing::pdf {

// "" when the last job sent from this thread was taken; otherwise what the print service
// said (a printer that refuses jobs, a service that does not answer).
std::string LastJobRefusal();

}  // namespace printing::pdf
