#include "data/store/sqlite/sql_functions.h"

#include <algorithm>
#include <string_view>

#include "data/core/dynamic_array.h"
#include "data/store/sqlite/sqlite_handle.h"

namespace dba {

namespace {

std::string_view ValueText(sqlite3_value* value) {
  const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
  const int size = sqlite3_value_bytes(value);
  if (!bytes) return {};
  return {bytes, static_cast<std::size_t>(size)};
}

void Attribute(sqlite3_context* context, int, sqlite3_value** args) {
  const std::string_view attribute =
      Field(ValueText(args[0]), kAttributeMark, sqlite3_value_int(args[1]));
  sqlite3_result_text64(context, attribute.data(), attribute.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void Matches(sqlite3_context* context, int, sqlite3_value** args) {
  const std::string_view attribute =
      Field(ValueText(args[0]), kAttributeMark, sqlite3_value_int(args[1]));
  const std::string_view wanted = ValueText(args[2]);
  const bool prefix = sqlite3_value_int(args[3]) != 0;
  const int count = std::max(CountFields(attribute, kValueMark), 1);
  for (int v = 1; v <= count; ++v) {
    const std::string_view value = Field(attribute, kValueMark, v);
    if (prefix ? value.substr(0, wanted.size()) == wanted : value == wanted) {
      sqlite3_result_int(context, 1);
      return;
    }
  }
  sqlite3_result_int(context, 0);
}

}  // namespace

void RegisterSqlFunctions(sqlite3* db) {
  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  if (sqlite3_create_function_v2(db, "mv_attribute", 2, flags, nullptr, Attribute, nullptr, nullptr,
                                 nullptr) != SQLITE_OK ||
      sqlite3_create_function_v2(db, "mv_matches", 4, flags, nullptr, Matches, nullptr, nullptr,
                                 nullptr) != SQLITE_OK)
    sqlite::Fail(db, "cannot register the record functions");
}

}  // namespace dba
