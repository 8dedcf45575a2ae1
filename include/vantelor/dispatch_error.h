#pragma once
// The error of a wrong late-bound call, with the automation codes: a member identifier
// that the callee does not have, an argument of the wrong type, too many or too few
// arguments. The control's Invoke and the print controls that the screens reach by
// member identifier throw it alike; errors of the member called go through unchanged.

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantelor {

inline constexpr std::uint32_t kMemberNotFound = 0x80020003;  // no such id for that kind
inline constexpr std::uint32_t kTypeMismatch = 0x80020005;    // an argument of a wrong type
inline constexpr std::uint32_t kBadParamCount = 0x8002000E;   // too many or too few

class DispatchError : public std::runtime_error {
 public:
  DispatchError(std::uint32_t code, const std::string& message)
      : std::runtime_error(message), code_(code) {}
  std::uint32_t code() const noexcept { return code_; }

  // kMemberNotFound: "no member 0x60030099".
  static DispatchError NoMember(std::uint32_t id) {
    return DispatchError(kMemberNotFound, "no member " + Hex(id));
  }
  // kBadParamCount: "Init takes 0 argument(s), not 1".
  static DispatchError WrongCount(std::string_view member, std::size_t least, std::size_t most,
                                  std::size_t given) {
    return DispatchError(kBadParamCount, std::string(member) + " takes " + std::to_string(least) +
                                             (most > least ? " or " + std::to_string(most) : "") +
                                             " argument(s), not " + std::to_string(given));
  }
  // kTypeMismatch: "W_Sortir: argument 1 has the wrong type".
  static DispatchError WrongType(std::string_view member, std::string_view argument) {
    return DispatchError(
        kTypeMismatch, std::string(member) + ": " + std::string(argument) + " has the wrong type");
  }
  // A member identifier as the messages write it: "0x60030003".
  static std::string Hex(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(id));
    return text;
  }

 private:
  std::uint32_t code_;
};

}  // namespace vantelor
