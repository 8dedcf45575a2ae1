// The CUPS side of cups_job.h.
#include <cups/cups.h>

#include "printing/pdf/cups_job.h"

namespace printing::pdf {

std::string LastJobRefusal() {
  const ipp_status_t status = cupsLastError();
  if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) return "";
  const char* said = cupsLastErrorString();
  return said && *said ? said : ippErrorString(status);
}

}  // namespace printing::pdf
