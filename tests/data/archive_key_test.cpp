#include "data/archive/archive_key.h"

#include <gtest/gtest.h>

namespace {

TEST(ArchiveKeyTest, PartsOfEveryKeyShape) {
  const struct {
    const char *key, *parts, *period;
  } cases[] = {
      // caregiver/contract/year/month/period/detail/association/care recipient
      {"0001200120030300101", "00012/00012001/2003/03/200303/00012001200303//00101", "MARS 2003"},
      {"00012002201904A01", "00012/00012002/2019/04/201904/00012002201904/A01/", "AVRIL 2019"},
      // 17 characters, not 17 bytes: "É" is one character.
      {"00012002201904AÉ1", "00012/00012002/2019/04/201904/00012002201904/AÉ1/", "AVRIL 2019"},
      // Short keys: parts end where the key ends.
      {"0001200120033", "00012/00012001/2003/3/20033/0001200120033//", ""},
      {"000", "000/000////000//", ""},
      // A period that is no year and month has no text.
      {"00012001-2000300101", "00012/00012001/-200/03/-20003/00012001-20003//00101", ""},
      {"00012001200313001", "00012/00012001/2003/13/200313/00012001200313/001/", ""},
  };
  for (const auto& c : cases) {
    const dba::ArchiveKey k(c.key);
    EXPECT_EQ(k.CaregiverCode() + "/" + k.ContractKey() + "/" + k.Year() + "/" + k.Month() + "/" +
                  k.Period() + "/" + k.DetailKey() + "/" + k.AssociationCode() + "/" +
                  k.CareRecipientCode(),
              c.parts)
        << c.key;
    EXPECT_EQ(k.IsPrestataire(), !k.AssociationCode().empty()) << c.key;
    EXPECT_EQ(k.PeriodText(), c.period) << c.key;
  }
}

}  // namespace
