// Preloaded into a program (LD_PRELOAD) to make its reads of one file fail as a failing disk
// does: once VANTELOR_FAIL_READ_AFTER bytes of the file named VANTELOR_FAIL_READ_PATH have
// been read, every further read() of it fails with EIO.
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using ReadCall = ssize_t (*)(int, void*, size_t);

bool IsTheFile(int fd) {
  const char* wanted = std::getenv("VANTELOR_FAIL_READ_PATH");
  if (!wanted) return false;
  char target[PATH_MAX];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t size = readlink(link.c_str(), target, sizeof target - 1);
  if (size < 0) return false;
  target[size] = '\0';
  char resolved[PATH_MAX];
  return realpath(wanted, resolved) && std::strcmp(resolved, target) == 0;
}

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t size) {
  static const auto next = reinterpret_cast<ReadCall>(dlsym(RTLD_NEXT, "read"));
  static long long given = 0;
  if (!IsTheFile(fd)) return next(fd, buffer, size);
  const char* after = std::getenv("VANTELOR_FAIL_READ_AFTER");
  const long long limit = after ? std::atoll(after) : 0;
  if (given >= limit) {
    errno = EIO;
    return -1;
  }
  const ssize_t got = next(fd, buffer, std::min<size_t>(size, static_cast<size_t>(limit - given)));
  if (got > 0) given += got;
  return got;
}
