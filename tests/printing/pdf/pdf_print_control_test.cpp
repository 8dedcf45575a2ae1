// Our print control without its windows: the payslips read back from the PDF it writes,
// the pages for what cannot print, no file left by a request that fails or is cancelled.
#include "printing/pdf/pdf_print_control.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <regex>

#include <QPrintPreviewWidget>

#include "data/archive/archive_files.h"
#include "data/tools/new_archive.h"
#include "printing/ostrel.h"
#include "printing/window/frm_impression.h"
#include "printing/window/frm_resultat_impression.h"
#include "support/expect_error.h"
#include "support/fake_database.h"
#include "support/payslip_record.h"
#include "support/pdf_reader.h"
#include "ui/test_desktop.h"

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
  EXPECT_EQ(pdf, folder_ / "Aidant 00012 2003-03 à 2003-06.pdf");
  EXPECT_EQ(control.LastDestination(), pdf.string());
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
  const auto e = testsupport::ErrorOf([&] { Print(blocked, {kMarch}); });
  EXPECT_EQ(e.code, kPrintFailed);
  EXPECT_EQ(e.message, "Le dossier " + settings_.folder.string() +
                           " ne peut pas recevoir les bulletins : ce n'est pas un dossier.");
}

// The print control with its windows, on the test desktop: the print window, then the
// message; the desktop's services are recorded.
class PrintWindowsTest : public PdfPrintControlTest {
 protected:
  void SetUp() override {
    PdfPrintControlTest::SetUp();
    settings_.windows = true;
    desk_.printers = [] { return std::vector<std::string>{"HP-Bureau", "Atelier"}; };
    desk_.remembered = [this](const std::string& user) -> std::optional<PrintChoice> {
      EXPECT_EQ(user, "ABC");
      return remembered_;
    };
    desk_.remember = [this](const std::string&, const PrintChoice& c) { remembered_ = c; };
    desk_.open = [this](const std::string& path) { opened_.push_back(path); };
    desk_.preview = [this](const DrawSheets& draw, const std::string& title) {
      SheetCounter pages;
      draw(pages);
      previewed_ = title + ": " + std::to_string(pages.Pages());
    };
  }
  PdfPrintControl Control() {
    PdfPrintControl control(settings_);
    control.SetDesk(desk_);
    return control;
  }
  // The next print window: checks it, then lets `act` answer it.
  void OnPrintWindow(std::function<void(Frm_Impression&)> act) {
    desktop_.OnShowModal([act](ui::Form& f) { act(dynamic_cast<Frm_Impression&>(f)); });
  }
  // The next message after a request: its visible lines, then Fermer (after `act`).
  void OnMessage(std::vector<std::string>& lines,
                 std::function<void(Frm_ResultatImpression&)> act = nullptr) {
    desktop_.OnShowModal([&lines, act](ui::Form& f) {
      auto& m = dynamic_cast<Frm_ResultatImpression&>(f);
      for (ui::Label* l : {&m.Lab_Message, &m.Lab_Lieu, &m.Lab_Illisibles, &m.Lab_PreImprime})
        if (l->Visible()) lines.push_back(l->Caption());
      if (act) act(m);
      m.Cmd_Fermer.UserClick();
    });
  }
  static mode_t Mode(const fs::path& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
  }

  ui::TestDesktop desktop_;
  ui::ScopedDesktop installed_{desktop_};
  PrintDesk desk_;
  std::optional<PrintChoice> remembered_;
  std::vector<std::string> opened_;
  std::string previewed_;
};

// The window shows the request and proposes a free name that says what it holds; the PDF
// is private in a private folder, the message says where, and its buttons open both.
TEST_F(PrintWindowsTest, PdfChosenInTheWindowToldInTheMessage) {
  Put("0001200120030600101", dba::DynArray("no end marker"));
  PdfPrintControl control = Control();
  OnPrintWindow([&](Frm_Impression& w) {
    EXPECT_EQ(w.Lab_Resume.Caption(), "3 bulletins, 3 pages à imprimer (dont 1 illisible).");
    EXPECT_EQ(w.Cbo_Destination.Items(),
              (std::vector<std::string>{"HP-Bureau", "Atelier", "Fichier PDF"}));
    EXPECT_EQ(w.Cbo_Destination.Text(), "Fichier PDF");
    EXPECT_FALSE(w.Txt_Copies.Enabled());
    EXPECT_EQ(w.Txt_Fichier.Text(), "Aidant 00012 2003-03 à 2003-06.pdf");
    EXPECT_EQ(w.Txt_Dossier.Text(), folder_.string());
    w.Cmd_Apercu.UserClick();
    w.Cmd_Imprimer.UserClick();
  });
  std::vector<std::string> lines;
  OnMessage(lines, [](Frm_ResultatImpression& m) {
    m.Cmd_OuvrirFichier.UserClick();
    m.Cmd_OuvrirDossier.UserClick();
  });
  EXPECT_EQ(Print(control, {kMarch, kApril, "0001200120030600101"}), kStatusPrinted);
  const fs::path pdf = folder_ / "Aidant 00012 2003-03 à 2003-06.pdf";
  EXPECT_EQ(previewed_, "Aidant 00012 2003-03 à 2003-06: 3");
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "3 bulletins enregistrés dans Aidant 00012 2003-03 à 2003-06.pdf",
                       "Dossier : " + folder_.string(),
                       "1 bulletin n'a pas pu être lu : une page le signale à sa place."}));
  EXPECT_EQ(opened_, (std::vector<std::string>{pdf.string(), folder_.string()}));
  EXPECT_EQ(PdfPages(pdf), 3);
  EXPECT_EQ(Mode(pdf), 0600u);
  EXPECT_EQ(Mode(folder_), 0700u);
  ASSERT_TRUE(remembered_);
  EXPECT_EQ(remembered_->destination, "Fichier PDF");
}

