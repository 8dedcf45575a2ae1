#pragma once
// What Imprimer and Edition find when they print: the shared state over an in-memory
// archive seen through a FakeDatabase (any call can be made to fail), the nine files
// open, a database client, the test desktop, and a print control that records every
// request and notes the TEMPO record while it prints.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/archive/archive_files.h"
#include "data/archive/request_records.h"
#include "data/store/open_database.h"
#include "data/tools/new_archive.h"
#include "printing/print_log.h"
#include "printing/recording_print_control.h"
#include "state/procedure.h"
#include "support/fake_database.h"
#include "text/text.h"
#include "ui/form.h"
#include "ui/test_desktop.h"

namespace testsupport {

class PrintFixture : public ::testing::Test {
 protected:
  PrintFixture() {
    v.TheDatabase = db;
    v.TheClient = std::make_shared<dba::StoreClient>();
    vantelor::Ouvrir_Fichiers(v);
    control->during = [this](const printing::RecordingPrintControl::Edition&) {
      tempoDuringPrint = Tempo();
    };
  }
  // The user's request record as stored now; "<none>" when there is none.
  std::string Tempo() { return Stored(*store, dba::files::kTempo, key); }
  // One interactive request on pre-printed forms of `keys`, for this user, with the shared
  // database and client, logged once.
  void ExpectOneRequest(const std::vector<std::string>& keys) {
    ASSERT_EQ(control->editions.size(), 1u);
    const auto& e = control->editions[0];
    EXPECT_EQ(e.keys, keys);
    EXPECT_TRUE(e.interactive && e.preprinted);
    EXPECT_EQ(e.user, text::Upper(vantelor::Lire_NomUtilisateur()));
    EXPECT_EQ(e.statusOnEntry, 0);
    EXPECT_EQ(control->database, v.TheDatabase);
    EXPECT_EQ(control->client, v.TheClient);
    EXPECT_EQ(Count(*store, printing::kPrintLogFile), 1);
  }
  // After a print, failed or not: no request record left, `window` usable again.
  void ExpectLeftAsItWas(const ui::Form& window) {
    EXPECT_EQ(Tempo(), "<none>");
    EXPECT_TRUE(window.Enabled());
    EXPECT_EQ(desktop.MousePointer(), ui::kDefaultPointer);
  }

  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  std::shared_ptr<dba::Database> store = dba::NewMemoryArchive();
  std::shared_ptr<FakeDatabase> db = std::make_shared<FakeDatabase>(store);
  std::shared_ptr<printing::RecordingPrintControl> control =
      std::make_shared<printing::RecordingPrintControl>();
  vantelor::Variable v;
  const std::string key = dba::TempoKey(vantelor::Lire_NomUtilisateur());
  std::string tempoDuringPrint;
};

}  // namespace testsupport
