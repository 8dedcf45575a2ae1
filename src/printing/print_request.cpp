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
    // Reached only on an error path (the normal path calls Remove): the error already on
    // its way is the one to report, not this one.
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
