#pragma once
// Files that hold personal data are made readable by their owner only. The one place that
// knows how each system says so: a mode of 0600 on POSIX systems (whatever the umask); on
// Windows the folder's access list applies.

#include <string>

namespace dba {

// Creates the empty file `path` for its owner only. False, and nothing done, when a file
// is there already; Error(kStorageFailure) naming the path for any other failure.
bool CreatePrivateFile(const std::string& path);

}  // namespace dba
