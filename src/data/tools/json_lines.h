#pragma once
// Records as JSON Lines, the exchange format of vantelor-db import and export and of
// test fixtures. One record a line:
//   {"file": "CIVILAIDANT", "key": "00012", "attributes": [["Mme"], ["DUPONT"], ["Marie"]]}
// Attribute i is the i-th array; a value is a string, or an array of subvalue strings.
// Blank lines are skipped, and so is a UTF-8 byte-order mark before the first line. Text
// that is not UTF-8 is kept byte for byte both ways; a key holding a NUL byte or a line
// break is refused.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace dba {

class AdminDatabase;

struct JsonRecord {
  std::string file;
  std::string key;
  std::string text;  // the record as a dynamic-array text
  int line = 0;      // its line in the text it was read from
};

// One line. Throws Error(kBadArgument) saying what is wrong; an empty key, a missing
// member, an unknown member and a mark byte (0xFC-0xFE) inside a string are faults.
JsonRecord ParseJsonLine(std::string_view line);
// Every non-blank line of `text`, converted from ISO-8859-1 first when `latin1` (a text
// that begins with a UTF-8 byte-order mark is then refused). A fault names its line:
// "line 3: expected ',' ... at column 40".
std::vector<JsonRecord> ParseJsonLines(std::string_view text, bool latin1 = false);

std::string ToJsonLine(std::string_view file, std::string_view key, std::string_view text);

// Writes every record of `text` into `database`, all or nothing, in one transaction: a bad
// line or a file the database does not hold (kFileNotFound) rejects the whole import,
// naming the line, and nothing is written. Returns the number of records written.
std::size_t ImportJsonLines(AdminDatabase& database, std::string_view text, bool latin1 = false);
// Imports a file the same way, read and written as it goes, so that memory stays flat
// whatever the file's size. kBadArgument when it cannot be opened; a read error on the
// way (kStorageFailure) rejects the whole import too.
std::size_t ImportJsonLinesFile(AdminDatabase& database, const std::string& path,
                                bool latin1 = false);
// Every record of `files` (every file of the database when empty), one line each, in
// file then key order. kFileNotFound for a file the database does not hold.
void ExportJsonLines(AdminDatabase& database, const std::vector<std::string>& files,
                     std::ostream& out);

}  // namespace dba
