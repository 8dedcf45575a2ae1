#pragma once
// Internal to the server store: its own tables and record functions in the database's
// schema (the first of the search path), and the rights of a clerk's role.
//
//   vantelor_meta(name, value)            the schema version
//   vantelor_files(name)                  the files; each is a table "NAME"(key, record)
//   vantelor_dictionary(...)              dictionary items, as in the SQLite file
//   vantelor_dictionary_values(file, item, key, value)
// Keys, records and values are bytea: bytes kept as they are, compared byte by byte.

#include <string>
#include <string_view>
#include <vector>

namespace dba::pg {

class Connection;
struct Statement;

// Advisory locks of the archive in one schema (a database may hold several): every write
// transaction holds kWrite shared, so that a dictionary item is defined (kWrite exclusive)
// between writes; writes that touch a file with dictionary items hold kDictionary, so
// that two of them never index from each other's uncommitted records; making a file
// holds kCatalog.
enum class ArchiveLock { kWrite = 1, kDictionary = 2, kCatalog = 3 };

// The statement that takes `lock` until the end of the transaction. `schema` is
// SchemaOid's answer.
Statement LockStatement(ArchiveLock lock, long long schema, bool shared = false);
// The number of the schema the archive's tables are in (the first of the search path).
long long SchemaOid(Connection& connection);

// False when the database has no store tables yet; kStorageFailure for a schema newer
// than this program's.
bool HasSchema(Connection& connection);
// Makes whatever is missing of the store's tables and functions.
void CreateSchema(Connection& connection, long long schema);
// The statement that makes the table of a file (the name checked before).
std::string CreateFileTableSql(std::string_view file);
// Replaces whatever `role` had on the store's tables by the clerk's rights: read every
// file and dictionary, write TEMPO and the print log.
void GrantClerkRights(Connection& connection, std::string_view role,
                      const std::vector<std::string>& files);

}  // namespace dba::pg
