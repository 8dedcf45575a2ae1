// The one-pass list helpers must read exactly what Extract gives, marks and empties included.
#include "selection/key_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantelor {
namespace {

TEST(KeyList, ReadsAttributesAndValuesAsExtractGivesThem) {
  for (const std::string texte : {"", "A",
                                  "A\xFE"
                                  "B",
                                  "\xFE"
                                  "B",
                                  "A\xFE",
                                  "A\xFE\xFE"
                                  "C",
                                  "1\xFE"
                                  "a\xFD\xFD"
                                  "c\xFC"
                                  "d\xFD\xFE"
                                  "3"}) {
    SCOPED_TRACE(texte);
    const dba::DynArray liste(texte);
    std::vector<std::string> lus, attendus, valeursLues, valeurs;
    PourChaqueAttribut(liste, [&](std::string_view c) { lus.emplace_back(c); });
    for (int i = 1; i <= liste.DCount(); ++i) attendus.push_back(liste(i));
    EXPECT_EQ(lus, attendus);
    PourChaqueChamp(liste(2), dba::kValueMark,
                    [&](std::string_view v) { valeursLues.emplace_back(v); });
    for (int v = 1; v <= liste.DCount(2); ++v) valeurs.push_back(liste.Extract(2, v));
    EXPECT_EQ(valeursLues, valeurs);
  }
}

}  // namespace
}  // namespace vantelor
