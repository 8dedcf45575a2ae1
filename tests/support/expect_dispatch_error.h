#pragma once
// EXPECT_DISPATCH_ERROR(code, statement): `statement` throws vantelor::DispatchError with
// that code (see expect_error.h).

#include "support/expect_error.h"
#include "vantelor/dispatch_error.h"

#define EXPECT_DISPATCH_ERROR(expected, statement)                                      \
  EXPECT_EQ(::testsupport::ErrorOf<::vantelor::DispatchError>([&] { statement; }).code, \
            std::uint32_t(expected))                                                    \
      << #statement
