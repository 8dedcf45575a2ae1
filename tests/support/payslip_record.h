#pragma once
// Payslip records built from readable lines: one attribute a line, its values separated
// by '|'. PayslipRecord puts a sample header in attributes 1-18, the body lines from
// attribute 19, the end marker "#6", then the footer lines (M + 1, M + 2, ...):
//   auto r = testsupport::PayslipRecord({"Salaire de base|8667||||75836|", "%"},
//                                       {"83420", "250260|||33781|83420|-17931", "",
//                                        "66989|E", "||||439419||F"});

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "data/core/dynamic_array.h"

namespace testsupport {

using Lines = std::vector<std::string>;

// One attribute a line, '|' between values.
inline std::string RecordText(const Lines& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += dba::kAttributeMark;
    std::string line = lines[i];
    std::replace(line.begin(), line.end(), '|', dba::kValueMark);
    text += line;
  }
  return text;
}

inline Lines SampleHeader() {
  return {"",
          "BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003",
          "Emploi familial - mode mandataire",
          "",
          "Convention collective nationale des salariés du particulier employeur",
          "",
          "Mme LEFEVRE Jeanne|SIRET : non concerné",
          "12 rue des Lilas|APE : 970Z",
          "Bâtiment B|URSSAF : 117 1234567 89",
          "75012 PARIS|N° employeur : E00101",
          "",
          "Matricule : 00012",
          "N° SS : 2 65 03 75 112 034 27|Mme DUPONT Marie",
          "Qualification : Assistante de vie|",
          "Coefficient : 3|8 avenue Jean Jaurès",
          "Ancienneté : 4 ans|Résidence Les Tilleuls",
          "Entrée le : 01/02/1999|94200 IVRY-SUR-SEINE",
          ""};
}

// Gains/deductions totals, a net in euros and a second net in francs.
inline Lines SampleFooter() {
  return {"83420|67391|8667", "250260|196467|26001|33781|83420|-17931", "", "66989|E",
          "4560|1250|||439419|CP au 31/03/2003|F"};
}

inline dba::DynArray PayslipRecord(const Lines& body, const Lines& footer = SampleFooter(),
                                   const Lines& header = SampleHeader()) {
  Lines all = header;
  all.insert(all.end(), body.begin(), body.end());
  all.push_back("#6");
  all.insert(all.end(), footer.begin(), footer.end());
  return dba::DynArray(RecordText(all));
}

// `n` ordinary body lines ("Ligne 1" ...), each with a base and an amount to pay.
inline Lines OrdinaryLines(int n) {
  Lines lines;
  for (int i = 1; i <= n; ++i)
    lines.push_back("Ligne " + std::to_string(i) + "|" + std::to_string(1000 * i) + "||||" +
                    std::to_string(875 * i) + "|");
  return lines;
}

}  // namespace testsupport
