#pragma once
// vantelor-print and vantelor-db log driven as a user would, on a test archive holding the
// example payslips: CLERK sees sector S01 (the example caregiver), OTHER another sector
// only, and the login running the tests what LoginMaySee gives it.
#include <sstream>

#include "apps/tool_run.h"
#include "data/archive/archive_files.h"
#include "data/store/open_database.h"
#include "data/tools/json_lines.h"
#include "state/procedure.h"
#include "support/archive_fixture.h"
#include "support/fake_database.h"
#include "support/pdf_reader.h"
#include "text/text.h"

namespace apps_test {

namespace fs = std::filesystem;

inline constexpr const char* kMarch2003 = "0001200120030300101";
inline constexpr const char* kApril2019 = "00012002201904A01";

class VantelorPrintTest : public apps_test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    testsupport::NewExampleDatabase(Path("t.db"), R"(
{"file": "DROITS", "key": "CLERK*PALIMOR", "attributes": [["S01"]]}
{"file": "DROITS", "key": "OTHER*PALIMOR", "attributes": [["S09"]]})");
  }
  // The rights of the login running the tests: `codes`, one a value.
  void LoginMaySee(const std::string& codes) const {
    auto db = dba::OpenNamedDatabase(Path("t.db"), dba::OpenMode::kExisting);
    dba::ImportJsonLines(*db, R"({"file": "DROITS", "key": ")" + login_ +
                                  R"(*PALIMOR", "attributes": [[")" + codes + R"("]]})");
  }
  // Runs vantelor-print on the test database, the PDF going to out.pdf.
  Outcome Print(const std::string& arguments) const {
    fs::remove(Path("out.pdf"));
    return Run("VANTELOR_PRINTER= ", "vantelor-print",
               "--db " + Path("t.db") + " --out " + Path("out.pdf") + " " + arguments);
  }
  // vantelor-db log's lines without its heading, each cut to the columns before the keys.
  std::vector<std::string> Log(const std::string& arguments = "") const {
    const Outcome o = Run("", "vantelor-db", "--db " + Path("t.db") + " log " + arguments);
    EXPECT_EQ(o.status, 0) << o.err;
    std::vector<std::string> lines;
    std::istringstream in(o.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "time\tuser\tlogin\toutcome\tdestination\tpayslips");
    while (std::getline(in, line)) lines.push_back(line.substr(line.find('\t') + 1));
    return lines;
  }
  int Count(std::string_view file) const {
    return testsupport::Count(*dba::OpenNamedDatabase(Path("t.db"), dba::OpenMode::kExisting),
                              file);
  }
  const std::string login_ = text::Upper(vantelor::Lire_NomUtilisateur());
};

}  // namespace apps_test
