#include "printing/variant.h"

#include "printing/print_control.h"

namespace printing {
namespace {

[[noreturn]] void Mismatch(const char* what) {
  throw vantelor::DispatchError::WrongType("print control", what);
}

template <typename T>
const T& Get(const Variant::Value& value, const char* what) {
  if (const T* held = std::get_if<T>(&value)) return *held;
  Mismatch(what);
}

}  // namespace

bool Variant::AsBool(const char* what) const {
  // A 16-bit integer is the Boolean of automation callers (-1 True, 0 False).
  if (const auto* n = std::get_if<std::int16_t>(&value_)) return *n != 0;
  return Get<bool>(value_, what);
}

const std::string& Variant::AsText(const char* what) const {
  return Get<std::string>(value_, what);
}

std::shared_ptr<dba::Database> Variant::AsDatabase(const char* what) const {
  return Get<std::shared_ptr<dba::Database>>(value_, what);
}

std::shared_ptr<dba::Client> Variant::AsClient(const char* what) const {
  return Get<std::shared_ptr<dba::Client>>(value_, what);
}

dba::DynArray& Variant::AsArrayRef(const char* what) const {
  dba::DynArray* array = Get<dba::DynArray*>(value_, what);
  if (!array) Mismatch(what);
  return *array;
}

std::int16_t& Variant::AsFlagRef(const char* what) const {
  std::int16_t* flag = Get<std::int16_t*>(value_, what);
  if (!flag) Mismatch(what);
  return *flag;
}

}  // namespace printing
