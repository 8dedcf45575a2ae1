#include "data/tools/input_file.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

#include "data/core/error.h"

#ifdef _WIN32
#include <io.h>
#define VANTELOR_OPEN(path) ::_open(path, _O_RDONLY | _O_BINARY)
#define VANTELOR_READ(fd, buffer, size) ::_read(fd, buffer, static_cast<unsigned>(size))
#define VANTELOR_CLOSE ::_close
#else
#include <unistd.h>
#define VANTELOR_OPEN(path) ::open(path, O_RDONLY | O_CLOEXEC)
#define VANTELOR_READ(fd, buffer, size) ::read(fd, buffer, size)
#define VANTELOR_CLOSE ::close
#endif

namespace dba {

InputFile::InputFile(const std::string& path) : path_(path) {
  fd_ = VANTELOR_OPEN(path.c_str());
  if (fd_ < 0) throw Error(kBadArgument, "cannot read " + path + ": " + std::strerror(errno));
}

InputFile::~InputFile() {
  if (fd_ >= 0) VANTELOR_CLOSE(fd_);
}

std::size_t InputFile::Read(char* buffer, std::size_t size) {
  while (true) {
    const auto got = VANTELOR_READ(fd_, buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR)
      throw Error(kStorageFailure, "cannot read " + path_ + ": " + std::strerror(errno));
  }
}

}  // namespace dba
