#include "data/store/sqlite/private_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "data/core/error.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace dba {

bool CreatePrivateFile(const std::string& path) {
#ifdef _WIN32
  const int fd =
      ::_open(path.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
  const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, S_IRUSR | S_IWUSR);
#endif
  if (fd < 0) {
    if (errno == EEXIST) return false;
    throw Error(kStorageFailure, "cannot create " + path + ": " + std::strerror(errno));
  }
#ifdef _WIN32
  ::_close(fd);
#else
  ::close(fd);
#endif
  return true;
}

}  // namespace dba
