#include "data/store/postgres/schema.h"

#include <charconv>

#include "data/archive/archive_files.h"
#include "data/core/error.h"
#include "data/store/common/sentence_sql.h"
#include "data/store/postgres/connection.h"

namespace dba::pg {

namespace {

constexpr int kSchemaVersion = 1;

// The record functions of query sentences. A record is split in its escaped text form
// (bytes 0x80-0xFF written \nnn, a backslash \134), where the marks 0xFE and 0xFD read
// \376 and \375 and can only be found where the bytes are: every backslash starts a mark
// or another byte of four characters.
//   vantelor_attribute(record, n)            attribute n ("" past the end)
//   vantelor_matches(record, n, value, p)    a value of attribute n equals `value` (p:
//                                            begins with it); an empty attribute has one
//                                            empty value
constexpr const char* kFunctions = R"sql(
CREATE OR REPLACE FUNCTION vantelor_escaped(bytes bytea) RETURNS text
  LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE
  AS $$ SELECT replace(encode(bytes, 'escape'), chr(92) || chr(92), chr(92) || '134') $$;
CREATE OR REPLACE FUNCTION vantelor_attribute(record bytea, n integer) RETURNS bytea
  LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE
  AS $$ SELECT decode(split_part(vantelor_escaped(record), chr(92) || '376', n), 'escape') $$;
CREATE OR REPLACE FUNCTION vantelor_matches(record bytea, n integer, wanted bytea,
                                            prefix boolean) RETURNS boolean
  LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE
  AS $$
    SELECT EXISTS (
      SELECT 1
      FROM unnest(string_to_array(split_part(vantelor_escaped(record), chr(92) || '376', n),
                                  chr(92) || '375')) AS v(value)
      WHERE CASE WHEN prefix THEN starts_with(v.value, vantelor_escaped(wanted))
                 ELSE v.value = vantelor_escaped(wanted) END)
      OR (wanted = ''::bytea
          AND split_part(vantelor_escaped(record), chr(92) || '376', n) = '')
  $$;
)sql";

constexpr const char* kTables = R"sql(
CREATE TABLE IF NOT EXISTS vantelor_meta(name text PRIMARY KEY, value text NOT NULL);
CREATE TABLE IF NOT EXISTS vantelor_files(name text PRIMARY KEY);
CREATE TABLE IF NOT EXISTS vantelor_dictionary(
  file text NOT NULL, item bytea NOT NULL, source_file text NOT NULL DEFAULT '',
  key_start integer NOT NULL DEFAULT 1, key_length integer NOT NULL DEFAULT -1,
  attributes text NOT NULL, separator bytea NOT NULL, upper boolean NOT NULL DEFAULT false,
  PRIMARY KEY(file, item));
CREATE TABLE IF NOT EXISTS vantelor_dictionary_values(
  file text NOT NULL, item bytea NOT NULL, key bytea NOT NULL, value bytea NOT NULL,
  PRIMARY KEY(file, item, key));
CREATE INDEX IF NOT EXISTS vantelor_dictionary_by_value
  ON vantelor_dictionary_values(file, item, value, key);
)sql";

std::string Identifier(Connection& connection, std::string_view name) {
  char* quoted = PQescapeIdentifier(connection.Handle(), name.data(), name.size());
  if (!quoted) throw Error(kBadArgument, "\"" + std::string(name) + "\" is not a valid role name");
  std::string out(quoted);
  PQfreemem(quoted);
  return out;
}

}  // namespace

bool HasSchema(Connection& connection) {
  const Result found = connection.Run("SELECT to_regclass('vantelor_meta') IS NOT NULL", {}, true);
  if (found.Number(0, 0) == 0) return false;
  const Result version =
      connection.Run("SELECT value FROM vantelor_meta WHERE name = 'schema'", {}, true);
  int number = 0;
  if (version.Rows() == 1) {
    const std::string_view text = version.Bytes(0, 0);
    std::from_chars(text.data(), text.data() + text.size(), number);
  }
  if (number > kSchemaVersion)
    throw Error(kStorageFailure, connection.DisplayName() +
                                     " was made by a newer version of Vantelor (schema " +
                                     std::to_string(number) + "; this one reads " +
                                     std::to_string(kSchemaVersion) + "): it is left as it is");
  return true;
}

Statement LockStatement(ArchiveLock lock, long long schema, bool shared) {
  const long long key = (static_cast<long long>(lock) << 32) | (schema & 0xFFFFFFFFLL);
  return {std::string("SELECT pg_advisory_xact_lock") + (shared ? "_shared(" : "(") +
          std::to_string(key) + ")"};
}

long long SchemaOid(Connection& connection) {
  const Result oid = connection.Run(
      "SELECT oid::bigint FROM pg_namespace WHERE nspname = current_schema()", {}, true);
  if (oid.Rows() == 0)
    throw Error(kStorageFailure, "database " + connection.DisplayName() +
                                     ": no schema of the search path exists to hold the archive");
  return oid.Number(0, 0);
}

void CreateSchema(Connection& connection, long long schema) {
  connection.Begin({LockStatement(ArchiveLock::kWrite, schema)});
  try {
    connection.Execute(std::string(kTables) + kFunctions +
                       "INSERT INTO vantelor_meta VALUES('schema', '" +
                       std::to_string(kSchemaVersion) + "') ON CONFLICT DO NOTHING;");
    connection.Commit();
  } catch (...) {
    connection.Rollback();
    throw;
  }
}

std::string CreateFileTableSql(std::string_view file) {
  return "CREATE TABLE IF NOT EXISTS " + QuotedIdentifier(file) +
         "(key bytea PRIMARY KEY, record bytea NOT NULL)";
}

void GrantClerkRights(Connection& connection, std::string_view role,
                      const std::vector<std::string>& files) {
  if (connection.Run("SELECT 1 FROM pg_roles WHERE rolname = $1::text", Params().Bytes(role))
          .Rows() == 0)
    throw Error(kBadArgument, "no role named " + std::string(role) + " on the server of " +
                                  connection.DisplayName());
  const std::string who = Identifier(connection, role);
  const std::string schema =
      Identifier(connection, connection.Run("SELECT current_schema()").Text(0, 0));
  std::string tables =
      "vantelor_meta, vantelor_files, vantelor_dictionary, "
      "vantelor_dictionary_values";
  for (const std::string& file : files) tables += ", " + QuotedIdentifier(file);
  const std::string tempo = QuotedIdentifier(files::kTempo);
  const std::string log = QuotedIdentifier(files::kImpressions);
  connection.Execute("REVOKE ALL ON " + tables + " FROM " + who + "; GRANT USAGE ON SCHEMA " +
                     schema + " TO " + who + "; GRANT SELECT ON " + tables + " TO " + who +
                     "; GRANT INSERT, UPDATE, DELETE ON " + tempo + " TO " + who +
                     "; GRANT INSERT, UPDATE ON " + log + " TO " + who + ";");
}

}  // namespace dba::pg
