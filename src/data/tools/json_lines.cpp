#include "data/tools/json_lines.h"

#include <optional>
#include <ostream>

#include "data/core/admin_database.h"
#include "data/core/dynamic_array.h"
#include "data/core/error.h"
#include "data/tools/input_file.h"
#include "data/tools/json_reader.h"
#include "data/tools/line_reader.h"
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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A record is a few kilobytes; a line this long is no record of ours.
constexpr std::size_t kLongestLine = std::size_t{64} << 20;

// Keys are written one a line by select and read: a line break or a NUL in one would
// break that, and no key of the archive holds one.
void CheckKey(std::string_view key) {
  if (key.find_first_of(std::string_view("\0\n\r", 3)) != std::string_view::npos)
    throw Error(kBadArgument, "the key holds a NUL byte or a line break");
}

// Line `number` of an import as a record, or nothing for a blank line. A UTF-8 byte-order
// mark before the first line is skipped. Faults name the line.
std::optional<JsonRecord> ReadLine(std::string_view raw, int number, bool latin1) {
  try {
    if (number == 1 && raw.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
      if (latin1)
        throw Error(kBadArgument,
                    "the text begins with a UTF-8 byte-order mark: it is UTF-8, not ISO-8859-1 "
                    "(import it without --latin1)");
      raw.remove_prefix(kByteOrderMark.size());
    }
    if (IsBlankLine(raw)) return std::nullopt;
    JsonRecord record = ParseJsonLine(latin1 ? text::Latin1ToUtf8(raw) : std::string(raw));
    CheckKey(record.key);
    record.line = number;
    return record;
  } catch (const Error& e) {
    throw Error(e.code(), "line " + std::to_string(number) + ": " + e.what());
  }
}

template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    visit(text.substr(start, end - start), number);
    start = end + 1;
  }
}

// Writes the records of an import as they come, line by line, inside one transaction
// that only Commit makes durable: memory does not grow with the input, and a fault on any
// line (or a read error of the input) leaves the database as it was.
class Importer {
 public:
  Importer(AdminDatabase& database, bool latin1)
      : database_(database), latin1_(latin1), transaction_(database) {}

  void Add(std::string_view line, int number) {
    std::optional<JsonRecord> r = ReadLine(line, number, latin1_);
    if (!r) return;
    try {
      if (!database_.HasFile(r->file))
        throw Error(kFileNotFound, "no file named " + text::Excerpt(r->file, 100));
      database_.Write(r->file, r->key, r->text);
    } catch (const Error& e) {
      throw Error(e.code(), "line " + std::to_string(number) + ": " + e.what());
    }
    ++count_;
  }

  std::size_t Commit() {
    transaction_.Commit();
    return count_;
  }

 private:
  AdminDatabase& database_;
  bool latin1_;
  Transaction transaction_;
  std::size_t count_ = 0;
};

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
  ForEachLine(text, [&](std::string_view line, int number) {
    if (auto record = ReadLine(line, number, latin1)) records.push_back(std::move(*record));
  });
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
  Importer importer(database, latin1);
  ForEachLine(text, [&](std::string_view line, int number) { importer.Add(line, number); });
  return importer.Commit();
}

std::size_t ImportJsonLinesFile(AdminDatabase& database, const std::string& path, bool latin1) {
  InputFile input(path);
  Importer importer(database, latin1);
  LineReader lines(input, kLongestLine);
  std::string_view line;
  for (int number = 1; lines.Next(line); ++number) importer.Add(line, number);
  return importer.Commit();
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
