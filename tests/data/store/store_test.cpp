// The file and transaction contract, on both stores.
#include <gtest/gtest.h>

#include "data/core/query_sentence.h"
#include "data/core/record_text.h"
#include "data/core/step.h"
#include "store_fixture.h"
#include "support/expect_error.h"

namespace {

using dba::RecordText;

template <typename Store>
class StoreContractTest : public storetest::StoreTest<Store> {};
TYPED_TEST_SUITE(StoreContractTest, storetest::Stores);

TYPED_TEST(StoreContractTest, BadCallsGiveTheirCodes) {
  auto db = this->NewArchive();
  auto tempo = db->OpenFile("TEMPO");
  EXPECT_EQ(dba::RunStep([&] { db->OpenFile("NOSUCHFILE"); }), dba::kFileNotFound);
  EXPECT_EQ(dba::RunStep([&] { tempo->ReadRecord("MISSING"); }), dba::kRecordNotFound);
  EXPECT_EQ(dba::RunStep([&] { tempo->DeleteRecord("MISSING"); }), dba::kRecordNotFound);
  EXPECT_EQ(dba::RunStep([&] { tempo->ReadRecord(""); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { tempo->Find(""); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { tempo->WriteRecord("", "x"); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { tempo->WriteRecord(std::string("A\xFE") + "B", "x"); }),
            dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { tempo->NewRecord(""); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { dba::Record().DBWrite(); }), dba::kBadArgument);
  for (const char* name : {"BAD NAME", "vantelor_files", "Tempo", ""})
    EXPECT_EQ(dba::RunStep([&] { db->CreateFile(name); }), dba::kBadArgument) << name;
  EXPECT_EQ(dba::RunStep([&] { db->CreateFile(std::string(64, 'F')); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { db->RecordCount("NOSUCHFILE"); }), dba::kFileNotFound);
  EXPECT_EQ(db->RecordCount("TEMPO"), 0);
}

TYPED_TEST(StoreContractTest, NewRecordWritesBackWithDBWrite) {
  auto db = this->NewArchive();
  auto tempo = db->OpenFile("TEMPO");
  dba::Record r = tempo->NewRecord("ARCHIVEBULLDUPONT");
  EXPECT_FALSE(tempo->Find("ARCHIVEBULLDUPONT"));
  r.Set(1, 1, "0001200120030300101");
  r.Set(1, 2, "00012002201904A01");
  r.DBWrite();
  EXPECT_EQ(tempo->ReadRecord("ARCHIVEBULLDUPONT")(1, 2), "00012002201904A01");
  EXPECT_EQ(tempo->Find("ARCHIVEBULLDUPONT")->Key(), "ARCHIVEBULLDUPONT");
  tempo->DeleteRecord("ARCHIVEBULLDUPONT");
  EXPECT_EQ(dba::RunStep([&] { tempo->ReadRecord("ARCHIVEBULLDUPONT"); }), dba::kRecordNotFound);
}

TYPED_TEST(StoreContractTest, KeepsBytesThatAreNotUtf8AndHugeRecords) {
  auto db = this->NewArchive();
  auto file = db->OpenFile("ARCHIVEBULL");
  const std::string legacy("caf\xE9\xFE\xFF\x80\x00z", 9);
  const std::string legacyKey("K\xE9\x80\x00", 4);
  file->WriteRecord(legacyKey, legacy);
  EXPECT_EQ(file->ReadRecord(legacyKey).Text(), legacy);
  EXPECT_EQ(db->SelectKeys("SSELECT ARCHIVEBULL"), std::vector<std::string>{legacyKey});

  std::string huge(10 * 1024 * 1024, 'x');
  for (std::size_t i = 0; i < huge.size(); i += 4096) huge[i] = '\xFE';
  file->WriteRecord("HUGE", huge);
  EXPECT_EQ(file->ReadRecord("HUGE").Text(), huge);
}

TYPED_TEST(StoreContractTest, TransactionIsAllOrNothing) {
  auto db = this->NewArchive();
  auto tempo = db->OpenFile("TEMPO");
  EXPECT_DBA_ERROR(dba::kBadArgument, {
    dba::Transaction transaction(*db);
    tempo->WriteRecord("A", "1");
    {
      dba::Transaction inner(*db);
      tempo->WriteRecord("B", "2");
      inner.Commit();
    }
    tempo->WriteRecord("", "fails");
    transaction.Commit();
  });
  EXPECT_EQ(db->RecordCount("TEMPO"), 0);

  dba::Transaction transaction(*db);
  tempo->WriteRecord("A", "1");
  {
    dba::Transaction inner(*db);
    tempo->WriteRecord("B", "2");
  }  // inner rolled back alone
  EXPECT_EQ(dba::RunStep([&] { tempo->DeleteRecord("B"); }), dba::kRecordNotFound);
  tempo->WriteRecord("C", "3");  // the transaction goes on after a failed call
  transaction.Commit();
  EXPECT_EQ(db->RecordCount("TEMPO"), 2);
  EXPECT_EQ(tempo->ReadRecord("A").Text(), "1");
}

TYPED_TEST(StoreContractTest, RecordsListInByteOrderAndClear) {
  auto db = this->NewArchive();
  auto file = db->OpenFile("RUBCHARGE");
  for (const char* key : {"MAL", "af", "AF", "\xC3\x89T", "_X", "VPL"}) file->WriteRecord(key, key);
  std::string keys;
  db->ForEachRecord("RUBCHARGE", [&](std::string_view key, std::string_view text) {
    EXPECT_EQ(key, text);
    keys += std::string(key) + " ";
  });
  EXPECT_EQ(keys, "AF MAL VPL _X af \xC3\x89T ");
  db->ClearFile("RUBCHARGE");
  EXPECT_EQ(db->RecordCount("RUBCHARGE"), 0);
}

TYPED_TEST(StoreContractTest, ANewerArchiveIsRefusedAndLeftAsItIs) {
  auto db = this->NewArchive();
  db->OpenFile("TEMPO")->WriteRecord("A", "1");
  db.reset();
  TypeParam::StampVersion(this->Name(), 2);
  for (dba::OpenMode mode : {dba::OpenMode::kExisting, dba::OpenMode::kCreate}) {
    const auto e = testsupport::ErrorOf([&] { dba::OpenNamedDatabase(this->Name(), mode); });
    EXPECT_EQ(e.code, dba::kStorageFailure);
    EXPECT_NE(e.message.find("made by a newer version of Vantelor (schema 2; this one reads 1): "
                             "it is left as it is"),
              std::string::npos)
        << e.message;
  }
  TypeParam::StampVersion(this->Name(), 1);
  EXPECT_EQ(dba::OpenNamedDatabase(this->Name())->RecordCount("TEMPO"), 1);
}

TYPED_TEST(StoreContractTest, TheLongestSentenceRunsAndALongerOneIsRefusedInFewWords) {
  auto db = this->NewArchive();
  db->OpenFile("TEMPO")->WriteRecord("K1",
                                     "a\xFE"
                                     "b");
  const auto sentence = [](std::size_t clauses) {
    std::string text = "SSELECT TEMPO";
    for (std::size_t i = 0; i < clauses; ++i)
      text += i % 2 ? " AVEC 0 = \"K]\"" : " AVEC 2 = \"b\"";
    return text;
  };
  EXPECT_EQ(db->SelectKeys(sentence(dba::kMostClauses)), std::vector<std::string>{"K1"});
  for (const std::string& text :
       {sentence(dba::kMostClauses + 1), "SSELECT TEMPO AVEC 2 = " + std::string(300000, 'x'),
        "SSELECT " + std::string(300000, 'F')}) {
    const auto e = testsupport::ErrorOf([&] { db->SelectKeys(text); });
    EXPECT_NE(e.code, 0u) << "ran " << text.substr(0, 40);
    EXPECT_LT(e.message.size(), 600u) << e.message;
  }
}

TYPED_TEST(StoreContractTest, ALockHeldLongerThanTheWaitIsTheArchiveBusy) {
  auto db = this->NewArchive();
  auto other = dba::OpenNamedDatabase(this->Name());
  db->SetLockWait(std::chrono::milliseconds(200));
  dba::Transaction holding(*other);
  other->Reindex();  // the archive's write lock, held until the transaction ends
  const auto busy = testsupport::ErrorOf([&] { db->OpenFile("TEMPO")->WriteRecord("A", "1"); });
  EXPECT_EQ(busy.code, dba::kArchiveBusy) << busy.message;
  EXPECT_EQ(busy.message.rfind(dba::kArchiveBusyText, 0), 0u) << busy.message;
  holding.Commit();
  db->OpenFile("TEMPO")->WriteRecord("A", "1");
  EXPECT_EQ(db->RecordCount("TEMPO"), 1);
}

}  // namespace
