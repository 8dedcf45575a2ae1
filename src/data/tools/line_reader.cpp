#include "data/tools/line_reader.h"

#include "data/core/error.h"
#include "data/tools/input_file.h"

namespace dba {

namespace {

constexpr std::size_t kBlock = 1 << 16;

}  // namespace

bool LineReader::Next(std::string_view& line) {
  while (true) {
    const std::string_view rest = std::string_view(buffer_).substr(start_);
    const std::size_t end = rest.find('\n', searched_);
    if (end == std::string_view::npos && !end_) {
      searched_ = rest.size();
      if (searched_ > longest_) TooLong();
      try {
        Fill();
      } catch (const Error& e) {
        if (number_ == 0) throw;
        throw Error(e.code(),
                    std::string(e.what()) + " (after line " + std::to_string(number_) + ")");
      }
      continue;
    }
    if (rest.empty()) return false;
    line = rest.substr(0, end);
    if (line.size() > longest_) TooLong();
    start_ += end == std::string_view::npos ? rest.size() : end + 1;
    searched_ = 0;
    ++number_;
    return true;
  }
}

void LineReader::TooLong() const {
  throw Error(kBadArgument, "line " + std::to_string(number_ + 1) + ": longer than " +
                                std::to_string(longest_) + " bytes");
}

// Drops the lines already given and appends the next block of the file.
void LineReader::Fill() {
  buffer_.erase(0, start_);
  start_ = 0;
  const std::size_t kept = buffer_.size();
  buffer_.resize(kept + kBlock);
  const std::size_t got = input_.Read(buffer_.data() + kept, kBlock);
  buffer_.resize(kept + got);
  end_ = got == 0;
}

}  // namespace dba
