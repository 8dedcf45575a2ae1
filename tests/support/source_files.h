#pragma once
// Files of the source tree that tests read: the tree itself, and tests/support's data.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace testsupport {

inline std::string SourceDir() {
  const char* dir = std::getenv("VANTELOR_SOURCE_DIR");
  return dir ? dir : VANTELOR_TEST_SOURCE_DIR;
}

// The text of tests/support/`name`: examples.jsonl, archive_faults.jsonl (one of each fault
// `vantelor-db check` finds, over the examples).
inline std::string SupportFile(const std::string& name) {
  const std::string path = SourceDir() + "/tests/support/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace testsupport
