#include "data/core/dynamic_array.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using dba::DynArray;

// Readable marks: '^' attribute, ']' value, '~' subvalue.
std::string M(std::string text) {
  std::replace(text.begin(), text.end(), '^', '\xFE');
  std::replace(text.begin(), text.end(), ']', '\xFD');
  std::replace(text.begin(), text.end(), '~', '\xFC');
  return text;
}

TEST(DynArrayTest, ExtractCountReplaceAndDelete) {
  const DynArray d("KEY", M("a^b1]s1~s2^^d"));
  EXPECT_EQ(d.Extract(-1, -1, -1), d.Text());
  EXPECT_EQ(d.Extract(0), "KEY");
  EXPECT_EQ(d.Extract(2, 2), M("s1~s2"));
  EXPECT_EQ(d.Extract(2, 2, 2) + d.Extract(9) + d.Extract(1, 5), "s2");
  EXPECT_EQ(d.Extract(2, 0, 0), d.Extract(2));
  EXPECT_EQ(
      d.ElementCount(-1, -1) * 1000 + d.DCount(2) * 100 + d.ElementCount(2, 2) * 10 + d.DCount(3),
      4220);
  EXPECT_EQ(DynArray().DCount() + DynArray("x").DCount(), 1);

  DynArray g;
  g.Set(3, "c");
  g.Set(1, 2, "v2");
  g.Replace(1, 2, 3, "s3");
  g.Replace(-1, 0, 0, "appended");
  g.Replace(3, -1, 0, "c2");
  EXPECT_EQ(g.Text(), M("]v2~~s3^^c]c2^appended"));
  g.Replace(0, 0, 0, "");
  EXPECT_TRUE(g.Empty());

  for (const auto& [attribute, expected] :
       {std::pair{1, "b1]s1~s2^^d"}, {2, "a^^d"}, {4, "a^b1]s1~s2^"}, {0, "a^b1]s1~s2^^d"}}) {
    DynArray e = d;
    e.Delete(attribute);
    EXPECT_EQ(e.Text(), M(expected)) << "Delete(" << attribute << ")";
  }
}

}  // namespace
