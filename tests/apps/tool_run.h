#pragma once
// Our command-line tools driven as a user would: through their command line, their output
// and their exit status, in a fresh temporary folder per test.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace apps_test {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("vantelor-tool-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const char* name) const { return (dir_ / name).string(); }
  std::string Slurp(const char* name) const {
    std::ifstream in(Path(name));
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static std::string ToolPath(const std::string& tool) {
    const char* build = std::getenv("VANTELOR_BUILD_DIR");
    return std::string(build ? build : VANTELOR_TEST_BUILD_DIR) + "/apps/" + tool;
  }
  // Runs `prefix` apps/<tool> `arguments` (already quoted for the shell).
  Outcome Run(const std::string& prefix, const std::string& tool,
              const std::string& arguments) const {
    return RunCommand(prefix + ToolPath(tool) + " " + arguments);
  }
  // The permission bits of `p` itself (not of what a link names); 0 when it does not exist.
  static unsigned Mode(const std::filesystem::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
  }
  Outcome RunCommand(const std::string& command) const {
    const int status =
        std::system((command + " >" + Path("stdout") + " 2>" + Path("stderr")).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp("stdout"), Slurp("stderr")};
  }

  std::filesystem::path dir_;
};

}  // namespace apps_test
