#pragma once
// Internal to the server store: reading ahead after a sentence. A screen that ran a
// sentence usually reads next, one by one, the records it selected (the payslip search
// reads each index record found), or the records its dictionary items read (the name
// search reads the civil record of each person found). The first such read fetches the
// next ones of the list with it, in one round trip; the following reads are served from
// that batch. The screens see single reads; the server sees one read per 100 records.
// Records read one by one are kept too, for a screen that reads the same few again and
// again (the listing reads the other party of every payslip line).
//
// A record kept only serves reads that come soon after it was fetched (one second) and
// before anything changes through this database (a write, a transaction, another
// sentence): it answers as the server did a moment earlier, never across a change of
// this workstation's own.

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/core/dictionary.h"

namespace dba::pg {

class Connection;

class ReadAhead {
 public:
  static constexpr std::size_t kBatch = 100;
  static constexpr std::chrono::milliseconds kLifetime{1000};
  static constexpr std::size_t kMostKept = 4096;

  // The sentence on `file` selected `keys`; `items` are the dictionary items it named.
  void SentenceRan(const std::string& file, const std::vector<std::string>& keys,
                   const std::vector<DictionaryItem>& items);
  // The caller is about to read `keys` of `file` one by one (File::Prefetch): they are
  // fetched as a sentence's would be. What was kept stays; an earlier list of `file` goes.
  void Expect(const std::string& file, const std::vector<std::string>& keys);
  // The record `key` of `file` when it was kept or the last sentence foresaw the read:
  // its text, or an empty text with `found` false. Nothing when the caller must read it.
  struct Answer {
    bool found = false;
    std::string text;
  };
  std::optional<Answer> Read(Connection& connection, const std::string& file,
                             const std::string& key);
  // Keeps what the caller read itself (text nullopt: no such record).
  void Keep(const std::string& file, const std::string& key, std::optional<std::string> text);
  void Forget();

 private:
  using Clock = std::chrono::steady_clock;
  struct Stream {
    std::string file;
    std::vector<std::string> keys;  // in the order the sentence gave them, once each
    std::map<std::string, std::size_t, std::less<>> position;
  };
  struct Fetched {
    std::optional<std::string> text;
    Clock::time_point when;
  };
  void AddStream(const std::string& file, const std::vector<std::string>& keys);
  void Fetch(Connection& connection, const Stream& stream, std::size_t from);

  std::vector<Stream> streams_;
  std::map<std::pair<std::string, std::string>, Fetched> fetched_;
};

}  // namespace dba::pg
