#include "data/archive/detail_records.h"

namespace dba {

std::vector<EnteredItemLine> DetailCalculView::Items(int codeAttribute) const {
  std::vector<EnteredItemLine> lines;
  const int count = r_.DCount(codeAttribute);
  for (int i = 1; i <= count; ++i)
    lines.push_back({r_(codeAttribute, i), r_(codeAttribute + 1, i), r_(codeAttribute + 2, i),
                     r_(codeAttribute + 3, i)});
  return lines;
}

std::vector<EnteredItemLine> DetailCalculView::ItemsBefore() const { return Items(2); }
std::vector<EnteredItemLine> DetailCalculView::ItemsAfter() const { return Items(17); }

std::vector<ContributionLine> DetailCalculView::Contributions() const {
  std::vector<ContributionLine> lines;
  const int count = r_.DCount(8);
  for (int i = 1; i <= count; ++i)
    lines.push_back({r_(8, i), r_(9, i), r_(10, i), r_(11, i), r_(12, i), r_(13, i), r_(14, i)});
  return lines;
}

}  // namespace dba
