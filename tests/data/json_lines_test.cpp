#include "data/json_lines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/archive_files.h"
#include "data/record_text.h"
#include "data/sqlite_store.h"
#include "support/archive_fixture.h"

namespace {

using dba::RecordText;

TEST(JsonLinesTest, ReadsValuesAndSubvalues) {
  const dba::JsonRecord r = dba::ParseJsonLine(
      R"({"file": "CIVILAIDANT", "key": "00012", "attributes": [["Mme"], ["a", ["s1", "s2"]], [], [""]]})");
  EXPECT_EQ(r.file, "CIVILAIDANT");
  EXPECT_EQ(r.key, "00012");
  EXPECT_EQ(r.text,
            "Mme\xFE"
            "a\xFDs1\xFCs2\xFE\xFE");
  EXPECT_EQ(
      dba::ParseJsonLine(
          R"({"attributes": [["\u00e9\"\\\/\n\t", "\ud83d\ude00"]], "key": "K", "file": "F"})")
          .text,
      "é\"\\/\n\t\xFD😀");
}

TEST(JsonLinesTest, RoundTripsEveryShape) {
  const std::string texts[] = {
      "",
      RecordText({{"Mme"}, {"DUPONT", "x"}}),
      "a\xFE\xFE"
      "c",
      "v1\xFDs1\xFCs2\xFC\xFE"
      "z",
      "caf\xE9 \xFF\x80",  // not UTF-8: kept byte for byte
      "quote\" backslash\\ tab\t newline\n bell\x07",
  };
  for (const std::string& text : texts) {
    const std::string line = dba::ToJsonLine("TEMPO", "K\"1", text);
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    const dba::JsonRecord back = dba::ParseJsonLine(line);
    EXPECT_EQ(back.text, text) << line;
    EXPECT_EQ(back.key, "K\"1");
  }
  EXPECT_EQ(dba::ToJsonLine("F", "K", RecordText({{"a"}, {"b", "c"}})),
            R"({"file": "F", "key": "K", "attributes": [["a"], ["b", "c"]]})");
}

TEST(JsonLinesTest, BadLinesSayWhatAndWhere) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"", "expected '{' but the line ends"},
      {"[]", "expected '{', found '['"},
      {R"({"file": "F", "key": "K"})", "no \"attributes\""},
      {R"({"file": "F", "attributes": []})", "no \"key\""},
      {R"({"file": "F", "key": "", "attributes": []})", "no \"key\""},
      {R"({"key": "K", "attributes": []})", "no \"file\""},
      {R"({"file": "F", "key": "K", "attributes": [], "x": 1})", "unknown member \"x\""},
      {R"({"file": "F", "file": "G", "key": "K", "attributes": []})", "given twice"},
      {R"({"file": "F", "key": "K", "attributes": [["a"]})", "expected ','"},
      {R"({"file": "F", "key": "K", "attributes": [[1]]})", "expected '\"'"},
      {R"({"file": "F", "key": "K", "attributes": [["a]]})", "unterminated string"},
      {R"({"file": "F", "key": "K", "attributes": []} x)", "unexpected text"},
      {R"({"file": "F", "key": "K", "attributes": [["\q"]]})", "unknown escape"},
      {R"({"file": "F", "key": "K", "attributes": [["\ud800"]]})", "lone high surrogate"},
      {R"({"file": "F", "key": "K", "attributes": [["\u12"]]})", "bad \\u escape"},
      {"{\"file\": \"F\", \"key\": \"K\", \"attributes\": [[\"a\xFE\"]]}", "record mark"},
      {"{\"file\": \"F\", \"key\": \"K\", \"attributes\": [[\"a\x01\"]]}", "control character"},
  };
  for (const Case& c : cases) {
    try {
      dba::ParseJsonLine(c.line);
      ADD_FAILURE() << "accepted " << c.line;
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), dba::kBadArgument);
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << c.line << " → " << e.what();
      EXPECT_NE(std::string(e.what()).find("column"), std::string::npos) << e.what();
    }
  }
}

TEST(JsonLinesTest, ImportIsAllOrNothingAndNamesTheLine) {
  auto db = dba::NewMemoryArchive();
  const std::string good = R"({"file": "TEMPO", "key": "A", "attributes": [["1"]]})";
  try {
    dba::ImportJsonLines(*db, good + "\n\n" + good + "\n{\"file\": \"TEMPO\"\n");
    FAIL() << "accepted a bad line";
  } catch (const dba::Error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("line 4: ", 0), 0u) << e.what();
  }
  try {
    dba::ImportJsonLines(*db, good + "\n" + R"({"file": "NOPE", "key": "A", "attributes": []})");
    FAIL() << "accepted an unknown file";
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), dba::kFileNotFound);
    EXPECT_EQ(std::string(e.what()), "line 2: no file named NOPE");
  }
  EXPECT_EQ(db->RecordCount("TEMPO"), 0);
  EXPECT_EQ(dba::ImportJsonLines(*db, good + "\r\n" + good + "\r\n"), 2u);
  EXPECT_EQ(db->RecordCount("TEMPO"), 1);
}

TEST(JsonLinesTest, Latin1ImportBecomesUtf8) {
  auto db = dba::NewMemoryArchive();
  dba::ImportJsonLines(
      *db,
      "{\"file\": \"CIVILAIDE\", \"key\": \"00101\", \"attributes\": [[\"\"], [\"L\xC9ON\"], "
      "[\"Th\xE9r\xE8se\"]]}",
      true);
  EXPECT_EQ(db->OpenFile("CIVILAIDE")->ReadRecord("00101")(3), "Thérèse");
  EXPECT_EQ(db->SelectKeys("SSELECT CIVILAIDE AVEC 2 = \"LÉON\""),
            std::vector<std::string>{"00101"});
}

TEST(JsonLinesTest, ExportThenImportGivesTheSameDatabase) {
  auto db = testsupport::ExampleArchive();
  std::ostringstream first;
  dba::ExportJsonLines(*db, {}, first);
  auto copy = testsupport::ArchiveWith(first.str());
  std::ostringstream second;
  dba::ExportJsonLines(*copy, {}, second);
  const std::string exported = first.str();
  EXPECT_EQ(exported, second.str());
  EXPECT_EQ(dba::ParseJsonLines(exported).size(),
            dba::ParseJsonLines(testsupport::ExampleRecords()).size());
  std::ostringstream one;
  dba::ExportJsonLines(*db, {"CONTRAT"}, one);
  EXPECT_EQ(dba::ParseJsonLines(one.str()).size(), 2u);
  EXPECT_THROW(dba::ExportJsonLines(*db, {"NOPE"}, one), dba::Error);
}

}  // namespace
