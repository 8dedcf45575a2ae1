#include "data/archivebull_record.h"

#include <gtest/gtest.h>

#include "data/record_text.h"
#include "support/archive_fixture.h"

namespace {

using dba::ArchiveBullView;
using dba::DynArray;

DynArray Example(const char* key) {
  return testsupport::ExampleArchive()->OpenFile("ARCHIVEBULL")->ReadRecord(key);
}

// A record whose attributes 1-18 are "h<n>" and whose body follows.
DynArray WithBody(std::initializer_list<std::string_view> body) {
  std::vector<std::vector<std::string>> attributes;
  for (int a = 1; a <= 18; ++a) attributes.push_back({"h" + std::to_string(a)});
  for (std::string_view line : body) attributes.push_back({std::string(line)});
  return DynArray(dba::RecordTextOf(attributes));
}

// Footer amounts and currencies are checked through the formatted footer.
TEST(ArchiveBullViewTest, HeaderBodyAndFooterFieldsOfTheMandataireExample) {
  const DynArray r = Example("0001200120030300101");
  const ArchiveBullView v(r);
  EXPECT_EQ(v.HeaderLine1(), "BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003");
  EXPECT_EQ(v.EmployerSiret(), "SIRET : non concerné");
  EXPECT_EQ(v.EmployerAddressComplement(), "Bâtiment B");
  EXPECT_EQ(v.EmployerNumber(), "N° employeur : E00101");
  EXPECT_EQ(v.CaregiverName(), "Mme DUPONT Marie");
  EXPECT_EQ(v.Qualification(), "Qualification : Assistante de vie");
  EXPECT_EQ(v.CaregiverTown(), "94200 IVRY-SUR-SEINE");
  EXPECT_EQ(v.EntryDate(), "Entrée le : 01/02/1999");
  EXPECT_TRUE(v.Line(21).blank);  // "%"
  const dba::BodyLine first = v.Line(19);
  EXPECT_EQ(first.label + " " + first.base + " " + first.employeeRate + " " + first.gain,
            "Salaire de base 8667 8750 75836");
  EXPECT_EQ(v.Line(23).deduction, "-626");
  const auto footer = v.ReadFooter();
  ASSERT_TRUE(footer);
  EXPECT_EQ(footer->grossMonth + " " + footer->hoursMonth, "83420 8667");
  EXPECT_EQ(footer->leaveText, "CP au 31/03/2003");
}

TEST(ArchiveBullViewTest, EndMarkerSearch) {
  struct Case {
    DynArray record;
    bool found;
    int marker;
    int lastLine;
  };
  const Case cases[] = {
      {WithBody({"line", "#6", "a"}), true, 20, 19},
      {WithBody({"#6", "line", "#6"}), true, 21, 20},   // attribute 19 is always a body line
      {WithBody({"line", "#6 ", "#6"}), true, 21, 20},  // the whole text must be "#6"
      {WithBody({"line", "x", "y"}), false, 0, 21},     // missing: body runs to the end
      {WithBody({"#6"}), false, 0, 19},
      {WithBody({}), false, 0, 18},
      {DynArray(), false, 0, 0},
  };
  for (const Case& c : cases) {
    const dba::BodyEnd end = ArchiveBullView(c.record).FindBodyEnd();
    EXPECT_EQ(end.found, c.found) << c.record.Text();
    EXPECT_EQ(end.marker, c.marker) << c.record.Text();
    EXPECT_EQ(end.lastLine, c.lastLine) << c.record.Text();
  }
  const DynArray noMarker = WithBody({"line"});
  EXPECT_FALSE(ArchiveBullView(noMarker).ReadFooter());
}

}  // namespace
