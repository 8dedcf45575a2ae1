#pragma once
// EXPECT_DBA_ERROR(code, statement): `statement` throws dba::Error with that code.
// On failure the message shows the statement and the code it gave (0 = nothing thrown).
// ErrorOf(statement) gives the code and message thrown, for a test that reads the message.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "data/core/error.h"

namespace testsupport {

struct Thrown {
  std::uint32_t code = 0;  // 0: nothing thrown
  std::string message;
};

template <typename Error = dba::Error, typename Statement>
Thrown ErrorOf(Statement&& statement) {
  try {
    statement();
  } catch (const Error& e) {
    return {e.code(), e.what()};
  }
  return {};
}

}  // namespace testsupport

#define EXPECT_DBA_ERROR(expected, statement)                              \
  EXPECT_EQ(::testsupport::ErrorOf<::dba::Error>([&] { statement; }).code, \
            std::uint32_t(expected))                                       \
      << #statement
