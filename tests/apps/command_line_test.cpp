// The command line of every program, as a user types it: --help and --version, each form
// of an option, standard input, and the exit status and message of a wrong line or a fault.
#include <regex>

#include "apps/tool_run.h"
#include "data/sqlite_store.h"
#include "support/archive_fixture.h"

namespace {

using apps_test::Outcome;

// Without a display: --help and --version must not need one.
constexpr const char* kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";

class CommandLineTest : public apps_test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    auto db = dba::OpenSqliteDatabase(Path("t.db"));
    dba::CreateArchiveFiles(*db);
    dba::ImportJsonLines(*db, testsupport::ExampleRecords());
    std::ofstream(Path("rights.jsonl"))
        << R"({"file": "DROITS", "key": "CLERK*PALIMOR", "attributes": [["S01"]]})" << '\n';
  }
  // `line` with $DIR and $DB replaced.
  std::string Expand(std::string line) const {
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"$DB", Path("t.db")}, {"$DIR", dir_.string()}})
      for (std::size_t at; (at = line.find(from)) != std::string::npos;)
        line.replace(at, from.size(), to);
    return line;
  }
};

struct Case {
  std::string tool;  // prefixed by environment settings when needed
  std::string arguments;
  int status;
  std::string pattern;  // searched in stdout when status is 0, else in stderr
};

TEST_F(CommandLineTest, EveryProgramFollowsTheSameConventions) {
  const std::string print = "VANTELOR_PRINTER= vantelor-print";
  const Case cases[] = {
      {"vantelor-db", "--help", 0, "^usage: vantelor-db \\[--db NAME\\] COMMAND"},
      {"vantelor-db", "-h", 0, "^usage: vantelor-db"},
      {"vantelor-db", "--version", 0, "^vantelor-db \\d+\\.\\d+\\.\\d+\n$"},
      {"vantelor-db", "", 2, "no command given"},
      {"vantelor-db", "frobnicate", 2, "unknown command frobnicate"},
      {"vantelor-db", "files --bogus", 2, "unknown option --bogus"},
      {"vantelor-db", "files --db", 2, "Missing value after '--db'"},
      {"vantelor-db", "read CIVILAIDANT", 2, "missing operand: vantelor-db read FILE KEY"},
      {"vantelor-db", "read A B C", 2, "unexpected operand C"},
      {"vantelor-db", "--db $DB seed-demo --scale 99999999999", 2, "out of range 0\\.\\.20000"},
      {"vantelor-db", "--db $DB seed-demo --scale many", 2, "not a whole number"},
      {"vantelor-db", "--db $DB copy", 2, "copy needs --to NAME"},
      {"vantelor-db", "files --db=$DB", 0, "CIVILAIDANT +1 records"},
      {"vantelor-db", "--db $DB files", 0, "CIVILAIDANT +1 records"},
      {"vantelor-db", "files --db $DB", 0, "CIVILAIDANT +1 records"},
      {"VANTELOR_DB=$DB vantelor-db", "files", 0, "CIVILAIDANT +1 records"},
      {"vantelor-db", "--db $DB read -- CIVILAIDANT 00012", 0, "DUPONT"},
      {"vantelor-db", "--db $DIR/none.db files", 1, "none\\.db"},
      {"vantelor-db", "--db $DB import $DIR", 1, "cannot import .*: it is a folder"},
      {"vantelor-db", "--db $DB import - <$DIR/rights.jsonl", 0,
       "^1 records imported from the standard input"},
      {"vantelor-db", "--db $DB check", 0, "2 payslips, 3 index records: no fault found"},
      {print, "--help", 0, "^usage: vantelor-print \\[OPTIONS\\] \\[KEY \\.\\.\\.\\]"},
      {print, "--version", 0, "^vantelor-print \\d+\\.\\d+\\.\\d+\n$"},
      {print, "--out $DIR/x.pdf --bogus 1", 2, "unknown option --bogus"},
      {print, "--db $DB 1", 2, "--out FILE.pdf is required"},
      {print, "--db $DB --out $DIR/x.pdf --caregiver 12 --from 200301 --to 201913", 2,
       "--to 201913: expected YYYYMM"},
      {"VANTELOR_DB=$DB " + print, "--user CLERK --out=$DIR/x.pdf 0001200120030300101", 0,
       "^1 payslip\\(s\\), 1 page\\(s\\)"},
      {print, "--db $DIR/none.db --out $DIR/x.pdf 0001200120030300101", 1, "none\\.db"},
      {kNoDisplay + std::string("vantelor-host"), "--help", 0,
       "^usage: vantelor-host \\[OPTIONS\\]"},
      {kNoDisplay + std::string("vantelor-host"), "--version", 0,
       "^vantelor-host \\d+\\.\\d+\\.\\d+\n$"},
      {kNoDisplay + std::string("vantelor-host"), "--bogus", 2, "unknown option --bogus"},
      {"vantelor-host", "--check-screen", 2, "--check-screen needs --script"},
      {"vantelor-host", "--db $DB --script $DIR", 1, "cannot read the script .*: it is a folder"},
      {kNoDisplay + std::string("vantelor-gallery"), "--help", 0, "^usage: vantelor-gallery"},
      {"vantelor-gallery", "--shot", 2, "Missing value after '--shot'"},
  };
  for (const Case& c : cases) {
    const std::size_t split = c.tool.rfind(' ');
    const std::string prefix = split == std::string::npos ? "" : c.tool.substr(0, split + 1);
    const std::string tool = c.tool.substr(split == std::string::npos ? 0 : split + 1);
    const Outcome o = Run(Expand(prefix), tool, Expand(c.arguments));
    const std::string line = c.tool + " " + c.arguments;
    EXPECT_EQ(o.status, c.status) << line << "\n" << o.err;
    if (c.status == 0) {
      EXPECT_TRUE(std::regex_search(o.out, std::regex(c.pattern))) << line << ":\n" << o.out;
      continue;
    }
    // The message is on a line of its own that names the program (Qt may warn before it).
    const std::regex message("(^|\n)" + tool + ": [^\n]*" + c.pattern);
    EXPECT_TRUE(std::regex_search(o.err, message)) << line << ":\n" << o.err;
    EXPECT_EQ(o.out, "") << line;
  }
}