// A remembered printer is proposed; copies are checked; a cancel prints nothing and says
// nothing more.
TEST_F(PrintWindowsTest, RememberedChoiceCheckedCopiesAndCancel) {
  remembered_ = PrintChoice{"Atelier", 2, (folder_ / "ailleurs").string(), ""};
  PdfPrintControl control = Control();
  OnPrintWindow([&](Frm_Impression& w) {
    EXPECT_EQ(w.Cbo_Destination.Text(), "Atelier");
    EXPECT_EQ(w.Txt_Copies.Text(), "2");
    EXPECT_EQ(w.Txt_Dossier.Text(), (folder_ / "ailleurs").string());
    EXPECT_FALSE(w.Txt_Fichier.Enabled());
    w.Txt_Copies.SetText("");
    w.Txt_Copies.UserType("0x");
    desktop_.Answer(ui::kAnswerOk);
    w.Cmd_Imprimer.UserClick();
    EXPECT_EQ(desktop_.LastMessage().text, "Le nombre d'exemplaires va de 1 à 99.");
    EXPECT_TRUE(w.Loaded());
    w.Cbo_Destination.UserChoose(2);
    EXPECT_TRUE(w.Txt_Fichier.Enabled());
    w.Txt_Fichier.SetText(" ");
    desktop_.Answer(ui::kAnswerOk);
    w.Cmd_Imprimer.UserClick();
    EXPECT_EQ(desktop_.LastMessage().text, "Donnez un nom au fichier PDF.");
    w.Cmd_Annuler.UserClick();
  });
  EXPECT_EQ(Print(control, {kMarch}), kStatusNothingPrinted);
  EXPECT_EQ(desktop_.ModalForms(), std::vector<std::string>{"Frm_Impression"});
  EXPECT_EQ(FolderFiles(), 0);
  EXPECT_EQ(remembered_->destination, "Atelier") << "a cancel remembers nothing";
}

// A print log that cannot take the request: nothing prints and the clerk is told so by
// the control, even where the screen ignores errors (the viewer's Edition).
TEST_F(PrintWindowsTest, NoLogNoPrintAndTheClerkHearsOfIt) {
  auto control = std::make_shared<PdfPrintControl>(Control());
  OstrelControl ostrel;
  ostrel.SetControl(control);
  ostrel.SetDatabase(db_);
  db_->FailWhen([](const testsupport::Call& c) { return c.op == "write"; });
  desktop_.Answer(ui::kAnswerOk);
  std::int16_t status = 0;
  dba::DynArray keys = KeyList({kMarch});
  ostrel.EditionBulletins(keys, true, "ABC", status, false);
  const std::string told = "Les bulletins n'ont pas été imprimés : le journal des impressions";
  EXPECT_EQ(desktop_.LastMessage().text.substr(0, told.size()), told);
  EXPECT_TRUE(desktop_.ModalForms().empty()) << "no print window without a log";
  EXPECT_EQ(FolderFiles(), 0);
  EXPECT_DBA_ERROR(dba::kStorageFailure,
                   ostrel.EditionBulletins(keys, false, "ABC", status, false));
}

// The clerk's choice is kept per user between runs (QSettings under XDG_CONFIG_HOME).
TEST_F(PrintWindowsTest, TheChoiceIsRememberedPerUser) {
  setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
  const PrintDesk qt = QtPrintDesk();
  qt.remember("ABC", PrintChoice{"Fichier PDF", 1, "/srv/bulletins", "x.pdf"});
  qt.remember("DEF", PrintChoice{"HP-Bureau", 3, "", ""});
  const std::optional<PrintChoice> abc = qt.remembered("ABC"), def = qt.remembered("DEF");
  ASSERT_TRUE(abc && def);
  EXPECT_EQ(abc->destination + " " + abc->folder, "Fichier PDF /srv/bulletins");
  EXPECT_EQ(def->destination + " " + std::to_string(def->copies), "HP-Bureau 3");
  EXPECT_FALSE(qt.remembered("GHI"));
  unsetenv("XDG_CONFIG_HOME");
}

// The preview draws exactly the pages the printer gets, in Qt's preview widget.
TEST_F(PrintWindowsTest, ThePreviewShowsThePagesThatPrint) {
  Put(kMay, testsupport::PayslipRecord(testsupport::OrdinaryLines(60)));
  auto archive = store_->OpenFile(dba::files::kArchiveBull);
  const std::vector<std::string> keys = {kMarch, kMay};
  QWidget* preview =
      ShowPreview([&](SheetSink& out) { return DrawPayslips(*archive, keys, false, out, nullptr); },
                  "test", nullptr);
  auto* widget = preview->findChild<QPrintPreviewWidget*>();
  ASSERT_NE(widget, nullptr);
  widget->updatePreview();
  EXPECT_EQ(widget->pageCount(), CountPayslips(*archive, keys, false).pages);
  EXPECT_EQ(widget->pageCount(), 3);
  delete preview;
}

}  // namespace
}  // namespace printing::pdf
