#pragma once
// Files of personal data (printed payslips) written so that nobody else reads them and
// nothing is lost or half-written:
//
// - a folder made for them is readable by its owner only (0700); a folder that exists is
//   left as it is (never widened, and a folder an office shares on purpose stays shared);
// - the file is written unnamed (or under a hidden temporary name) with owner-only
//   permissions (0600) and gets its name only once complete, so a failure, a cancel or a
//   crash leaves no partial file under the name;
// - the name is taken only if nobody has it: an existing file, a symbolic link (even a
//   dangling one), a FIFO or a device at that name is never written through or replaced,
//   unless the caller asks to replace a regular file (ReplaceRegularFile).
//
// The system calls behind this live in private_file_posix.cpp. Failures throw
// std::system_error naming the path.

#include <filesystem>
#include <string>

namespace printing::pdf {

// Creates `folder` and its missing parents, each readable by its owner only. A folder
// that exists is kept with its permissions. Throws std::system_error when it cannot be
// made, or when `folder` exists and is not a folder.
void MakePrivateFolder(const std::filesystem::path& folder);

class PrivateFile {
 public:
  // Opens a new file in `folder` (which must exist), with owner-only permissions and no
  // name others can see or take yet.
  explicit PrivateFile(const std::filesystem::path& folder);
  // Discards the file unless it was published.
  ~PrivateFile();
  PrivateFile(const PrivateFile&) = delete;
  PrivateFile& operator=(const PrivateFile&) = delete;

  // The open file's descriptor, for writing.
  int Descriptor() const { return fd_; }
  // Writes the file's data to the disk, then gives it the name `name` in the folder, unless
  // something already has that name: then returns false and the file stays unnamed.
  // Throws on any other failure.
  bool Publish(const std::string& name);
  // Writes the file's data to the disk and puts it in the place of `name`: nothing there,
  // or a regular file, which it replaces at once. Anything else at `name` (a link, a FIFO,
  // a device, a folder) is refused with std::system_error (EEXIST). The target is never
  // followed.
  void ReplaceRegularFile(const std::string& name);

 private:
  void Sync();
  std::filesystem::path folder_;
  int dir_ = -1;
  int fd_ = -1;
  std::string temporary_;  // the hidden name when the system has no unnamed files
  bool published_ = false;
};

}  // namespace printing::pdf
