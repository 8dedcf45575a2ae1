#pragma once
// A file read from start to end in blocks, where every failure of the system's read call
// (a disk that fails, a file that is a folder) is an error instead of an early end: an
// import must never take a read error for the end of its input. The one place that speaks
// to each system's open and read calls.

#include <cstddef>
#include <string>

namespace dba {

class InputFile {
 public:
  // Throws Error(kBadArgument) "cannot read PATH: why" when it cannot be opened.
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Up to `size` bytes into `buffer`; 0 only at the end of the file. A failing read throws
  // Error(kStorageFailure) naming the file and the system's reason.
  std::size_t Read(char* buffer, std::size_t size);

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace dba
