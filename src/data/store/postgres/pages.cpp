#include "data/store/postgres/pages.h"

#include "data/store/common/sentence_sql.h"
#include "data/store/postgres/connection.h"

namespace dba::pg {

void ForEachPage(Connection& connection, std::string_view file, bool withRecords,
                 const std::function<void(const std::vector<Row>&)>& visit) {
  const std::string select = std::string("SELECT key") + (withRecords ? ", record" : "") +
                             " FROM " + QuotedIdentifier(file);
  const std::string limit = " ORDER BY key LIMIT " + std::to_string(kPageRows);
  std::string after;
  for (bool first = true;; first = false) {
    const Result page =
        first ? connection.Run(select + limit, {}, true)
              : connection.Run(select + " WHERE key > $1" + limit, Params().Bytes(after), true);
    std::vector<Row> rows(static_cast<std::size_t>(page.Rows()));
    for (int i = 0; i < page.Rows(); ++i) {
      rows[i].key = page.Text(i, 0);
      if (withRecords) rows[i].record = page.Text(i, 1);
    }
    if (rows.empty()) return;
    after = rows.back().key;
    visit(rows);
    if (rows.size() < static_cast<std::size_t>(kPageRows)) return;
  }
}

std::vector<Row> ReadMany(Connection& connection, std::string_view file,
                          const std::vector<std::string>& keys) {
  const Result found = connection.Run(
      "SELECT key, record FROM " + QuotedIdentifier(file) + " WHERE key = ANY($1::bytea[])",
      Params().ByteArray(keys), true);
  std::vector<Row> rows(static_cast<std::size_t>(found.Rows()));
  for (int i = 0; i < found.Rows(); ++i) rows[i] = {found.Text(i, 0), found.Text(i, 1)};
  return rows;
}

}  // namespace dba::pg
