#pragma once
// Whether an archived payslip record can be shown by the viewer, checked before the
// window opens so that a damaged record is reported instead of half shown.

#include <string>

#include "data/core/dynamic_array.h"

namespace vantelor {

// "" when `record` can be laid out; otherwise the French message that tells the user why
// not (no body end marker, a text where an amount is read, a body too long to count).
// The message names the record by its key.
std::string Verifier_Bulletin(const dba::DynArray& record);

// The message for a listed payslip whose record is no longer in the archive.
std::string Message_BulletinAbsent(const std::string& key);

}  // namespace vantelor
