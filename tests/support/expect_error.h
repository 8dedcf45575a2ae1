#pragma once
// EXPECT_DBA_ERROR(code, statement): `statement` throws dba::Error with that code.
// On failure the message shows the statement and the code it gave (0 = nothing thrown).

#include <gtest/gtest.h>

#include <cstdint>

#include "data/core/error.h"

namespace testsupport {

template <typename Error, typename Statement>
std::uint32_t CodeThrown(Statement&& statement) {
  try {
    statement();
  } catch (const Error& e) {
    return e.code();
  }
  return 0;
}

}  // namespace testsupport

#define EXPECT_DBA_ERROR(code, statement)                                                     \
  EXPECT_EQ(::testsupport::CodeThrown<::dba::Error>([&] { statement; }), std::uint32_t(code)) \
      << #statement
