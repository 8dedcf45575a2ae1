#include "data/civil_record.h"

#include "text/text.h"

namespace dba {

std::string CivilAideView::AccessCode() const { return text::Left(AccessData(), 3); }

}  // namespace dba
