// vantelor-print --out under hostile targets: an existing file is kept unless --force, and
// --force replaces only a regular file; a link (dangling or not), a FIFO, a device and the
// database itself are never written through; the PDF is readable by its owner only; a
// print killed half-way leaves nothing behind.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "apps/print_tool.h"

namespace {

using apps_test::kMarch2003;
using apps_test::Outcome;
namespace fs = std::filesystem;

class PrintOutTest : public apps_test::VantelorPrintTest {
 protected:
  void SetUp() override {
    VantelorPrintTest::SetUp();
    LoginMaySee("S01");
  }
  Outcome PrintTo(const std::string& out, const std::string& more = "") const {
    return Run("VANTELOR_PRINTER= ", "vantelor-print",
               "--db " + Path("t.db") + " --out '" + out + "' " + more + " " + kMarch2003);
  }
};

TEST_F(PrintOutTest, NothingButANewFileOrAForcedRegularFileIsWritten) {
  std::ofstream(Path("victim")) << "keep";
  std::ofstream(Path("old.pdf")) << "old";
  fs::create_symlink(Path("victim"), Path("link.pdf"));
  fs::create_symlink(Path("absent"), Path("dangling.pdf"));
  ASSERT_EQ(::mkfifo(Path("fifo.pdf").c_str(), 0600), 0);
  const struct {
    std::string out, more, message;
  } refused[] = {
      {Path("old.pdf"), "", "existe déjà : il n'a pas été remplacé"},
      {Path("link.pdf"), "", "existe déjà"},
      {Path("link.pdf"), "--force", "n'est pas un fichier ordinaire"},
      {Path("dangling.pdf"), "--force", "n'est pas un fichier ordinaire"},
      {Path("fifo.pdf"), "--force", "n'est pas un fichier ordinaire"},
      {"/dev/null", "--force", "n'est pas un fichier ordinaire"},
      {Path("t.db"), "--force", "is the database or one of its files"},
      {Path("t.db") + "-wal", "--force", "is the database or one of its files"},
  };
  for (const auto& c : refused) {
    const Outcome o = PrintTo(c.out, c.more);
    EXPECT_EQ(o.status, 1) << c.out << " " << c.more << ": " << o.out;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << c.out << ": " << o.err;
  }
  EXPECT_EQ(Slurp("victim"), "keep");
  EXPECT_EQ(Slurp("old.pdf"), "old");
  EXPECT_FALSE(fs::exists(Path("absent")));
  EXPECT_TRUE(fs::is_symlink(Path("link.pdf")) && fs::is_fifo(Path("fifo.pdf")));
  EXPECT_EQ(Count("ARCHIVEBULL"), 2) << "the archive is whole";

  ASSERT_EQ(PrintTo(Path("old.pdf"), "--force").status, 0);
  EXPECT_EQ(testsupport::PdfPages(Path("old.pdf")), 1);
  ASSERT_EQ(PrintTo(Path("new.pdf")).status, 0);
  for (const char* pdf : {"old.pdf", "new.pdf"}) EXPECT_EQ(Mode(Path(pdf)), 0600u) << pdf;
}

// Killed in the middle of a long request: no PDF under the name, no temporary file either.
TEST_F(PrintOutTest, APrintKilledHalfWayLeavesNoFile) {
  std::string keys;
  for (int i = 0; i < 3000; ++i) keys += std::string(" ") + kMarch2003;
  const std::string command = std::string(VANTELOR_TEST_BUILD_DIR) + "/apps/vantelor-print --db " +
                              Path("t.db") + " --out " + Path("long.pdf") + keys;
  const pid_t child = ::fork();
  if (child == 0) {
    ::execl("/bin/sh", "sh", "-c", ("exec " + command + " >/dev/null 2>&1").c_str(), nullptr);
    ::_exit(127);
  }
  // Killed once it holds the PDF being written open (an unnamed file of the folder).
  bool writing = false;
  for (int i = 0; i < 400 && !writing; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::error_code ec;
    for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(child) + "/fd", ec)) {
      const std::string target = fs::read_symlink(fd.path(), ec).string();
      writing = writing ||
                (target.starts_with(dir_.string()) && target.find("t.db") == std::string::npos &&
                 target.find("std") == std::string::npos);
    }
  }
  ::kill(child, SIGKILL);
  EXPECT_TRUE(writing) << "killed before it wrote the PDF";
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the print ended before it was killed: make it longer";
  for (const auto& entry : fs::directory_iterator(dir_)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name.starts_with("t.db") || name == "stdout" || name == "stderr") << name;
  }
}

}  // namespace
