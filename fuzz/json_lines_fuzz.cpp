// Any text as a JSON Lines import: it must be read whole or refused with a dba::Error,
// and every record read must survive writing it back out and reading it again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/archive/archive_files.h"
#include "data/core/admin_database.h"
#include "data/tools/json_lines.h"
#include "data/tools/new_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (bool latin1 : {false, true}) {
    std::vector<dba::JsonRecord> records;
    try {
      records = dba::ParseJsonLines(text, latin1);
    } catch (const dba::Error&) {
      continue;
    }
    for (const dba::JsonRecord& r : records) {
      const dba::JsonRecord back = dba::ParseJsonLine(dba::ToJsonLine(r.file, r.key, r.text));
      if (back.file != r.file || back.key != r.key || back.text != r.text) std::abort();
    }
  }
  static const std::shared_ptr<dba::AdminDatabase> archive = dba::NewMemoryArchive();
  try {
    dba::Transaction scratch(*archive);  // never committed: each input starts empty
    dba::ImportJsonLines(*archive, text);
  } catch (const dba::Error&) {
  }
  return 0;
}
