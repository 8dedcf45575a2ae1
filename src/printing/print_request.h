#pragma once
// The TEMPO print request. While a print runs, the record of TEMPO whose key is
// "ARCHIVEBULL" followed by the user name in capitals (dba::TempoKey) holds the keys being
// printed (attribute 1, one value per payslip). It is written before the print call and
// must be gone after it, whatever happened in between.
//
// PrintRequest is the whole protocol, as Imprimer on the selection screen and
// vantelor-print follow it; the viewer's Edition runs the same steps one by one with
// errors ignored, over TempoGuard.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/core/database.h"
#include "data/core/dynamic_array.h"
#include "printing/ostrel.h"

namespace printing {

// Removes the TEMPO record `key` when it goes out of scope, unless Remove() already has.
// A guard over no file (a TEMPO file that was never opened) has nothing to remove.
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

 private:
  std::shared_ptr<dba::File> tempo_;
  std::string key_;
  bool removed_ = false;
};

// One print request of ARCHIVEBULL `keys`, in print order, for `user` (the name in
// capitals, as the print control and the print log get it).
class PrintRequest {
 public:
  // Writes a new TEMPO record (no read first) listing the keys; from then on it is
  // removed on every path. `holder` is the shared record variable used while building
  // it, emptied once the record is written. Throws the database's dba::Error.
  PrintRequest(std::shared_ptr<dba::File> tempo, std::string user,
               const std::vector<std::string>& keys, dba::Record& holder);

  // Hands `database` and `client` to the print control, then calls EditionBulletins with
  // the keys. Throws what the control or the print log throw.
  void Print(OstrelControl& control, std::shared_ptr<dba::Database> database,
             std::shared_ptr<dba::Client> client, bool interactive, std::int16_t& status,
             bool preprinted);
  // Removes the request record (see TempoGuard::Remove).
  void Finish() { guard_.Remove(); }

 private:
  std::string user_;
  dba::DynArray keys_;
  TempoGuard guard_;
};

}  // namespace printing
