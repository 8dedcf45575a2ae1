#pragma once
// Internal to the server store: the parameters and the result of one statement. Texts and
// bytes travel in binary form, exactly as they are (records and keys that are not UTF-8
// included); numbers as text. Results come in binary form too.

#include <libpq-fe.h>

#include <string>
#include <string_view>
#include <vector>

namespace dba::pg {

class Params {
 public:
  Params& Bytes(std::string_view bytes);
  Params& Number(long long number);
  // A bytea[] (one dimension): the statement names its parameter as $n::bytea[].
  Params& ByteArray(const std::vector<std::string>& items);

  int Count() const { return static_cast<int>(values_.size()); }
  std::vector<const char*> Values() const;
  const int* Lengths() const { return lengths_.data(); }
  const int* Formats() const { return formats_.data(); }

 private:
  std::vector<std::string> values_;
  std::vector<int> lengths_;
  std::vector<int> formats_;
};

// Owns a PGresult; moves only.
class Result {
 public:
  Result() = default;
  explicit Result(PGresult* result) : result_(result) {}
  ~Result() { PQclear(result_); }
  Result(Result&& other) noexcept : result_(other.result_) { other.result_ = nullptr; }
  Result& operator=(Result&& other) noexcept;
  Result(const Result&) = delete;
  Result& operator=(const Result&) = delete;

  int Rows() const { return result_ ? PQntuples(result_) : 0; }
  bool IsNull(int row, int column) const { return PQgetisnull(result_, row, column) == 1; }
  // A bytea or text column, as stored; valid while the Result lives.
  std::string_view Bytes(int row, int column) const;
  std::string Text(int row, int column) const { return std::string(Bytes(row, column)); }
  // A smallint, integer or bigint column; a boolean column reads 0 or 1.
  long long Number(int row, int column) const;
  // Rows an INSERT, UPDATE or DELETE changed.
  long long Changed() const;
  PGresult* Raw() const { return result_; }

 private:
  PGresult* result_ = nullptr;
};

}  // namespace dba::pg
