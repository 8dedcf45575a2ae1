// vantelor-db: the database tool. vantelor-db [--db NAME] COMMAND [ARGS...]; see kProgram.
#include "commands.h"
#include "data/tools/demo/demo_archive.h"

namespace {

using cli::Option;

const cli::Program kProgram{
    "vantelor-db",
    "The archive's database tool: make an archive, load and look at its records, check it.\n"
    "NAME is a SQLite file or a postgresql:// URI; without --db, $VANTELOR_DB or the demo\n"
    "database (~/.local/share/vantelor/demo.db, under $XDG_DATA_HOME when set).",
    {cli::DatabaseOption()},
    {
        {"init",
         "",
         0,
         0,
         "make every archive file (keeps existing records)",
         {},
         vantelordb::Init},
        {"seed-demo",
         "",
         0,
         0,
         "fill it with the demo archive",
         {{"scale", "N",
           "N caregivers (1 to " + std::to_string(dba::demo::kMaxScale) +
               ", for benchmarks); 0, the default, is the demo archive"},
          {"seed", "S", "the random seed (default 1)"}},
         vantelordb::SeedDemo},
        {"import",
         "FILE.jsonl|-",
         1,
         1,
         "load JSON Lines records (- = stdin), all or nothing",
         {{"latin1", "", "the file is ISO-8859-1 text, converted to UTF-8"}},
         vantelordb::Import},
        {"export",
         "[FILE ...]",
         0,
         -1,
         "JSON Lines to stdout (every file by default)",
         {},
         vantelordb::Export},
        {"select",
         "SENTENCE",
         1,
         1,
         "run a query sentence; one key a line (a key holding a control character, or "
         "beginning with a double quote, is written as a JSON string)",
         {{"json", "", "the keys as one JSON array"}},
         vantelordb::Select},
        {"read", "FILE KEY", 2, 2, "one record as a JSON line", {}, vantelordb::Read},
        {"files", "", 0, 0, "the files and their record counts", {}, vantelordb::Files},
        {"check",
         "",
         0,
         0,
         "what a hand-made archive gets wrong: payslips no index lists, index entries naming no "
         "payslip, persons without a civil record, payslips without \"#6\", missing contracts "
         "and associations (exit 1 with the count when there is any)",
         {},
         vantelordb::Check},
        {"reindex",
         "",
         0,
         0,
         "rebuild dictionary indexes after outside edits",
         {},
         vantelordb::Reindex},
        {"copy",
         "",
         0,
         0,
         "copy the whole archive into NAME, in one transaction",
         {{"to", "NAME", "the target database (required)"},
          {"replace", "", "empty a target that holds records first"}},
         vantelordb::Copy},
        {"grant-clerk",
         "ROLE",
         1,
         1,
         "server only: ROLE reads everything, writes TEMPO and the print log only",
         {},
         vantelordb::GrantClerk},
        {"log",
         "",
         0,
         0,
         "the print log: who printed what, where, with what outcome (oldest first)",
         {{"from", "YYYY-MM-DD", "requests made on that day or later"},
          {"user", "NAME", "requests made with NAME's rights or by the login NAME"}},
         vantelordb::Log},
    },
    ""};

}  // namespace

int main(int argc, char** argv) { return cli::Run(kProgram, argc, argv); }
