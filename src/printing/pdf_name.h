#pragma once
// The name of the PDF file of a print request: what it holds, so that a clerk finds a
// reprint again among others. "DUPONT Marie 2003-01.pdf" for one month of one person,
// "DUPONT Marie 2003-01 à 2004-09.pdf" for a period, "DUPONT Marie 2003-01 (2).pdf" when
// that name is taken.
//
// The person is the caregiver of every payslip of the request, else the care recipient of
// all of them (a selection made for a care recipient), else none ("Bulletins"). Names are
// read from the civil records, shown as the screens show a person.

#include <string>
#include <vector>

#include "data/core/database.h"

namespace printing {

struct PdfSubject {
  std::string person;       // "" when the payslips belong to several people
  std::string firstPeriod;  // "YYYYMM" of the earliest payslip ("" when no key has one)
  std::string lastPeriod;
};

// What the payslips of `keys` are about. A civil record that is missing or cannot be read
// gives the person's code instead of the name; never throws for a missing record.
PdfSubject DescribePayslips(dba::Database& database, const std::vector<std::string>& keys);

// "DUPONT Marie 2003-01 à 2004-09", made safe as a file name on every system: the
// characters a file system refuses or reads as a folder (/ \ : * ? " < > |, control
// characters) become "-", blanks at the ends and a leading dot go, and it is cut at 120
// characters. Accented letters stay.
std::string PdfStem(const PdfSubject& subject);

// `stem` + ".pdf" for try 1, `stem` + " (n).pdf" for try n > 1.
std::string NumberedPdfName(const std::string& stem, int n);

// `name` with every character that may not stand in a file name replaced by "-".
std::string FileNameSafe(const std::string& name);

}  // namespace printing
