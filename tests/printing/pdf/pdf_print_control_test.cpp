// Our print control: the payslips read back from the PDF it writes, the pages for what
// cannot print, no file left by a request that fails or is cancelled, and the printer.
#include "printing/pdf/pdf_print_control.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "support/expect_error.h"
#include "support/fake_database.h"
#include "support/payslip_record.h"
#include "support/pdf_reader.h"

namespace printing::pdf {
namespace {

namespace fs = std::filesystem;
using testsupport::PdfPages;
using testsupport::PdfText;

const char* const kMarch = "0001200120030300101";
const char* const kApril = "0001200120030400101";
const char* const kMay = "0001200120030500101";

// A progress that cancels when asked about the payslip numbered `cancelAt`.
class CancelAt final : public Progress {
 public:
  explicit CancelAt(int cancelAt) : cancelAt_(cancelAt) {}
  bool Advance(int done) override { return done < cancelAt_; }

 private:
  int cancelAt_;
};

class PdfPrintControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vantelor-print-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    settings_.folder = folder_;
    for (const auto& [key, line] : {std::pair{kMarch, "Salaire de base|8667||||75836|"},
                                    {kApril, "Heures d'intervention|12000||||125400|"},
                                    {kMay, "Salaire de mai|8000||||70000|"}}) {
      Put(key, testsupport::PayslipRecord({line, "%", "<bold>COTISATIONS SOCIALES||||||",
                                           "Vieillesse plafonnée|83420|8200|6840|6550||-5464"}));
    }
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Put(const std::string& key, const dba::DynArray& record) {
    testsupport::Put(*store_, dba::files::kArchiveBull, key, record.Text());
  }
  // Runs EditionBulletins as the screens do; returns the status flag.
  std::int16_t Print(PdfPrintControl& control, std::vector<std::string> keys,
                     bool interactive = true) {
    std::vector<Variant> db = {Variant(std::shared_ptr<dba::Database>(db_))};
    control.Invoke(kDispDatabase, db);
    std::int16_t status = 0;
    dba::DynArray list = KeyList(keys);
    std::vector<Variant> args = {Variant::ByRef(list), Variant(interactive), Variant("ABC"),
                                 Variant::ByRef(status), Variant(false)};
    control.Invoke(kDispEditionBulletins, args);
    return status;
  }
  long FolderFiles() const {
    return fs::exists(folder_) ? std::distance(fs::directory_iterator(folder_), {}) : 0;
  }
  // The message of the print failure `call` raises.
  static std::string ErrorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), kPrintFailed) << e.what();
      return e.what();
    }
    ADD_FAILURE() << "no print failure";
    return "";
  }

  std::shared_ptr<dba::Database> store_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FakeDatabase> db_ =
      std::make_shared<testsupport::FakeDatabase>(store_);
  fs::path folder_;
  PrintSettings settings_;
};

// A missing or malformed payslip gets a page saying so and the others print; the last
// payslip's body is longer than a sheet and goes on to a second page.
TEST_F(PdfPrintControlTest, OnePageAPayslipReadBackAsThePrintedForm) {
  Put("0001200120030600101", dba::DynArray("no end marker"));
  Put(kMay, testsupport::PayslipRecord(testsupport::OrdinaryLines(60)));
  settings_.progressThreshold = 1;  // the real progress window, under a widgets application
  PdfPrintControl control(settings_);
  EXPECT_EQ(Print(control, {kMarch, "0001200120039900101", "0001200120030600101", kMay}),
            kStatusPrinted);
  const fs::path pdf = control.LastOutput();
  EXPECT_EQ(pdf.parent_path(), folder_);
  EXPECT_TRUE(pdf.filename().string().starts_with("bulletins-ABC-")) << pdf;
  ASSERT_EQ(PdfPages(pdf), 5);
  EXPECT_EQ(control.LastProblemCount(), 2);
  const std::string march = PdfText(pdf, 1);
  for (const char* expected : {"BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003", "NET A PAYER :"})
    EXPECT_NE(march.find(expected), std::string::npos) << expected << "\n" << march;
  EXPECT_TRUE(std::regex_search(
      march, std::regex("Vieillesse plafonnée +834,20 +8,200 +68,40 +6,550 +54,64\n")))
      << march;
  EXPECT_TRUE(std::regex_search(march, std::regex("4394,19 Francs"))) << march;
  EXPECT_NE(PdfText(pdf, 2).find("n'existe pas"), std::string::npos) << PdfText(pdf, 2);
  EXPECT_NE(PdfText(pdf, 3).find("illisible"), std::string::npos) << PdfText(pdf, 3);
  EXPECT_EQ(PdfText(pdf, 4).find("NET A PAYER"), std::string::npos);
  EXPECT_NE(PdfText(pdf, 5).find("Ligne 60"), std::string::npos);
  EXPECT_NE(PdfText(pdf, 5).find("Page 2/2"), std::string::npos);
}

