#include "data/tools/demo/people.h"

#include "data/tools/demo/names.h"
#include "text/text.h"

#include <algorithm>

namespace dba::demo {

namespace {

std::string Digits(long number, int width) { return text::ZeroPadded(number, width); }

std::string SocialSecurity(Random& random, bool woman) {
  return std::string(woman ? "2 " : "1 ") + Digits(random.Between(40, 85), 2) + " " +
         Digits(random.Between(1, 12), 2) + " " + Digits(random.Between(75, 95), 2) + " " +
         Digits(random.Between(1, 999), 3) + " " + Digits(random.Between(1, 999), 3) + " " +
         Digits(random.Between(1, 97), 2);
}

}  // namespace

Person MakePerson(Random& random, int number, bool caregiver) {
  Person p;
  const bool woman = random.Chance(caregiver ? 85 : 65);
  p.code = Digits(number, 5);
  p.title = woman ? "Mme" : "M.";
  p.lastName = random.Pick(LastNames());
  p.firstName = random.Pick(woman ? WomenFirstNames() : MenFirstNames());
  p.street = std::to_string(random.Between(1, 120)) + " " + random.Pick(Streets());
  if (random.Chance(30))
    p.complement = "Résidence Les Tilleuls, bât. " + std::string(1, "ABCD"[random.Between(0, 3)]);
  p.town = random.Pick(Towns());
  p.socialSecurity = SocialSecurity(random, woman);
  // One person in eight belongs to a sector the demo user may not see.
  p.accessCode = random.Chance(12) ? random.Pick(kHiddenCodes) : random.Pick(kVisibleCodes);
  return p;
}

std::vector<Association> MakeAssociations() {
  return {
      {"A01", "ASSOCIATION AIDE ET VIE", "3 place de la Mairie", "94200 IVRY-SUR-SEINE",
       "784 123 456 00021", "117 7654321 00", true},
      {"A02", "SERVICES À DOMICILE DU VAL", "18 rue Émile Zola", "94400 VITRY-SUR-SEINE",
       "412 987 654 00015", "117 2223334 41", false},
      {"A03", "PRÉSENCE ET SOINS", "5 quai de la Marne", "94300 VINCENNES", "503 456 789 00034",
       "117 5556667 12", false},
  };
}

std::vector<Contract> MakeContracts(Random& random, const std::string& caregiverCode,
                                    int recipients, int associations,
                                    const std::vector<std::pair<int, int>>& spans, int maxContracts,
                                    int maxMonths) {
  std::vector<Contract> contracts;
  const int count = static_cast<int>(random.Between(1, maxContracts));
  for (int i = 0; i < count; ++i) {
    const auto& span =
        spans[static_cast<std::size_t>(random.Between(0, static_cast<long>(spans.size()) - 1))];
    Contract c;
    c.key = caregiverCode + Digits(i + 1, 3);
    c.mandataire = random.Chance(75);
    if (c.mandataire) {
      c.recipient = static_cast<int>(random.Between(0, recipients - 1));
    } else {
      c.association = static_cast<int>(random.Between(0, associations - 1));
    }
    const int length = span.second - span.first + 1;
    c.firstMonth = span.first + static_cast<int>(random.Between(0, length / 2));
    c.lastMonth = c.firstMonth + static_cast<int>(random.Between(2, std::min(length, maxMonths)));
    c.ended = c.lastMonth < span.second || random.Chance(20);
    if (c.lastMonth > span.second) c.lastMonth = span.second;
    c.simplified = static_cast<int>(random.Between(0, 60));
    c.rateFactor = static_cast<int>(random.Between(100, 130));
    contracts.push_back(c);
  }
  return contracts;
}

}  // namespace dba::demo
