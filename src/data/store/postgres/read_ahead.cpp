#include "data/store/postgres/read_ahead.h"

#include <set>

#include "data/store/postgres/pages.h"

namespace dba::pg {

void ReadAhead::AddStream(const std::string& file, const std::vector<std::string>& keys) {
  Stream stream{file, {}, {}};
  for (const std::string& key : keys)
    if (!key.empty() && stream.position.emplace(key, stream.keys.size()).second)
      stream.keys.push_back(key);
  if (!stream.keys.empty()) streams_.push_back(std::move(stream));
}

void ReadAhead::SentenceRan(const std::string& file, const std::vector<std::string>& keys,
                            const std::vector<DictionaryItem>& items) {
  Forget();
  AddStream(file, keys);
  std::set<std::string> sources;
  for (const DictionaryItem& item : items) {
    if (item.sourceFile.empty() || !sources.insert(item.sourceFile + "\n" + item.name).second)
      continue;
    std::vector<std::string> sourceKeys;
    for (const std::string& key : keys) sourceKeys.push_back(item.SourceKey(key));
    AddStream(item.sourceFile, sourceKeys);
  }
}

void ReadAhead::Expect(const std::string& file, const std::vector<std::string>& keys) {
  std::erase_if(streams_, [&](const Stream& stream) { return stream.file == file; });
  AddStream(file, keys);
}

std::optional<ReadAhead::Answer> ReadAhead::Read(Connection& connection, const std::string& file,
                                                 const std::string& key) {
  const auto now = Clock::now();
  auto hit = fetched_.find({file, key});
  if (hit != fetched_.end() && now - hit->second.when > kLifetime) {
    fetched_.erase(hit);
    hit = fetched_.end();
  }
  if (hit == fetched_.end()) {
    for (const Stream& stream : streams_) {
      if (stream.file != file) continue;
      const auto at = stream.position.find(key);
      if (at == stream.position.end()) continue;
      Fetch(connection, stream, at->second);
      hit = fetched_.find({file, key});
      break;
    }
  }
  if (hit == fetched_.end()) return std::nullopt;
  return Answer{hit->second.text.has_value(), hit->second.text.value_or("")};
}

void ReadAhead::Keep(const std::string& file, const std::string& key,
                     std::optional<std::string> text) {
  if (fetched_.size() >= kMostKept) fetched_.clear();
  fetched_[{file, key}] = {std::move(text), Clock::now()};
}

void ReadAhead::Fetch(Connection& connection, const Stream& stream, std::size_t from) {
  const auto now = Clock::now();
  // A record kept too long is fetched again with the others, not alone when its turn comes.
  const auto fresh = [&](const std::string& key) {
    const auto kept = fetched_.find({stream.file, key});
    return kept != fetched_.end() && now - kept->second.when <= kLifetime;
  };
  std::vector<std::string> keys;
  for (std::size_t i = from; i < stream.keys.size() && keys.size() < kBatch; ++i)
    if (!fresh(stream.keys[i])) keys.push_back(stream.keys[i]);
  if (fetched_.size() + keys.size() > kMostKept) fetched_.clear();
  for (const std::string& key : keys) fetched_[{stream.file, key}] = {std::nullopt, now};
  for (Row& row : ReadMany(connection, stream.file, keys))
    fetched_[{stream.file, row.key}].text = std::move(row.record);
}

void ReadAhead::Forget() {
  streams_.clear();
  fetched_.clear();
}

}  // namespace dba::pg
