#include "data/json_lines.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "data/admin_database.h"
#include "data/dynamic_array.h"
#include "data/error.h"
#include "data/json_reader.h"
#include "text/text.h"

namespace dba {

namespace {

std::string MarkFree(json::Reader& reader) {
  std::string s = reader.String();
  if (s.find_first_of("\xFC\xFD\xFE") != std::string::npos)
    reader.Fail("a string holds a byte 0xFC-0xFE (a record mark)");
  return s;
}

// A value: "text" or ["sub1", "sub2"].
std::string ReadValue(json::Reader& reader) {
  if (!reader.Accept('[')) return MarkFree(reader);
  std::string value;
  for (bool first = true; !reader.Accept(']'); first = false) {
    if (!first) reader.Expect(',');
    if (!first) value += kSubvalueMark;
    value += MarkFree(reader);
  }
  return value;
}

std::string ReadAttributes(json::Reader& reader) {
  reader.Expect('[');
  std::string text;
  for (bool first = true; !reader.Accept(']'); first = false) {
    if (!first) reader.Expect(',');
    if (!first) text += kAttributeMark;
    reader.Expect('[');
    for (bool firstValue = true; !reader.Accept(']'); firstValue = false) {
      if (!firstValue) reader.Expect(',');
      if (!firstValue) text += kValueMark;
      text += ReadValue(reader);
    }
  }
  return text;
}

std::string ValueJson(std::string_view value) {
  if (value.find(kSubvalueMark) == std::string_view::npos) return json::Quote(value);
  std::string out = "[";
  const int count = CountFields(value, kSubvalueMark);
  for (int s = 1; s <= count; ++s)
    out += (s > 1 ? ", " : "") + json::Quote(Field(value, kSubvalueMark, s));
  return out + "]";
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

JsonRecord ParseJsonLine(std::string_view line) {
  json::Reader reader(line);
  JsonRecord record;
  bool seen[3] = {false, false, false};
  reader.Expect('{');
  for (bool first = true; !reader.Accept('}'); first = false) {
    if (!first) reader.Expect(',');
    const std::string name = reader.String();
    reader.Expect(':');
    const int index = name == "file" ? 0 : name == "key" ? 1 : name == "attributes" ? 2 : -1;
    if (index < 0) reader.Fail("unknown member \"" + name + "\"");
    if (seen[index]) reader.Fail("member \"" + name + "\" given twice");
    seen[index] = true;
    if (index == 0) record.file = MarkFree(reader);
    if (index == 1) record.key = MarkFree(reader);
    if (index == 2) record.text = ReadAttributes(reader);
  }
  reader.End();
  if (!seen[0] || record.file.empty()) reader.Fail("no \"file\"");
  if (!seen[1] || record.key.empty()) reader.Fail("no \"key\" (or an empty one)");
  if (!seen[2]) reader.Fail("no \"attributes\"");
  return record;
}

std::vector<JsonRecord> ParseJsonLines(std::string_view text, bool latin1) {
  std::vector<JsonRecord> records;
  std::size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view raw = text.substr(start, end - start);
    start = end + 1;
    if (IsBlankLine(raw)) continue;
    try {
      records.push_back(ParseJsonLine(latin1 ? text::Latin1ToUtf8(raw) : std::string(raw)));
      records.back().line = number;
    } catch (const Error& e) {
      throw Error(e.code(), "line " + std::to_string(number) + ": " + e.what());
    }
  }
  return records;
}

std::string ToJsonLine(std::string_view file, std::string_view key, std::string_view text) {
  std::string out =
      "{\"file\": " + json::Quote(file) + ", \"key\": " + json::Quote(key) + ", \"attributes\": [";
  const int attributes = CountFields(text, kAttributeMark);
  for (int a = 1; a <= attributes; ++a) {
    const std::string_view attribute = Field(text, kAttributeMark, a);
    out += a > 1 ? ", [" : "[";
    const int values = std::max(CountFields(attribute, kValueMark), 1);
    for (int v = 1; v <= values; ++v)
      out += (v > 1 ? ", " : "") + ValueJson(Field(attribute, kValueMark, v));
    out += "]";
  }
  return out + "]}";
}

std::size_t ImportJsonLines(AdminDatabase& database, std::string_view text, bool latin1) {
  const std::vector<JsonRecord> records = ParseJsonLines(text, latin1);
  for (const JsonRecord& r : records)  // every file checked before anything is written
    if (!database.HasFile(r.file))
      throw Error(kFileNotFound, "line " + std::to_string(r.line) + ": no file named " + r.file);
  Transaction transaction(database);
  for (const JsonRecord& r : records) {
    try {
      database.Write(r.file, r.key, r.text);
    } catch (const Error& e) {
      throw Error(e.code(), "line " + std::to_string(r.line) + ": " + e.what());
    }
  }
  transaction.Commit();
  return records.size();
}

std::size_t ImportJsonLinesFile(AdminDatabase& database, const std::string& path, bool latin1) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(kBadArgument, "cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return ImportJsonLines(database, content.str(), latin1);
}

void ExportJsonLines(AdminDatabase& database, const std::vector<std::string>& files,
                     std::ostream& out) {
  const std::vector<std::string> names = files.empty() ? database.FileNames() : files;
  for (const std::string& name : names)
    if (!database.HasFile(name)) throw Error(kFileNotFound, "no file named " + name);
  for (const std::string& name : names)
    database.ForEachRecord(name, [&](std::string_view key, std::string_view text) {
      out << ToJsonLine(name, key, text) << '\n';
    });
}

}  // namespace dba
