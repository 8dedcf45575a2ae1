#include "printing/print_request.h"

#include "data/archive/request_records.h"

namespace printing {
namespace {

// Writes the new TEMPO record of `user`, whose attribute 1 holds the keys, one a value;
// returns its key. A failed write throws before any guard exists, so nothing is left to
// remove.
std::string WriteTempo(dba::File& tempo, const std::string& user,
                       const std::vector<std::string>& keys, dba::Record& holder) {
  struct Release {
    dba::Record& record;
    ~Release() { record = dba::Record(); }
  } release{holder};
  holder = tempo.NewRecord(dba::TempoKey(user));
  std::string values;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) values += dba::kValueMark;
    values += keys[i];
  }
  holder.Set(1, values);
  holder.DBWrite();
  return holder.Key();
}

}  // namespace

TempoGuard::~TempoGuard() {
  if (removed_) return;
  try {
    Remove();
  } catch (...) {
    // Reached only on an error path (the normal path calls Remove): the error already on
    // its way is the one to report, not this one.
  }
}

void TempoGuard::Remove() {
  removed_ = true;
  if (!tempo_) return;  // no TEMPO file was open: nothing was written
  // Deleting is the only way to know: a look first would leave a moment for another
  // screen of the same user to remove it in between.
  try {
    tempo_->DeleteRecord(key_);
  } catch (const dba::Error& e) {
    if (!e.IsRecordNotFound()) throw;
  }
}

PrintRequest::PrintRequest(std::shared_ptr<dba::File> tempo, std::string user,
                           const std::vector<std::string>& keys, dba::Record& holder)
    : user_(std::move(user)),
      keys_(KeyList(keys)),
      guard_(tempo, WriteTempo(*tempo, user_, keys, holder)) {}

void PrintRequest::Print(OstrelControl& control, std::shared_ptr<dba::Database> database,
                         std::shared_ptr<dba::Client> client, bool interactive,
                         std::int16_t& status, bool preprinted) {
  control.SetDatabase(std::move(database));
  control.SetClient(std::move(client));
  control.EditionBulletins(keys_, interactive, user_, status, preprinted);
}

}  // namespace printing
