#pragma once
// The demo database that vantelor-host opens when no other is given.

#include <string>

namespace host {

// Creates the demo archive at `path` when no file is there (its folder too): built in a
// file beside it and renamed into place once complete, so that a failure never leaves a
// half-made database behind. A server database (postgresql://...) is left alone: its
// archive is made with vantelor-db. Throws std::runtime_error naming what failed.
void EnsureDemoDatabase(const std::string& path);

}  // namespace host
