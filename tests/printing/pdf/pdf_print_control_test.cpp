#include "printing/pdf/pdf_print_control.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <regex>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "data/step.h"
#include "support/failing_database.h"
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

// The message of the print failure `call` raises.
std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), kPrintFailed) << e.what();
    return e.what();
  }
  ADD_FAILURE() << "no print failure";
  return "";
}

class PdfPrintControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vantelor-print-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    settings_.folder = folder_;
    auto archive = store_->OpenFile("ARCHIVEBULL");
    archive->WriteRecord(kMarch, Payslip("Salaire de base|8667||||75836|").Text());
    archive->WriteRecord(kApril, Payslip("Heures d'intervention|12000||||125400|").Text());
    archive->WriteRecord(kMay, Payslip("Salaire de mai|8000||||70000|").Text());
  }
  void TearDown() override { fs::remove_all(folder_); }

  static dba::DynArray Payslip(const std::string& firstLine) {
    return testsupport::PayslipRecord({firstLine, "%", "<bold>COTISATIONS SOCIALES||||||",
                                       "Vieillesse plafonnée|83420|8200|6840|6550||-5464"});
  }
  static dba::DynArray List(std::initializer_list<std::string> keys) {
    dba::DynArray list;
    int i = 0;
    for (const std::string& k : keys) list.Set(++i, k);
    return list;
  }
  // Runs EditionBulletins as the screens do; returns the status flag.
  std::int16_t Print(PdfPrintControl& control, dba::DynArray keys, bool preprinted = false,
                     bool interactive = true) {
    std::vector<Variant> db = {Variant(std::shared_ptr<dba::Database>(db_))};
    control.Invoke(kDispDatabase, db);
    std::int16_t status = 0;
    std::vector<Variant> args = {Variant::ByRef(keys), Variant(interactive), Variant("ABC"),
                                 Variant::ByRef(status), Variant(preprinted)};
    control.Invoke(kDispEditionBulletins, args);
    return status;
  }
  long FolderFiles() const {
    return fs::exists(folder_) ? std::distance(fs::directory_iterator(folder_), {}) : 0;
  }

  std::shared_ptr<dba::SqliteDatabase> store_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FailingDatabase> db_ =
      std::make_shared<testsupport::FailingDatabase>(store_);
  fs::path folder_;
  PrintSettings settings_;
};

TEST_F(PdfPrintControlTest, OnePagePerPayslipReadBackAsThePrintedForm) {
  PdfPrintControl control(settings_);
  EXPECT_EQ(Print(control, List({kMarch, kApril, kMay})), kStatusPrinted);

  const fs::path pdf = control.LastOutput();
  EXPECT_EQ(pdf.parent_path(), folder_);
  EXPECT_TRUE(pdf.filename().string().starts_with("bulletins-ABC-")) << pdf;
  EXPECT_EQ(PdfPages(pdf), 3);
  const std::string march = PdfText(pdf, 1);
  for (const char* expected : {"BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003", "Mme LEFEVRE Jeanne",
                               "Mme DUPONT Marie", "Convention collective nationale", "Rubrique",
                               "A DEDUIRE", "COTISATIONS SOCIALES", "NET A PAYER :", "Francs"})
    EXPECT_NE(march.find(expected), std::string::npos) << expected << "\n" << march;
  // A body row, its columns on the label's line; the two nets with their currencies.
  EXPECT_TRUE(std::regex_search(march, std::regex("Salaire de base +86,67 +758,36\n"))) << march;
  EXPECT_TRUE(std::regex_search(
      march, std::regex("Vieillesse plafonnée +834,20 +8,200 +68,40 +6,550 +54,64\n")))
      << march;
  EXPECT_TRUE(std::regex_search(march, std::regex("669,89 Euros"))) << march;
  EXPECT_TRUE(std::regex_search(march, std::regex("4394,19 Francs"))) << march;
  EXPECT_NE(PdfText(pdf, 2).find("Heures d'intervention"), std::string::npos);
  EXPECT_NE(PdfText(pdf, 3).find("Salaire de mai"), std::string::npos);
}

