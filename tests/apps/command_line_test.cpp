// The command line of every program, as a user types it: --help and --version, each form
// of an option, standard input, and the exit status and message of a wrong line or a fault.
#include <regex>

#include "apps/tool_run.h"
#include "data/store/open_database.h"
#include "state/procedure.h"
#include "support/archive_fixture.h"
#include "text/text.h"

namespace {

using apps_test::Outcome;

class CommandLineTest : public apps_test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    // The login may act with CLERK's rights (vantelor-print --user CLERK).
    testsupport::NewExampleDatabase(Path("t.db"), R"({"file": "DROITS", "key": ")" +
                                                      text::Upper(vantelor::Lire_NomUtilisateur()) +
                                                      R"(*PALIMOR", "attributes": [["*"]]})");
    std::ofstream(Path("rights.jsonl"))
        << R"({"file": "DROITS", "key": "CLERK*PALIMOR", "attributes": [["S01"]]})" << '\n';
  }
  // `line` with $BIN, $DIR and $DB replaced.
  std::string Expand(std::string line) const {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"$DB", Path("t.db")},
                                   {"$DIR", dir_.string()},
                                   {"$BIN", ToolPath("")}})
      for (std::size_t at; (at = line.find(from)) != std::string::npos;)
        line.replace(at, from.size(), to);
    return line;
  }
};

// A command line; its exit status; what its stdout holds (status 0) or the line of stderr
// that names the program (any other status, nothing on stdout).
struct Case {
  std::string line;
  int status;
  std::string pattern;
};

TEST_F(CommandLineTest, EveryProgramFollowsTheSameConventions) {
  // --help and --version need no display.
  const std::string host = "env -u DISPLAY -u QT_QPA_PLATFORM $BIN/vantelor-host ";
  const std::string print = "VANTELOR_PRINTER= $BIN/vantelor-print ";
  const std::string db = "$BIN/vantelor-db ";
  const Case cases[] = {
      {db + "--help", 0, "^usage: vantelor-db \\[--db NAME\\] COMMAND"},
      {db + "-h", 0, "^usage: vantelor-db"},
      {db + "--version", 0, "^vantelor-db \\d+\\.\\d+\\.\\d+\n$"},
      {db, 2, "no command given"},
      {db + "frobnicate", 2, "unknown command frobnicate"},
      {db + "files --bogus", 2, "unknown option --bogus"},
      {db + "files --db", 2, "Missing value after '--db'"},
      {db + "read CIVILAIDANT", 2, "missing operand: vantelor-db read FILE KEY"},
      {db + "read A B C", 2, "unexpected operand C"},
      {db + "--db $DB seed-demo --scale 99999999999", 2, "out of range 0\\.\\.20000"},
      {db + "--db $DB seed-demo --scale many", 2, "not a whole number"},
      {db + "--db $DB copy", 2, "copy needs --to NAME"},
      {db + "files --db=$DB", 0, "CIVILAIDANT +1 records"},
      {db + "--db $DB files", 0, "CIVILAIDANT +1 records"},
      {db + "files --db $DB", 0, "CIVILAIDANT +1 records"},
      {"VANTELOR_DB=$DB " + db + "files", 0, "CIVILAIDANT +1 records"},
      {db + "--db $DB read -- CIVILAIDANT 00012", 0, "DUPONT"},
      {db + "--db $DIR/none.db files", 1, "none\\.db"},
      {db + "--db $DB import $DIR", 1, "cannot import .*: it is a folder"},
      {db + "--db $DB import - <$DIR/rights.jsonl", 0, "^1 records imported from the standard"},
      {db + "--db $DB check", 0, "^2 payslips, 3 index records: no fault found"},
      {print + "--help", 0, "^usage: vantelor-print \\[OPTIONS\\] \\[KEY \\.\\.\\.\\]"},
      {print + "--db $DB 1", 2, "--out FILE.pdf is required"},
      {print + "--out $DIR/x.pdf --caregiver 12 --from 200301 --to 201913", 2, "--to 201913"},
      {"VANTELOR_DB=$DB " + print + "--user CLERK --out=$DIR/x.pdf 0001200120030300101", 0,
       "^1 payslip\\(s\\), 1 page\\(s\\)"},
      {print + "--db $DIR/none.db --out $DIR/x.pdf 0001200120030300101", 1, "none\\.db"},
      {host + "--help", 0, "^usage: vantelor-host \\[OPTIONS\\]"},
      {host + "--version", 0, "^vantelor-host \\d+\\.\\d+\\.\\d+\n$"},
      {host + "--check-screen", 2, "--check-screen needs --script"},
      {host + "--db $DB --script $DIR", 1, "cannot read the script .*: it is a folder"},
      {host + "--db $DB", 1, "no display to show the window on"},
      {"$BIN/vantelor-gallery --help", 0, "^usage: vantelor-gallery"},
      {"$BIN/vantelor-gallery --shot", 2, "Missing value after '--shot'"},
  };
  const std::regex program("vantelor-[a-z]+");
  for (const Case& c : cases) {
    const Outcome o = RunCommand(Expand(c.line));
    EXPECT_EQ(o.status, c.status) << c.line << "\n" << o.err;
    std::smatch tool;
    std::regex_search(c.line, tool, program);
    // Qt may warn on stderr before the program's own line.
    const std::regex message("(^|\n)" + tool.str() + ": [^\n]*" + c.pattern);
    EXPECT_TRUE(c.status == 0 ? std::regex_search(o.out, std::regex(c.pattern))
                              : std::regex_search(o.err, message) && o.out.empty())
        << c.line << ":\n"
        << o.out << o.err;
  }
}

TEST_F(CommandLineTest, EveryCommandHasItsHelpAndIsListed) {
  const std::string help = Run("", "vantelor-db", "--help").out;
  for (const std::string command : {"init", "seed-demo", "import", "export", "select", "read",
                                    "files", "check", "reindex", "copy", "grant-clerk"}) {
    const Outcome o = Run("", "vantelor-db", command + " --help");
    EXPECT_EQ(o.out.rfind("usage: vantelor-db [--db NAME] " + command, 0), 0u) << o.out;
    EXPECT_EQ(o.status, 0) << command;
    EXPECT_NE(help.find("\n  " + command), std::string::npos) << command;
  }
}

// One key a line, whatever the key holds; --json gives an array.
TEST_F(CommandLineTest, SelectWritesOneKeyALine) {
  {
    auto db = dba::OpenNamedDatabase(Path("t.db"), dba::OpenMode::kExisting);
    for (const char* key : {"two\nlines", "\"quoted", "tab\there", "plain \\ key"})
      db->Write("TEMPO", key, "x");
  }
  const std::string select = "--db " + Path("t.db") + " select 'SSELECT TEMPO'";
  EXPECT_EQ(Run("", "vantelor-db", select).out,
            "\"\\\"quoted\"\nplain \\ key\n\"tab\\there\"\n\"two\\nlines\"\n");
  EXPECT_EQ(Run("", "vantelor-db", select + " --json").out,
            "[\"\\\"quoted\",\n \"plain \\\\ key\",\n \"tab\\there\",\n \"two\\nlines\"]\n");
}

}  // namespace
