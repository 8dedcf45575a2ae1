#pragma once
// A print control that prints nothing and records every call, for the tests of the
// screens that print. It can be told to fail, and to run a check while a print request
// is in progress (when the TEMPO record must exist).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "printing/print_control.h"

namespace printing {

class RecordingPrintControl final : public PrintControl {
 public:
  struct Edition {
    std::vector<std::string> keys;
    bool interactive = false;
    std::string user;
    std::int16_t statusOnEntry = 0;
    bool preprinted = false;
  };

  void Invoke(DispId id, std::vector<Variant>& args) override;

  std::vector<DispId> calls;  // every member called, in order
  std::shared_ptr<dba::Database> database;
  std::shared_ptr<dba::Client> client;
  std::vector<Edition> editions;
  // When set, EditionBulletins throws it once it has recorded the request (as a
  // ShownPrintFailure with its message when `failureShown`).
  std::optional<dba::Error> failure;
  bool failureShown = false;
  // What LastDestination answers.
  std::string destination;
  std::string LastDestination() const override { return destination; }
  // Runs inside EditionBulletins, after recording and before any failure.
  std::function<void(const Edition&)> during;
  // The status EditionBulletins leaves in the caller's flag.
  std::int16_t statusOnReturn = kStatusPrinted;
};

}  // namespace printing
