// JSON Lines: records read and written back byte for byte, bad lines refused with their
// place, imports all or nothing. (The tool's command line: tests/apps/vantelor_db_test.)
#include "data/tools/json_lines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/core/record_text.h"
#include "data/tools/new_archive.h"
#include "support/archive_fixture.h"
#include "support/expect_error.h"
#include "support/fake_database.h"

namespace {

TEST(JsonLinesTest, ReadsEscapesAndRoundTripsEveryShape) {
  EXPECT_EQ(dba::ParseJsonLine(R"({"attributes": [["\u00e9\"\\\/\n\t", "\ud83d\ude00"], ["a",)"
                               R"( ["s1", "s2"]], [], [""]], "key": "K", "file": "F"})")
                .text,
            "é\"\\/\n\t\xFD😀\xFE"
            "a\xFDs1\xFCs2\xFE\xFE");
  for (const std::string& text : {std::string(""), dba::RecordText({{"Mme"}, {"DUPONT", "x"}}),
                                  std::string("v1\xFDs1\xFCs2\xFC\xFEz"),
                                  std::string("caf\xE9 \xFF\x80 quote\" \n\t bell\x07")}) {
    const std::string line = dba::ToJsonLine("TEMPO", "K\"1", text);
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    EXPECT_EQ(dba::ParseJsonLine(line).text, text) << line;
  }
  EXPECT_EQ(dba::ToJsonLine("F", "K", dba::RecordText({{"a"}, {"b", "c"}})),
            R"({"file": "F", "key": "K", "attributes": [["a"], ["b", "c"]]})");
}

TEST(JsonLinesTest, BadLinesSayWhatAndWhere) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "expected '{' but the line ends"},
      {R"({"file": "F", "key": "K"})", "no \"attributes\""},
      {R"({"file": "F", "key": "", "attributes": []})", "no \"key\""},
      {R"({"key": "K", "attributes": []})", "no \"file\""},
      {R"({"file": "F", "key": "K", "attributes": [], "x": 1})", "unknown member \"x\""},
      {R"({"file": "F", "file": "G", "key": "K", "attributes": []})", "given twice"},
      {R"({"file": "F", "key": "K", "attributes": [[1]]})", "expected '\"'"},
      {R"({"file": "F", "key": "K", "attributes": [["a]]})", "unterminated string"},
      {R"({"file": "F", "key": "K", "attributes": []} x)", "unexpected text"},
      {R"({"file": "F", "key": "K", "attributes": [["\q"]]})", "unknown escape"},
      {R"({"file": "F", "key": "K", "attributes": [["\ud800"]]})", "lone high surrogate"},
      {R"({"file": "F", "key": "K", "attributes": [["\u12"]]})", "bad \\u escape"},
      {"{\"file\": \"F\", \"key\": \"K\", \"attributes\": [[\"a\xFE\"]]}", "record mark"},
      {"{\"file\": \"F\", \"key\": \"K\", \"attributes\": [[\"a\x01\"]]}", "control character"},
  };
  for (const auto& [line, message] : cases) {
    try {
      dba::ParseJsonLine(line);
      ADD_FAILURE() << "accepted " << line;
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), dba::kBadArgument);
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos)
          << line << " → " << e.what();
      EXPECT_NE(std::string(e.what()).find("column"), std::string::npos) << e.what();
    }
  }
}

TEST(JsonLinesTest, ImportIsAllOrNothingAndExportGivesItBack) {
  auto db = dba::NewMemoryArchive();
  const std::string good = R"({"file": "TEMPO", "key": "A", "attributes": [["1"]]})";
  EXPECT_DBA_ERROR(dba::kBadArgument,
                   dba::ImportJsonLines(*db, good + "\n\n" + good + "\n{\"file\": \"TEMPO\"\n"));
  EXPECT_DBA_ERROR(
      dba::kFileNotFound,
      dba::ImportJsonLines(*db, good + "\n" + R"({"file": "NOPE", "key": "A", "attributes": []})"));
  EXPECT_EQ(testsupport::Count(*db, "TEMPO"), 0);
  EXPECT_EQ(dba::ImportJsonLines(*db, good + "\r\n" + good + "\r\n"), 2u);
  dba::ImportJsonLines(
      *db, "{\"file\": \"CIVILAIDE\", \"key\": \"1\", \"attributes\": [[\"L\xC9ON\"]]}", true);
  EXPECT_EQ(testsupport::Stored(*db, "CIVILAIDE", "1"), "LÉON");

  auto example = testsupport::ExampleArchive();
  std::ostringstream first, second, one;
  dba::ExportJsonLines(*example, {}, first);
  dba::ExportJsonLines(*testsupport::ArchiveWith(first.str()), {}, second);
  EXPECT_EQ(first.str(), second.str());
  EXPECT_EQ(dba::ParseJsonLines(first.str()).size(),
            dba::ParseJsonLines(testsupport::ExampleRecords()).size());
  dba::ExportJsonLines(*example, {"CONTRAT"}, one);
  EXPECT_EQ(dba::ParseJsonLines(one.str()).size(), 2u);
  EXPECT_THROW(dba::ExportJsonLines(*example, {"NOPE"}, one), dba::Error);
}

}  // namespace
