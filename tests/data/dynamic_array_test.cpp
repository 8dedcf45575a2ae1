#include "data/dynamic_array.h"

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

DynArray Sample() { return DynArray("KEY", M("a^b1]s1~s2^^d")); }

TEST(DynArrayTest, ExtractAndCountAtEveryLevel) {
  const DynArray d = Sample();
  EXPECT_EQ(d.Extract(-1, -1, -1), d.Text());
  EXPECT_EQ(d.Extract(0), "KEY");
  EXPECT_EQ(d.Extract(2), M("b1]s1~s2"));
  EXPECT_EQ(d.Extract(2, 2), M("s1~s2"));
  EXPECT_EQ(d.Extract(2, 2, 2), "s2");
  EXPECT_EQ(d.Extract(2, 0, 0), d.Extract(2));
  EXPECT_EQ(d.Extract(9), "");
  EXPECT_EQ(d.Extract(1, 5), "");
  EXPECT_EQ(d(2, 1), "b1");
  EXPECT_EQ(d.ElementCount(-1, -1), 4);
  EXPECT_EQ(d.DCount(2), 2);
  EXPECT_EQ(d.ElementCount(2, 2), 2);
  EXPECT_EQ(d.DCount(3), 0);
  EXPECT_EQ(d.DCount(7), 0);
  EXPECT_EQ(DynArray().DCount(), 0);
  EXPECT_EQ(DynArray("x").DCount(), 1);
}

TEST(DynArrayTest, ReplaceGrowsWithEmptyElementsAndReplacesWholeLevels) {
  DynArray d;
  d.Set(3, "c");
  EXPECT_EQ(d.Text(), M("^^c"));
  d.Set(1, 2, "v2");
  EXPECT_EQ(d.Text(), M("]v2^^c"));
  d.Replace(1, 2, 3, "s3");
  EXPECT_EQ(d(1, 2), M("v2~~s3"));
  d.Replace(-1, 0, 0, "appended");
  EXPECT_EQ(d(4), "appended");
  d.Replace(3, -1, 0, "c2");
  EXPECT_EQ(d(3), M("c]c2"));
  DynArray s = Sample();
  s.Replace(2, 0, 0, "B");
  EXPECT_EQ(s.Text(), M("a^B^^d"));
  s.Replace(0, 0, 0, "");
  EXPECT_TRUE(s.Empty());
  EXPECT_EQ(s.Key(), "KEY");  // the key is not part of the text
}

TEST(DynArrayTest, DeleteMovesLaterAttributesUp) {
  const std::pair<int, const char*> cases[] = {
      {1, "b1]s1~s2^^d"},   {2, "a^^d"},          {4, "a^b1]s1~s2^"},
      {5, "a^b1]s1~s2^^d"}, {0, "a^b1]s1~s2^^d"},
  };
  for (const auto& [attribute, expected] : cases) {
    DynArray d = Sample();
    d.Delete(attribute);
    EXPECT_EQ(d.Text(), M(expected)) << "Delete(" << attribute << ")";
  }
  DynArray single("only");
  single.Delete(1);
  EXPECT_TRUE(single.Empty());
}

}  // namespace
