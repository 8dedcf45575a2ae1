// The POSIX side of private files (private_file.h): owner-only modes, unnamed temporary
// files (O_TMPFILE) given a name by linkat, which never replaces what has the name and
// never follows a link there.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#include "printing/pdf/private_file.h"

namespace printing::pdf {
namespace {

[[noreturn]] void Fail(int error, const std::filesystem::path& path) {
  throw std::system_error(error, std::generic_category(), path.string());
}

std::string HiddenName() {
  static std::mt19937_64 random{std::random_device{}()};
  char name[40];
  std::snprintf(name, sizeof name, ".vantelor-%016llx.part",
                static_cast<unsigned long long>(random()));
  return name;
}

}  // namespace

void MakePrivateFolder(const std::filesystem::path& folder) {
  std::filesystem::path made;
  for (const std::filesystem::path& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) == 0 || errno == EEXIST) continue;
    Fail(errno, made);
  }
  struct stat st;
  if (::stat(folder.c_str(), &st) != 0) Fail(errno, folder);
  if (!S_ISDIR(st.st_mode)) Fail(ENOTDIR, folder);
}

PrivateFile::PrivateFile(const std::filesystem::path& folder) : folder_(folder) {
  dir_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir_ < 0) Fail(errno, folder);
#ifdef O_TMPFILE
  fd_ = ::openat(dir_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd_ >= 0) return;
#endif
  // A file system without unnamed files: a hidden name of our own, created exclusively.
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temporary_ = HiddenName();
    fd_ = ::openat(dir_, temporary_.c_str(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC,
                   0600);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int error = errno;
    ::close(dir_);
    Fail(error, folder / temporary_);
  }
}

PrivateFile::~PrivateFile() {
  if (!published_ && !temporary_.empty()) ::unlinkat(dir_, temporary_.c_str(), 0);
  if (fd_ >= 0) ::close(fd_);
  if (dir_ >= 0) ::close(dir_);
}

void PrivateFile::Sync() {
  if (::fsync(fd_) != 0) Fail(errno, folder_);
}

bool PrivateFile::Publish(const std::string& name) {
  Sync();
  int linked;
  if (temporary_.empty()) {
    // An unnamed file gets its name through its /proc entry (linkat with AT_EMPTY_PATH
    // needs a privilege a clerk has not).
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    linked = ::linkat(AT_FDCWD, self.c_str(), dir_, name.c_str(), AT_SYMLINK_FOLLOW);
  } else {
    linked = ::linkat(dir_, temporary_.c_str(), dir_, name.c_str(), 0);
  }
  if (linked != 0) {
    if (errno == EEXIST) return false;
    Fail(errno, folder_ / name);
  }
  if (!temporary_.empty()) ::unlinkat(dir_, temporary_.c_str(), 0);
  published_ = true;
  return true;
}

void PrivateFile::ReplaceRegularFile(const std::string& name) {
  struct stat st;
  if (::fstatat(dir_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode))
    Fail(EEXIST, folder_ / name);
  if (temporary_.empty()) {
    // rename needs a name to move from: give the unnamed file a hidden one first.
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string hidden = HiddenName();
      if (Publish(hidden)) {
        temporary_ = hidden;
        published_ = false;
        break;
      }
    }
    if (temporary_.empty()) Fail(EEXIST, folder_);
  } else {
    Sync();
  }
  // rename replaces the name itself: a link swapped in meanwhile is replaced, not followed.
  if (::renameat(dir_, temporary_.c_str(), dir_, name.c_str()) != 0) Fail(errno, folder_ / name);
  temporary_.clear();
  published_ = true;
}

}  // namespace printing::pdf