// The last payslip's body is longer than a sheet: it goes on to a second page.
TEST_F(PdfPrintControlTest, AMissingOrMalformedPayslipGetsAPageSayingSoAndTheRestPrint) {
  auto archive = store_->OpenFile("ARCHIVEBULL");
  archive->WriteRecord("0001200120030600101", "no end marker");
  archive->WriteRecord(kMay, testsupport::PayslipRecord(testsupport::OrdinaryLines(60)).Text());
  PdfPrintControl control(settings_);
  EXPECT_EQ(Print(control, List({kMarch, "0001200120039900101", "0001200120030600101", kMay})),
            kStatusPrinted);
  const fs::path pdf = control.LastOutput();
  ASSERT_EQ(PdfPages(pdf), 5);
  const std::string missing = PdfText(pdf, 2);
  EXPECT_NE(missing.find("BULLETIN NON IMPRIMÉ"), std::string::npos) << missing;
  EXPECT_NE(missing.find("0001200120039900101"), std::string::npos) << missing;
  EXPECT_NE(missing.find("n'existe pas"), std::string::npos) << missing;
  EXPECT_NE(PdfText(pdf, 3).find("illisible"), std::string::npos) << PdfText(pdf, 3);
  EXPECT_EQ(PdfText(pdf, 4).find("NET A PAYER"), std::string::npos);
  EXPECT_NE(PdfText(pdf, 5).find("Ligne 60"), std::string::npos);
  EXPECT_NE(PdfText(pdf, 5).find("NET A PAYER"), std::string::npos);
}

TEST_F(PdfPrintControlTest, NothingToPrintCancelledOrFailingLeavesNoFile) {
  settings_.progressThreshold = 2;
  PdfPrintControl control(settings_);
  EXPECT_EQ(Print(control, dba::DynArray()), kStatusNothingPrinted);
  EXPECT_TRUE(control.LastOutput().empty());
  control.SetProgressFactory([](int total) {
    EXPECT_EQ(total, 3);
    return std::make_unique<CancelAt>(2);
  });
  EXPECT_EQ(Print(control, List({kMarch, kApril, kMay})), kStatusNothingPrinted);
  EXPECT_EQ(FolderFiles(), 0);
  control.SetProgressFactory(nullptr);
  db_->FailWhen([](const testsupport::Call& c) { return c.op == "read" && c.key == kApril; });
  EXPECT_EQ(dba::RunStep([&] {
              Print(control, List({kMarch, kApril, kMay}));
            }),
            dba::kStorageFailure);
  EXPECT_EQ(FolderFiles(), 0);
}

TEST_F(PdfPrintControlTest, ProgressOnlyForInteractiveRequestsOfMoreThanTheThreshold) {
  settings_.progressThreshold = 2;
  const struct {
    int keys;
    bool interactive, shown;
  } cases[] = {{2, true, false}, {3, true, true}, {3, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.keys) + (c.interactive ? " interactive" : " batch"));
    PdfPrintControl control(settings_);
    bool shown = false;
    control.SetProgressFactory([&](int) -> std::unique_ptr<Progress> {
      shown = true;
      return nullptr;
    });
    dba::DynArray keys = List({kMarch, kApril, kMay});
    while (keys.DCount() > c.keys) keys.Delete(keys.DCount());
    Print(control, keys, false, c.interactive);
    EXPECT_EQ(shown, c.shown);
  }
  settings_.progressThreshold = 1;  // the real window, under a widgets application
  PdfPrintControl control(settings_);
  EXPECT_EQ(Print(control, List({kMarch, kApril, kMay})), kStatusPrinted);
  EXPECT_EQ(PdfPages(control.LastOutput()), 3);
}

TEST_F(PdfPrintControlTest, AFolderThatCannotBeMadeIsAPrintFailure) {
  fs::create_directories(folder_);
  std::ofstream(folder_ / "file") << "x";
  settings_.folder = folder_ / "file" / "below";
  PdfPrintControl control(settings_);
  const std::string why = ErrorOf([&] { Print(control, List({kMarch})); });
  EXPECT_NE(why.find("below"), std::string::npos) << why;
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

TEST_F(PrinterTest, AConfiguredPrinterGetsThePdfThroughLpAndTheDefaultNamesNone) {
  FakeLp(0);
  for (const auto& [printer, destination] : {std::pair{"bureau", "-d bureau "}, {"default", ""}}) {
    settings_.printer = printer;
    PdfPrintControl control(settings_);
    EXPECT_EQ(Print(control, List({kMarch})), kStatusPrinted);
    EXPECT_EQ(Args(), std::string(destination) + "-t Bulletins de paie ABC -- " +
                          control.LastOutput().string() + "\n");
  }
}

TEST_F(PrinterTest, APrinterThatRefusesIsAnErrorSayingWhyAndThePdfStays) {
  FakeLp(1);
  settings_.printer = "nowhere";
  PdfPrintControl control(settings_);
  const std::string why = ErrorOf([&] { Print(control, List({kMarch})); });
  EXPECT_NE(why.find("does not exist"), std::string::npos) << why;
  EXPECT_EQ(FolderFiles(), 1);
}

}  // namespace
}  // namespace printing::pdf