TEST_F(PdfPrintControlTest, NothingToPrintCancelledOrFailingLeavesNoFile) {
  settings_.progressThreshold = 2;
  PdfPrintControl control(settings_);
  EXPECT_EQ(Print(control, {}), kStatusNothingPrinted);
  EXPECT_TRUE(control.LastOutput().empty());
  // A progress window only for an interactive request of more than the threshold.
  int shown = 0;
  control.SetProgressFactory([&](int total) {
    ++shown;
    EXPECT_EQ(total, 3);
    return std::make_unique<CancelAt>(2);
  });
  EXPECT_EQ(Print(control, {kMarch, kApril}), kStatusPrinted);
  EXPECT_EQ(Print(control, {kMarch, kApril, kMay}, false), kStatusPrinted);
  EXPECT_EQ(shown, 0);
  fs::remove_all(folder_);
  EXPECT_EQ(Print(control, {kMarch, kApril, kMay}), kStatusNothingPrinted);  // cancelled
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(FolderFiles(), 0);
  db_->FailWhen([](const testsupport::Call& c) { return c.op == "read" && c.key == kApril; });
  EXPECT_DBA_ERROR(dba::kStorageFailure, Print(control, {kMarch, kApril, kMay}));
  EXPECT_EQ(FolderFiles(), 0);

  fs::create_directories(folder_);
  std::ofstream(folder_ / "file") << "x";
  settings_.folder = folder_ / "file" / "below";
  PdfPrintControl blocked(settings_);
  EXPECT_NE(ErrorOf([&] { Print(blocked, {kMarch}); }).find("below"), std::string::npos);
}

class PrinterTest : public PdfPrintControlTest {
 protected:
  // Puts an `lp` on the PATH that records its arguments and exits with `exitCode`.
  void FakeLp(int exitCode) {
    bin_ = folder_.string() + "-bin";
    fs::create_directories(bin_);
    std::ofstream(bin_ / "lp") << "#!/bin/sh\necho \"$@\" > '" << (bin_ / "args").string()
                               << "'\necho 'lp: The printer or class does not exist.' >&2\nexit "
                               << exitCode << "\n";
    fs::permissions(bin_ / "lp", fs::perms::owner_all);
    path_ = getenv("PATH");
    setenv("PATH", (bin_.string() + ":" + path_).c_str(), 1);
  }
  void TearDown() override {
    if (!path_.empty()) setenv("PATH", path_.c_str(), 1);
    fs::remove_all(bin_);
    PdfPrintControlTest::TearDown();
  }
  std::string Args() const {
    std::ifstream in(bin_ / "args");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path bin_;
  std::string path_;
};

TEST_F(PrinterTest, AConfiguredPrinterGetsThePdfThroughLpAndARefusalSaysWhy) {
  FakeLp(0);
  for (const auto& [printer, destination] : {std::pair{"bureau", "-d bureau "}, {"default", ""}}) {
    settings_.printer = printer;
    PdfPrintControl control(settings_);
    EXPECT_EQ(Print(control, {kMarch}), kStatusPrinted);
    EXPECT_EQ(Args(), std::string(destination) + "-t Bulletins de paie ABC -- " +
                          control.LastOutput().string() + "\n");
  }
  FakeLp(1);
  PdfPrintControl refused(settings_);
  EXPECT_NE(ErrorOf([&] { Print(refused, {kMarch}); }).find("does not exist"), std::string::npos);
  EXPECT_EQ(FolderFiles(), 3) << "the PDF stays";
}

}  // namespace
}  // namespace printing::pdf
