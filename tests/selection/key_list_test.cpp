// The one-pass list helpers must read and build exactly what Extract and Set would.
#include "selection/key_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantelor {
namespace {

std::vector<std::string> Lire(const dba::DynArray& liste) {
  std::vector<std::string> champs;
  PourChaqueAttribut(liste, [&](std::string_view c) { champs.emplace_back(c); });
  return champs;
}

TEST(KeyList, ReadsTheAttributesAsExtractGivesThem) {
  const std::string textes[] = {"",
                                "A",
                                "A\xFE"
                                "B",
                                "\xFE"
                                "B",
                                "A\xFE",
                                "A\xFE\xFE"
                                "C",
                                "A\xFD"
                                "a\xFC"
                                "s\xFE"
                                "B"};
  for (const std::string& texte : textes) {
    SCOPED_TRACE(texte);
    const dba::DynArray liste(texte);
    std::vector<std::string> attendus;
    for (int i = 1; i <= liste.DCount(); ++i) attendus.push_back(liste(i));
    EXPECT_EQ(Lire(liste), attendus);
  }
}

TEST(KeyList, ReadsTheValuesOfAnAttributeAsExtractGivesThem) {
  dba::DynArray rec(
      "1\xFE"
      "a\xFD\xFD"
      "c\xFC"
      "d\xFD\xFE"
      "3");
  std::vector<std::string> lus;
  PourChaqueChamp(rec(2), dba::kValueMark, [&](std::string_view v) { lus.emplace_back(v); });
  std::vector<std::string> attendus;
  for (int v = 1; v <= rec.DCount(2); ++v) attendus.push_back(rec.Extract(2, v));
  EXPECT_EQ(lus, attendus);
}

}  // namespace
}  // namespace vantelor
