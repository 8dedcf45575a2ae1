// Any text as a query sentence: parsing and running it must end in keys or a dba::Error,
// never a crash, a hang or another exception.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/archive/archive_files.h"
#include "data/core/admin_database.h"
#include "data/core/database.h"
#include "data/core/record_text.h"
#include "data/tools/new_archive.h"

namespace {

dba::AdminDatabase& Archive() {
  static const std::shared_ptr<dba::AdminDatabase> db = [] {
    auto archive = dba::NewMemoryArchive();
    archive->OpenFile("CIVILAIDANT")
        ->WriteRecord("00012", dba::RecordText({{"Mme"}, {"DUPONT"}, {"Marie"}}));
    archive->OpenFile("AIDANTSARCHIVEBULL")
        ->WriteRecord("000122003", dba::RecordText({{""}, {"K"}}));
    archive->OpenFile("ASSOCIATION")->WriteRecord("A01", std::string(48, '\xFE') + "1");
    return archive;
  }();
  return *db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    Archive().ExecuteSentence(text);  // the whole input as a query command
  } catch (const dba::Error&) {
  }
  try {
    Archive().SelectKeys(text);  // the whole input as a sentence
  } catch (const dba::Error&) {
  }
  return 0;
}
