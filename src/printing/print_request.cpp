#include "printing/print_request.h"

namespace printing {

void WriteTempo(dba::File& tempo, const std::string& key, const dba::DynArray& list,
                dba::Record& holder) {
  struct Release {
    dba::Record& record;
    ~Release() { record = dba::Record(); }
  } release{holder};
  holder = tempo.NewRecord(key);
  const int count = list.DCount();
  for (int i = 1; i <= count; ++i) holder.Set(1, i, list(i));
  holder.DBWrite();
}

TempoGuard::~TempoGuard() {
  if (removed_) return;
  try {
    Remove();
  } catch (...) {
    // A destructor runs while another error is on its way (or at the end of a scope that
    // already failed to remove): that error is the one to report.
  }
}

void TempoGuard::Remove() {
  removed_ = true;
  try {
    tempo_->DeleteRecord(key_);
  } catch (const dba::Error& e) {
    if (!e.IsRecordNotFound()) throw;
  }
}

}  // namespace printing
