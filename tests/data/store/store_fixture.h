#pragma once
// The stores the data-layer contract runs on. A typed test body runs once on each:
//
//   TYPED_TEST(StoreTest, NewRecordWritesBackWithDBWrite) {
//     auto db = this->NewArchive();   // every archive file, on this store
//     ...
//   }
//
// SqliteStore gives files in a temporary folder; PostgresStore gives schemas of the test
// cluster's database "vantelor" (test_cluster.sh), each new one empty, dropped after the
// test. Both give names that vantelor-db, OpenDatabase and a second process can open.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/archive/archive_files.h"
#include "data/store/open_database.h"
#include "data/store/postgres/connection.h"
#include "data/store/sqlite/sqlite_handle.h"
#include "data/tools/new_archive.h"

namespace storetest {

// The socket folder of the test cluster: $VANTELOR_TEST_CLUSTER, or the cluster the CTest
// fixture started for this build.
inline std::string ClusterSocket() {
  if (const char* socket = std::getenv("VANTELOR_TEST_CLUSTER"); socket && *socket) return socket;
  std::ifstream state(std::string(VANTELOR_TEST_BUILD_DIR) + "/vantelor-test-cluster");
  std::string dir;
  if (!std::getline(state, dir) || dir.empty())
    throw std::runtime_error("no test cluster: run the tests through ctest, which starts one");
  return dir + "/socket";
}

// The cluster's database as `user`, its tables in `schema` when one is given.
inline std::string ServerName(const std::string& schema = "",
                              const std::string& user = "postgres") {
  std::string name = "postgresql://" + user + "@/vantelor?host=" + ClusterSocket();
  if (!schema.empty()) name += "&options=-csearch_path%3D" + schema;
  return name;
}

// Runs SQL on the cluster as its superuser.
inline void ServerSql(const std::string& sql) { dba::pg::Connection(ServerName()).Execute(sql); }

// Makes the login role `role` (with `options`) unless it exists.
inline void CreateRole(const std::string& role, const std::string& options = "LOGIN") {
  ServerSql("DO $$ BEGIN CREATE ROLE " + role + " " + options +
            "; EXCEPTION WHEN duplicate_object THEN NULL; END $$");
}

inline std::string UniqueName(const std::string& prefix) {
  static int counter = 0;
  return prefix + std::to_string(::getpid()) + "_" + std::to_string(++counter);
}

struct SqliteStore {
  SqliteStore() : dir(std::filesystem::temp_directory_path() / UniqueName("vantelor-store-")) {
    std::filesystem::create_directories(dir);
  }
  ~SqliteStore() { std::filesystem::remove_all(dir); }
  std::string NewDatabaseName() { return (dir / (UniqueName("db") + ".db")).string(); }
  // Replaces `from` by `to` in a record, as an editor working behind the store would.
  static void EditBehindTheStore(const std::string& name, const std::string& file,
                                 const std::string& key, const std::string& from,
                                 const std::string& to) {
    dba::sqlite::Connection(name).Execute("UPDATE " + file + " SET record = replace(record, '" +
                                          from + "', '" + to + "') WHERE key = '" + key + "'");
  }
  // Marks the archive as made by schema `version`, as another version of the program would.
  static void StampVersion(const std::string& name, int version) {
    dba::sqlite::Connection(name).Execute("PRAGMA user_version = " + std::to_string(version));
  }
  std::filesystem::path dir;
};

struct PostgresStore {
  ~PostgresStore() {
    for (const std::string& schema : schemas) ServerSql("DROP SCHEMA " + schema + " CASCADE");
  }
  std::string NewDatabaseName() {
    schemas.push_back(UniqueName("test_"));
    ServerSql("CREATE SCHEMA " + schemas.back());
    return ServerName(schemas.back());
  }
  static void EditBehindTheStore(const std::string& name, const std::string& file,
                                 const std::string& key, const std::string& from,
                                 const std::string& to) {
    dba::pg::Connection(name).Execute(
        "UPDATE \"" + file + "\" SET record = decode(replace(encode(record, 'escape'), '" + from +
        "', '" + to + "'), 'escape') WHERE key = '" + key + "'::bytea");
  }
  static void StampVersion(const std::string& name, int version) {
    dba::pg::Connection(name).Execute("UPDATE vantelor_meta SET value = '" +
                                      std::to_string(version) + "' WHERE name = 'schema'");
  }
  std::vector<std::string> schemas;
};

template <typename Store>
class StoreTest : public ::testing::Test {
 protected:
  // A new database holding every archive file and the name dictionaries.
  std::shared_ptr<dba::AdminDatabase> NewArchive() {
    name_ = store_.NewDatabaseName();
    auto db = dba::OpenNamedDatabase(name_, dba::OpenMode::kCreate);
    dba::CreateArchiveFiles(*db);
    return db;
  }
  // The name of the last archive made.
  const std::string& Name() const { return name_; }
  void EditBehindTheStore(const std::string& file, const std::string& key, const std::string& from,
                          const std::string& to) {
    Store::EditBehindTheStore(name_, file, key, from, to);
  }

  Store store_;
  std::string name_;
};

using Stores = ::testing::Types<SqliteStore, PostgresStore>;

}  // namespace storetest
