#pragma once
// Procedures that read data which may be missing run "with errors ignored step by step":
// a failing step is skipped and the next one runs. RunStep runs one step, swallows the
// dba::Error it raises (and nothing else) and returns its code, or 0 when the step
// succeeded — the value the screens test against kRecordNotFound.

#include <cstdint>
#include <utility>

#include "data/core/error.h"

namespace dba {

template <typename Step>
std::uint32_t RunStep(Step&& step) {
  try {
    std::forward<Step>(step)();
    return 0;
  } catch (const Error& e) {
    return e.code();
  }
}

}  // namespace dba
