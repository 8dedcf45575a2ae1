// Lines read from a file in blocks: what crosses a block, the last line without its end, a
// line too long.
#include "data/tools/line_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/core/error.h"
#include "data/tools/input_file.h"

namespace {

// The lines of a file holding `text`, read with lines of at most `longest` bytes.
std::vector<std::string> LinesOf(const std::string& text, std::size_t longest = 1 << 20) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("vantelor-lines-" + std::to_string(::getpid()) + ".txt");
  std::ofstream(path, std::ios::binary) << text;
  dba::InputFile input(path.string());
  dba::LineReader reader(input, longest);
  std::vector<std::string> lines;
  std::string_view line;
  try {
    while (reader.Next(line)) lines.emplace_back(line);
  } catch (const dba::Error& e) {
    lines.push_back(std::string("error: ") + e.what());
  }
  std::filesystem::remove(path);
  return lines;
}

TEST(LineReaderTest, LinesAcrossBlocksAndAtTheEnd) {
  const std::string wide(100000, 'w');  // wider than a block
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a\nb", {"a", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"x\n" + wide + "\ny\n", {"x", wide, "y"}},
  };
  for (const auto& c : cases) EXPECT_EQ(LinesOf(c.text), c.lines) << c.text.substr(0, 10);
  EXPECT_EQ(LinesOf("ok\n" + wide + "\n", 1000).back(), "error: line 2: longer than 1000 bytes");
  EXPECT_EQ(LinesOf("ok\n" + wide, 1000).back(), "error: line 2: longer than 1000 bytes");
}

}  // namespace
