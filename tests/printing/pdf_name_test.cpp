// The PDF's name says what it holds: the person and the month or the period, safe on every
// file system, numbered when taken.
#include "printing/pdf_name.h"

#include <gtest/gtest.h>

#include "support/archive_fixture.h"

namespace printing {
namespace {

class PdfNameTest : public ::testing::Test {
 protected:
  std::shared_ptr<dba::Database> db_ = testsupport::ArchiveWith(R"(
{"file": "CIVILAIDANT", "key": "00012", "attributes": [["Mme"], ["DUPONT"], ["Marie"]]}
{"file": "CIVILAIDANT", "key": "00013", "attributes": [["M."], ["LE/FÈVRE"], ["Émile"]]}
{"file": "CIVILAIDE", "key": "00101", "attributes": [["Mme"], ["MARTIN"], ["Jeanne"]]})");
  std::string Stem(const std::vector<std::string>& keys) {
    return PdfStem(DescribePayslips(*db_, keys));
  }
};

TEST_F(PdfNameTest, PersonAndMonthOrPeriod) {
  const struct {
    std::vector<std::string> keys;
    std::string stem;
  } cases[] = {
      {{"0001200120030100101"}, "DUPONT Marie 2003-01"},
      {{"0001200120030100101", "0001200220030100102"}, "DUPONT Marie 2003-01"},  // one month
      {{"0001200120040900101", "0001200120030100101"}, "DUPONT Marie 2003-01 à 2004-09"},
      {{"0001300120030200101"}, "LE-FÈVRE Émile 2003-02"},  // accents kept, slash replaced
      {{"0001200120030100101", "0001300120030100101"}, "MARTIN Jeanne 2003-01"},  // a recipient
      {{"0001200120030100101", "00013001200302A01"}, "Bulletins 2003-01 à 2003-02"},
      {{"0009900120030100101"}, "Aidant 00099 2003-01"},  // no civil record
      {{"00012001200399"}, "DUPONT Marie"},               // no month in the key
  };
  for (const auto& c : cases) EXPECT_EQ(Stem(c.keys), c.stem) << c.keys.front();
}

TEST_F(PdfNameTest, NamesAreSafeAndNumberedWhenTaken) {
  EXPECT_EQ(FileNameSafe("a/b\\c:d*e?f\"g<h>i|j\nk"), "a-b-c-d-e-f-g-h-i-j-k");
  EXPECT_EQ(PdfStem({"..  . caché", "", ""}), "caché");
  EXPECT_EQ(PdfStem({std::string(200, 'x'), "200301", "200301"}), std::string(120, 'x'));
  EXPECT_EQ(NumberedPdfName("X 2003-01", 1), "X 2003-01.pdf");
  EXPECT_EQ(NumberedPdfName("X 2003-01", 3), "X 2003-01 (3).pdf");
}

}  // namespace
}  // namespace printing
