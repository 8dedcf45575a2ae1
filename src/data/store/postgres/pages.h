#pragma once
// Internal to the server store: reading a whole file a page at a time, in key order, so
// that a large file is never held whole in memory nor read in one reply. Each page is a
// round trip; the visitor may use the connection between pages.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dba::pg {

class Connection;

struct Row {
  std::string key;
  std::string record;  // empty when only keys were asked for
};

inline constexpr int kPageRows = 1000;

void ForEachPage(Connection& connection, std::string_view file, bool withRecords,
                 const std::function<void(const std::vector<Row>&)>& visit);

// The records of `file` under `keys` (missing ones left out), in one round trip.
std::vector<Row> ReadMany(Connection& connection, std::string_view file,
                          const std::vector<std::string>& keys);

}  // namespace dba::pg
