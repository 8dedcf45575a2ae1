// Printing on a real print service (with_cupsd.sh runs this beside its own CUPS daemon):
// the printers Qt finds, a request that arrives whole (its pages counted in what the queue
// wrote), a stopped queue, one that refuses jobs, an unknown printer, and vantelor-print.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "data/archive/archive_files.h"
#include "data/tools/new_archive.h"
#include "printing/ostrel.h"
#include "printing/pdf/pdf_print_control.h"
#include "printing/print_log.h"
#include "printing/window/frm_impression.h"
#include "printing/window/frm_resultat_impression.h"
#include "state/procedure.h"
#include "support/archive_fixture.h"
#include "support/fake_database.h"
#include "support/payslip_record.h"
#include "support/pdf_reader.h"
#include "text/text.h"
#include "ui/test_desktop.h"

namespace printing::pdf {
namespace {

namespace fs = std::filesystem;
using testsupport::RunCommand;

const char* const kMarch = "0001200120030300101";
const char* const kApril = "0001200120030400101";

class CupsRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* out = std::getenv("VANTELOR_CUPS_OUT");
    ASSERT_NE(out, nullptr) << "run through with_cupsd.sh";
    out_ = out;
    fs::remove(out_ / "job.pdf");
    for (const char* key : {kMarch, kApril})
      testsupport::Put(*store_, dba::files::kArchiveBull, key,
                       testsupport::PayslipRecord({"Salaire de base|8667||||75836|"}).Text());
    testsupport::Put(*store_, dba::files::kArchiveBull, "0001200120030500101",
                     testsupport::PayslipRecord(testsupport::OrdinaryLines(60)).Text());
    settings_.windows = true;
    desk_ = QtPrintDesk();
    desk_.remembered = [](const std::string&) { return std::optional<PrintChoice>(); };
    desk_.remember = [](const std::string&, const PrintChoice&) {};
  }
  // One request through the screens' handle, the print window answered with `destination`.
  std::int16_t Print(const std::string& destination, int copies,
                     std::vector<std::string>* message = nullptr) {
    auto control = std::make_shared<PdfPrintControl>(settings_);
    control->SetDesk(desk_);
    OstrelControl ostrel;
    ostrel.SetControl(control);
    ostrel.SetDatabase(store_);
    desktop_.OnShowModal([&](ui::Form& f) {
      auto& w = dynamic_cast<Frm_Impression&>(f);
      printers_ = w.Cbo_Destination.Items();
      const auto at = std::find(printers_.begin(), printers_.end(), destination);
      ASSERT_NE(at, printers_.end()) << destination;
      w.Cbo_Destination.UserChoose(static_cast<int>(at - printers_.begin()));
      w.Txt_Copies.SetText(std::to_string(copies));
      w.Cmd_Imprimer.UserClick();
    });
    if (message) {
      desktop_.OnShowModal([message](ui::Form& f) {
        auto& m = dynamic_cast<Frm_ResultatImpression&>(f);
        message->push_back(m.Lab_Message.Caption());
        message->push_back(m.Cmd_OuvrirFichier.Visible() ? "open" : "no file");
        m.Cmd_Fermer.UserClick();
      });
    }
    std::int16_t status = 0;
    dba::DynArray keys = KeyList({kMarch, kApril, "0001200120030500101"});
    ostrel.EditionBulletins(keys, true, "ABC", status, false);
    return status;
  }
  // Waits until the print service has no job left to do; false after 30 s.
  static bool JobsDone() {
    for (int i = 0; i < 300; ++i) {
      if (RunCommand("lpstat -W not-completed -o 2>&1").empty()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  ui::TestDesktop desktop_;
  ui::ScopedDesktop installed_{desktop_};
  std::shared_ptr<dba::Database> store_ = dba::NewMemoryArchive();
  PrintSettings settings_;
  PrintDesk desk_;
  fs::path out_;
  std::vector<std::string> printers_;
};

// The printers come from the service, its default first; the job arrives whole, in the
// copies asked for (a 60-line payslip takes two sheets: 4 pages a copy).
TEST_F(CupsRoundTripTest, ARequestArrivesWholeOnTheQueue) {
  std::vector<std::string> message;
  ASSERT_EQ(Print("vantelor-test", 2, &message), kStatusPrinted);
  EXPECT_EQ(printers_,
            (std::vector<std::string>{"vantelor-test", "vantelor-arret", "Fichier PDF"}));
  EXPECT_EQ(message, (std::vector<std::string>{
                         "3 bulletins imprimés sur vantelor-test en 2 exemplaires.", "no file"}));
  ASSERT_TRUE(JobsDone()) << RunCommand("lpstat -o 2>&1");
  EXPECT_EQ(testsupport::PdfPages(out_ / "job.pdf"), 2 * 4);
  const std::string text = testsupport::PdfText(out_ / "job.pdf", 1);
  EXPECT_NE(text.find("BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003"), std::string::npos) << text;
  const std::vector<PrintLogRecord> log = ReadPrintLog(*store_);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].outcome + " " + log[0].destination, "imprimé vantelor-test");
}

// A stopped queue and one that refuses jobs: a French message, the request logged as
// failed, no job left on the service.
TEST_F(CupsRoundTripTest, AStoppedOrRefusingPrinterIsAFailureToldInFrench) {
  const struct {
    std::string printer, prepare, message;
  } cases[] = {
      {"vantelor-arret", "", "L'imprimante vantelor-arret est arrêtée : rien n'a été imprimé."},
      {"vantelor-test", "cupsreject vantelor-test", "L'imprimante vantelor-test n'a pas pris"},
  };
  for (const auto& c : cases) {
    if (!c.prepare.empty()) RunCommand(c.prepare);
    desktop_.Answer(ui::kAnswerOk);
    EXPECT_EQ(Print(c.printer, 1), kStatusNothingPrinted);
    EXPECT_EQ(desktop_.LastMessage().text.substr(0, c.message.size()), c.message);
    EXPECT_EQ(ReadPrintLog(*store_).back().outcome.substr(0, 10), "échec : L") << c.printer;
  }
  RunCommand("cupsaccept vantelor-test");
  EXPECT_TRUE(JobsDone());
  EXPECT_FALSE(fs::exists(out_ / "job.pdf"));
  EXPECT_FALSE(fs::exists(out_ / "arret.pdf"));
}

// Without windows (vantelor-print), the PDF is written and also printed; an unknown
// printer is a failure that keeps the PDF.
TEST_F(CupsRoundTripTest, VantelorPrintSendsThePdfToThePrinterToo) {
  const fs::path work = fs::temp_directory_path() / ("vantelor-cups-" + std::to_string(getpid()));
  fs::create_directories(work);
  testsupport::NewExampleDatabase((work / "t.db").string(),
                                  R"({"file": "DROITS", "key": ")" +
                                      text::Upper(vantelor::Lire_NomUtilisateur()) +
                                      R"(*PALIMOR", "attributes": [["*"]]})");
  const std::string tool = std::string(VANTELOR_TEST_BUILD_DIR) + "/apps/vantelor-print --db " +
                           (work / "t.db").string() + " --out " + (work / "out.pdf").string() +
                           " --caregiver 12 --from 200301 --to 202012 --printer ";
  EXPECT_EQ(std::system((tool + "default").c_str()), 0);
  ASSERT_TRUE(JobsDone());
  EXPECT_EQ(testsupport::PdfPages(out_ / "job.pdf"), testsupport::PdfPages(work / "out.pdf"));
  fs::remove(work / "out.pdf");
  EXPECT_NE(RunCommand(tool + "absente 2>&1").find("L'imprimante absente est inconnue"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(work / "out.pdf"));
  fs::remove_all(work);
}

}  // namespace
}  // namespace printing::pdf