TEST_F(CommandLineTest, EveryCommandHasItsHelp) {
  for (const char* command : {"init", "seed-demo", "import", "export", "select", "read", "files",
                              "check", "reindex", "copy", "grant-clerk"}) {
    const Outcome o = Run("", "vantelor-db", std::string(command) + " --help");
    EXPECT_EQ(o.status, 0) << command;
    EXPECT_EQ(o.out.rfind("usage: vantelor-db [--db NAME] " + std::string(command), 0), 0u)
        << o.out;
    EXPECT_NE(Run("", "vantelor-db", "--help").out.find("\n  " + std::string(command)),
              std::string::npos)
        << command << " is listed";
  }
}

// One key a line, whatever the key holds; --json gives an array.
TEST_F(CommandLineTest, SelectWritesOneKeyALine) {
  {
    auto db = dba::OpenSqliteDatabase(Path("t.db"), dba::OpenMode::kExisting);
    db->Write("TEMPO", "two\nlines", "x");
    db->Write("TEMPO", "\"quoted", "x");
    db->Write("TEMPO", "tab\there", "x");
    db->Write("TEMPO", "plain \\ key", "x");
  }
  const std::string select = "--db " + Path("t.db") + " select 'SSELECT TEMPO'";
  EXPECT_EQ(Run("", "vantelor-db", select).out,
            "\"\\\"quoted\"\nplain \\ key\n\"tab\\there\"\n\"two\\nlines\"\n");
  EXPECT_EQ(Run("", "vantelor-db", select + " --json").out,
            "[\"\\\"quoted\",\n \"plain \\\\ key\",\n \"tab\\there\",\n \"two\\nlines\"]\n");
}

}  // namespace
