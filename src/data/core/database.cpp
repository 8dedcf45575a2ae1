#include "data/core/database.h"

namespace dba {

void Record::DBWrite() const {
  if (!file_) throw Error(kBadArgument, "cannot write record " + Key() + ": it belongs to no file");
  file_->WriteRecord(Key(), Text());
}

std::optional<Record> File::Find(std::string_view key) {
  try {
    return ReadRecord(key);
  } catch (const Error& e) {
    if (!e.IsRecordNotFound()) throw;
    return std::nullopt;
  }
}

void File::Prefetch(const std::vector<std::string>&) {}

std::string QueryCommand(std::string_view sentence, std::string_view file) {
  DynArray command;
  command.Set(1, sentence);
  command.Set(2, file);
  command.Set(3, "0");
  return command.Text();
}

}  // namespace dba
