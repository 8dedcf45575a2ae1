#pragma once
// The outside objects a host hands to the control: a database client, an open database
// and the current user's rights. They are shared references; the control keeps its own
// from the moment they are set until it is destroyed.
//
// The types behind them are internal: a host only gets them from the factories below
// and passes them on. Every factory throws std::runtime_error whose what() names what
// failed ("cannot open database /x.db: ...").

#include <memory>
#include <string>

namespace dba {
class Client;
class Database;
}  // namespace dba
namespace rights {
class UserRights;
}  // namespace rights

namespace vantelor {

using ClientRef = std::shared_ptr<dba::Client>;
using DatabaseRef = std::shared_ptr<dba::Database>;
using RightsRef = std::shared_ptr<rights::UserRights>;

// A database client of both stores: the SQLite file and the PostgreSQL server.
ClientRef NewClient();
// Opens the existing database `name` through `client`: a postgresql:// (or postgres://)
// URI opens the archive on a PostgreSQL server, with the credentials libpq finds (the URI,
// PGPASSWORD, ~/.pgpass, a service file); anything else is the path of a SQLite file. A
// missing or unreadable database, a server that cannot be reached, a file or database
// that is no archive of this program's (another program's file, an empty one, a newer
// archive) throws, and such a file is left as it is; the message names the database
// without its password. A file this user may only read opens read only (writes, such as
// a print request, are then refused saying so). A call that meets another connection's
// lock waits 3 s at most, then throws "L'archive est occupée par une autre opération,
// réessayez." and does nothing.
DatabaseRef OpenDatabase(const ClientRef& client, const std::string& name);
// The rights of `userName` (any case) as the database's DROITS file gives them: the
// user sees the persons whose access codes the record USER*PALIMOR lists ("*" = all),
// and nobody without such a record.
RightsRef RightsForUser(const DatabaseRef& database, const std::string& userName);
// Whether DROITS gives `userName` any access code for this component (the record
// USER*PALIMOR with at least one value): a user without one would see nobody, and a host
// may refuse to start for them. Throws when DROITS cannot be read.
bool HasRights(const DatabaseRef& database, const std::string& userName);
// The login name of the user running the process, whole.
std::string LoginName();
// The user whose rights apply when `requested` is asked for (a host's or a tool's --user):
// the login name when `requested` is empty or is the login (in any case); another user only
// when the login's own rights allow every access code ("*"), as an office manager's do.
// Otherwise throws std::runtime_error, saying so in French.
std::string UserForRights(const DatabaseRef& database, const std::string& requested);

}  // namespace vantelor
