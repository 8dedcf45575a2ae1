#pragma once
// EXPECT_DBA_ERROR(code, statement): `statement` throws dba::Error with that code.
// EXPECT_DISPATCH_ERROR(code, statement): the same for vantelor::DispatchError.
// On failure the message shows the statement and the code it gave (0 = nothing thrown).

#include <gtest/gtest.h>

#include <cstdint>

#include "data/error.h"
#include "vantelor/dispatch_error.h"

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

#define EXPECT_DBA_ERROR(code, statement)                                                  \
  EXPECT_EQ(::testsupport::CodeThrown<::dba::Error>([&] { statement; }), std::uint32_t(code)) \
      << #statement
#define EXPECT_DISPATCH_ERROR(code, statement)                                   \
  EXPECT_EQ(::testsupport::CodeThrown<::vantelor::DispatchError>([&] { statement; }), \
            std::uint32_t(code))                                                 \
      << #statement
