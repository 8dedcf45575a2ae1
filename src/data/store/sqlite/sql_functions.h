#pragma once
// Internal to the store: SQL functions that read attributes inside a record, used by
// query sentences that select or sort on an attribute number. They exist only on our
// own connections; the stored data never depends on them.
//   mv_attribute(record, n)           attribute n of the record ("" past the end)
//   mv_matches(record, n, value, p)   1 when a value of attribute n equals `value`, or
//                                     begins with it when p is 1

#include <sqlite3.h>

namespace dba {

void RegisterSqlFunctions(sqlite3* db);

}  // namespace dba
