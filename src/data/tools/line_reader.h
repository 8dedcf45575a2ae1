#pragma once
// The lines of a file read in blocks: memory holds one block and one line, whatever the
// size of the file. A line is the text up to a '\n' (not included); the last one may end
// without it. A read error of the file is an error, never an early end (input_file.h).

#include <cstddef>
#include <string>
#include <string_view>

namespace dba {

class InputFile;

class LineReader {
 public:
  // Lines longer than `longest` bytes are refused.
  LineReader(InputFile& input, std::size_t longest) : input_(input), longest_(longest) {}

  // The next line, valid until the next call; false at the end of the file. Throws
  // Error(kBadArgument) "line N: longer than ..." for a line longer than `longest`, and
  // the file's read errors.
  bool Next(std::string_view& line);

 private:
  void Fill();
  [[noreturn]] void TooLong() const;

  InputFile& input_;
  std::size_t longest_;
  std::string buffer_;
  std::size_t start_ = 0;     // where the next line begins in buffer_
  std::size_t searched_ = 0;  // bytes after start_ already known to hold no '\n'
  bool end_ = false;
  int number_ = 0;
};

}  // namespace dba
