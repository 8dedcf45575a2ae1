#include "data/archive/civil_record.h"

#include "data/archive/archive_files.h"
#include "text/text.h"

namespace dba {

std::string CivilAideView::AccessCode() const { return text::Left(AccessData(), 3); }

std::string_view CivilFile(PersonKind kind) {
  return kind == PersonKind::kCaregiver ? files::kCivilAidant : files::kCivilAide;
}

std::string AccessCode(PersonKind kind, const DynArray& civil) {
  if (kind == PersonKind::kCaregiver) return CivilAidantView(civil).AccessCode();
  return CivilAideView(civil).AccessCode();
}

}  // namespace dba
