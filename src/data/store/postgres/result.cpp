#include "data/store/postgres/result.h"

#include <cstdint>
#include <cstdlib>

namespace dba::pg {

namespace {

constexpr std::uint32_t kByteaOid = 17;

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace

Params& Params::Bytes(std::string_view bytes) {
  values_.emplace_back(bytes);
  lengths_.push_back(static_cast<int>(bytes.size()));
  formats_.push_back(1);
  return *this;
}

Params& Params::Number(long long number) {
  values_.push_back(std::to_string(number));
  lengths_.push_back(0);
  formats_.push_back(0);
  return *this;
}

// The binary form of an array: dimensions, flags, element type, then (size, lower bound)
// per dimension and (length, bytes) per element.
Params& Params::ByteArray(const std::vector<std::string>& items) {
  std::string out;
  AppendBigEndian(out, items.empty() ? 0 : 1);
  AppendBigEndian(out, 0);
  AppendBigEndian(out, kByteaOid);
  if (!items.empty()) {
    AppendBigEndian(out, static_cast<std::uint32_t>(items.size()));
    AppendBigEndian(out, 1);
  }
  for (const std::string& item : items) {
    AppendBigEndian(out, static_cast<std::uint32_t>(item.size()));
    out += item;
  }
  return Bytes(out);
}

std::vector<const char*> Params::Values() const {
  std::vector<const char*> out;
  for (const std::string& value : values_) out.push_back(value.c_str());
  return out;
}

Result& Result::operator=(Result&& other) noexcept {
  if (this != &other) {
    PQclear(result_);
    result_ = other.result_;
    other.result_ = nullptr;
  }
  return *this;
}

std::string_view Result::Bytes(int row, int column) const {
  return {PQgetvalue(result_, row, column),
          static_cast<std::size_t>(PQgetlength(result_, row, column))};
}

long long Result::Number(int row, int column) const {
  const std::string_view bytes = Bytes(row, column);
  std::uint64_t value = 0;
  for (char c : bytes) value = (value << 8) | static_cast<unsigned char>(c);
  // Sign-extend from the width the server sent (2, 4 or 8 bytes; 1 for a boolean).
  const unsigned bits = static_cast<unsigned>(bytes.size()) * 8;
  if (bits > 1 && bits < 64 && bytes.size() > 1 && (value >> (bits - 1)) & 1)
    value |= ~std::uint64_t{0} << bits;
  return static_cast<long long>(value);
}

long long Result::Changed() const {
  const char* tuples = result_ ? PQcmdTuples(result_) : "";
  return *tuples ? std::atoll(tuples) : 0;
}

}  // namespace dba::pg
