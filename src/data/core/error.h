#pragma once
// The data layer's one error channel: every failing call throws dba::Error with a code
// and a message that names what failed. A missing record has its own code, tested by
// callers that tolerate it (never by catching everything).

#include <cstdint>
#include <stdexcept>
#include <string>

namespace dba {

inline constexpr std::uint32_t kRecordNotFound = 0x8004000B;
inline constexpr std::uint32_t kFileNotFound = 0x80040010;
inline constexpr std::uint32_t kBadSentence = 0x80040020;
inline constexpr std::uint32_t kBadArgument = 0x80040030;
inline constexpr std::uint32_t kBadNumber = 0x80040040;
inline constexpr std::uint32_t kStorageFailure = 0x80040050;
// A database server went away during the session; the next call connects again.
inline constexpr std::uint32_t kConnectionLost = 0x80040060;
// Another connection held the archive's lock for longer than this connection waits (a few
// seconds on the screens); nothing was done. The message begins with kArchiveBusyText.
inline constexpr std::uint32_t kArchiveBusy = 0x80040070;

// What the clerk is told when the archive is busy (kArchiveBusy).
inline constexpr const char* kArchiveBusyText =
    "L'archive est occupée par une autre opération, réessayez.";

class Error : public std::runtime_error {
 public:
  Error(std::uint32_t code, const std::string& message)
      : std::runtime_error(message), code_(code) {}
  std::uint32_t code() const noexcept { return code_; }
  bool IsRecordNotFound() const noexcept { return code_ == kRecordNotFound; }

 private:
  std::uint32_t code_;
};

}  // namespace dba
