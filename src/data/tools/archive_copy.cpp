#include "data/tools/archive_copy.h"

#include "data/core/admin_database.h"

namespace dba {

namespace {

void RefuseHeldRecords(AdminDatabase& target) {
  for (const std::string& file : target.FileNames())
    if (const long long count = target.RecordCount(file); count > 0)
      throw Error(kBadArgument, target.DisplayName() + " already holds " + std::to_string(count) +
                                    " records in " + file +
                                    "; copy into an empty archive, or give --replace to "
                                    "replace its records");
}

}  // namespace

CopySummary CopyArchive(AdminDatabase& source, AdminDatabase& target, bool replace,
                        const CopyProgress& progress) {
  if (&source == &target || source.DisplayName() == target.DisplayName())
    throw Error(kBadArgument, "cannot copy " + source.DisplayName() + " onto itself");
  if (!replace) RefuseHeldRecords(target);
  const std::vector<std::string> files = source.FileNames();
  CopySummary summary;
  long long total = 0;
  for (const std::string& file : files) total += source.RecordCount(file);

  Transaction transaction(target);
  if (replace)
    for (const std::string& file : target.FileNames()) target.ClearFile(file);
  for (const std::string& file : files) target.CreateFile(file);
  for (const std::string& file : files) {
    source.ForEachRecord(file, [&](std::string_view key, std::string_view text) {
      target.Write(file, key, text);
      ++summary.records;
      if (progress) progress(summary.records, total);
    });
    ++summary.files;
  }
  // Defined last, each item indexes the records copied in one pass.
  for (const std::string& file : files)
    for (const DictionaryItem& item : source.DictionaryItems(file))
      target.DefineDictionaryItem(item);
  transaction.Commit();
  return summary;
}

}  // namespace dba
