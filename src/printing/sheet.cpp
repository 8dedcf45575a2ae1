#include "printing/sheet.h"

namespace printing {

std::string SheetPage::AllText() const {
  std::string all;
  for (const SheetText& t : texts) {
    all += t.text;
    all += '\n';
  }
  return all;
}

}  // namespace printing
