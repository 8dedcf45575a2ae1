#pragma once
// The commands of vantelor-db, one function each (the table in main.cpp gives their
// operands and options). Each writes its output to `out`, returns the exit status and
// throws on failure: dba::Error for a data fault, cli::UsageError for a wrong command line.

#include <iosfwd>
#include <string>

#include "command_line/command_line.h"

namespace vantelordb {

using cli::Arguments;

// The database of the command line: --db, else the default database.
std::string Database(const Arguments& args);

int Init(const Arguments& args, std::ostream& out);
int SeedDemo(const Arguments& args, std::ostream& out);
int Import(const Arguments& args, std::ostream& out);
int Export(const Arguments& args, std::ostream& out);
int Select(const Arguments& args, std::ostream& out);
int Read(const Arguments& args, std::ostream& out);
int Files(const Arguments& args, std::ostream& out);
int Reindex(const Arguments& args, std::ostream& out);
int GrantClerk(const Arguments& args, std::ostream& out);
int Copy(const Arguments& args, std::ostream& out);
int Check(const Arguments& args, std::ostream& out);
int Log(const Arguments& args, std::ostream& out);

}  // namespace vantelordb
