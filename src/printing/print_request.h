#pragma once
// The TEMPO print request. While a print runs, the record of TEMPO whose key is
// "ARCHIVEBULL" followed by the user name in capitals holds the keys being printed
// (attribute 1, one value per payslip). It is written before the print call and must be
// gone after it, whatever happened in between: TempoGuard removes it on every path.
// The key is dba::TempoKey (data/request_records.h).

#include <memory>
#include <string>
#include <string_view>

#include "data/database.h"
#include "data/dynamic_array.h"

namespace printing {

// Writes a new record `key` (no read first) whose attribute 1 holds, as value i,
// attribute i of `list`. `holder` is the shared record variable used while building it;
// it is emptied once the record is written. Throws the database's dba::Error.
void WriteTempo(dba::File& tempo, const std::string& key, const dba::DynArray& list,
                dba::Record& holder);

// Removes the TEMPO record `key` when it goes out of scope, unless Remove() already has.
class TempoGuard {
 public:
  TempoGuard(std::shared_ptr<dba::File> tempo, std::string key)
      : tempo_(std::move(tempo)), key_(std::move(key)) {}
  // On an error path: removes the record and swallows what that removal throws, so that
  // the error already on its way is the one the caller sees.
  ~TempoGuard();
  TempoGuard(const TempoGuard&) = delete;
  TempoGuard& operator=(const TempoGuard&) = delete;

  // Removes the record now. A record already gone (another screen of the same user
  // removed it) is no error; any other failure throws.
  void Remove();
  const std::string& Key() const { return key_; }

 private:
  std::shared_ptr<dba::File> tempo_;
  std::string key_;
  bool removed_ = false;
};

}  // namespace printing
