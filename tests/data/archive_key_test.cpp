#include "data/archive_key.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
  const char* key;
  const char* caregiver;
  const char* contract;
  const char* year;
  const char* month;
  const char* period;
  const char* detail;
  bool prestataire;
  const char* association;
  const char* careRecipient;
};

TEST(ArchiveKeyTest, PartsOfEveryKeyShape) {
  const KeyCase cases[] = {
      {"0001200120030300101", "00012", "00012001", "2003", "03", "200303", "00012001200303", false,
       "", "00101"},
      {"00012002201904A01", "00012", "00012002", "2019", "04", "201904", "00012002201904", true,
       "A01", ""},
      {"00012001200303001019", "00012", "00012001", "2003", "03", "200303", "00012001200303", false,
       "", "00101"},
      // Short keys: parts end where the key ends.
      {"00012001200303", "00012", "00012001", "2003", "03", "200303", "00012001200303", false, "",
       ""},
      {"0001200120", "00012", "00012001", "20", "", "20", "0001200120", false, "", ""},
      {"000", "000", "000", "", "", "", "000", false, "", ""},
      {"", "", "", "", "", "", "", false, "", ""},
      // 17 characters, not 17 bytes: "É" is one character.
      {"00012002201904AÉ1", "00012", "00012002", "2019", "04", "201904", "00012002201904", true,
       "AÉ1", ""},
      {"ÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉ", "ÉÉÉÉÉ", "ÉÉÉÉÉÉÉÉ", "ÉÉÉÉ", "ÉÉ", "ÉÉÉÉÉÉ", "ÉÉÉÉÉÉÉÉÉÉÉÉÉÉ", false, "",
       "ÉÉ"},
  };
  for (const KeyCase& c : cases) {
    const dba::ArchiveKey k(c.key);
    SCOPED_TRACE(c.key);
    EXPECT_EQ(k.CaregiverCode(), c.caregiver);
    EXPECT_EQ(k.ContractKey(), c.contract);
    EXPECT_EQ(k.Year(), c.year);
    EXPECT_EQ(k.Month(), c.month);
    EXPECT_EQ(k.Period(), c.period);
    EXPECT_EQ(k.DetailKey(), c.detail);
    EXPECT_EQ(k.IsPrestataire(), c.prestataire);
    EXPECT_EQ(k.AssociationCode(), c.association);
    EXPECT_EQ(k.CareRecipientCode(), c.careRecipient);
  }
}

}  // namespace
