#pragma once
// The people, associations and contracts of the demo archive, before they become records.

#include <string>
#include <vector>

#include "data/tools/demo/random.h"

namespace dba::demo {

struct Person {
  std::string code;  // 5 digits
  std::string title, lastName, firstName;
  std::string street, complement, town;
  std::string accessCode;  // caregivers: attribute 31; care recipients: start of attribute 40
  std::string socialSecurity;
  bool hasCivilRecord = true;  // a few archived people lost theirs
};

struct Association {
  std::string code, name, street, town, siret, urssaf;
  bool prePrinted = false;
};

struct Contract {
  std::string key;         // caregiver code + 3 characters
  bool mandataire = true;  // kind "02": the care recipient employs the caregiver
  int recipient = -1;      // index into the care recipients (mandataire)
  int association = -1;    // index into the associations (prestataire)
  int firstMonth = 0;      // months counted as year * 12 + (month - 1)
  int lastMonth = 0;       // inclusive
  bool ended = false;      // an end day is stored
  int rateFactor = 100;    // percent of the usual hourly rate
  int simplified = 0;      // percent chance of a short payslip body
};

struct Caregiver {
  Person person;
  std::string qualification;
  int entryYear = 1995;
  std::vector<Contract> contracts;
};

// The access codes of the demo: DEMO may see the first two, not the others.
inline const std::vector<std::string> kVisibleCodes = {"S01", "S02"};
inline const std::vector<std::string> kHiddenCodes = {"S03", "S09"};

Person MakePerson(Random& random, int number, bool caregiver);
std::vector<Association> MakeAssociations();
// Contracts of a caregiver, each within one of `spans` (months as year * 12 + month - 1,
// inclusive), at most `maxContracts` of them, each at most `maxMonths` long.
std::vector<Contract> MakeContracts(Random& random, const std::string& caregiverCode,
                                    int recipients, int associations,
                                    const std::vector<std::pair<int, int>>& spans, int maxContracts,
                                    int maxMonths);

}  // namespace dba::demo
