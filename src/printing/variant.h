#pragma once
// The argument type of late-bound calls into a print control: a small tagged value that
// holds what the print protocol passes (a flag, a 16-bit integer, a text, the database
// objects) either by value or, for the key list and the print status flag, by reference
// to the caller's own variable, which the control may change.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "data/core/database.h"
#include "data/core/dynamic_array.h"

namespace printing {

class Variant {
 public:
  using Value =
      std::variant<std::monostate, bool, std::int16_t, std::string, std::shared_ptr<dba::Database>,
                   std::shared_ptr<dba::Client>, dba::DynArray*, std::int16_t*>;

  Variant() = default;
  Variant(bool b) : value_(b) {}  // NOLINT: implicit, as automation arguments are
  Variant(std::int16_t n) : value_(n) {}
  Variant(std::string s) : value_(std::move(s)) {}
  Variant(const char* s) : value_(std::string(s)) {}
  Variant(std::shared_ptr<dba::Database> db) : value_(std::move(db)) {}
  Variant(std::shared_ptr<dba::Client> client) : value_(std::move(client)) {}

  // By-reference arguments: the callee sees and may change the caller's variable, which
  // must outlive the call.
  static Variant ByRef(dba::DynArray& array) { return Variant(Value(&array)); }
  static Variant ByRef(std::int16_t& flag) { return Variant(Value(&flag)); }

  // The value as the given kind; throws vantelor::DispatchError(kTypeMismatch) naming
  // `what` when the argument holds another kind.
  bool AsBool(const char* what) const;
  const std::string& AsText(const char* what) const;
  std::shared_ptr<dba::Database> AsDatabase(const char* what) const;
  std::shared_ptr<dba::Client> AsClient(const char* what) const;
  dba::DynArray& AsArrayRef(const char* what) const;
  std::int16_t& AsFlagRef(const char* what) const;

  const Value& value() const { return value_; }

 private:
  explicit Variant(Value v) : value_(std::move(v)) {}
  Value value_;
};

}  // namespace printing
