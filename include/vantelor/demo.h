#pragma once
// The demo archive: about 40 caregivers and 120 care recipients with their payslips, for
// trying the control without a real archive (vantelor-host opens it by default). Link
// Vantelor::vantelor_demo as well as Vantelor::control to use it.

#include <string>

namespace vantelor {

// Creates the demo archive at `path` when no file is there (its folder too): built in a
// file beside it and renamed into place once complete, so that a failure never leaves a
// half-made database behind. A server database (postgresql://...) is left alone: its
// archive is made with vantelor-db. `user` (the login, as a rule) gets the demo user's
// rights too, so that the demo opens without --user. Throws std::runtime_error naming
// what failed.
void EnsureDemoDatabase(const std::string& path, const std::string& user = "");

}  // namespace vantelor
