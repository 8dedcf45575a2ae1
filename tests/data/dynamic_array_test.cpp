#include "data/dynamic_array.h"

#include <gtest/gtest.h>

#include "data/record_text.h"

namespace {

using dba::DynArray;
using dba::RecordText;

const std::string kMarks = "\xFE\xFD\xFC";

DynArray Sample() {
  // attribute 1: "a"; 2: "b1", "b2" (b2 has subvalues s1, s2); 3: ""; 4: "d"
  return DynArray("KEY",
                  "a\xFE"
                  "b1\xFD"
                  "s1\xFC"
                  "s2\xFE\xFE"
                  "d");
}

TEST(DynArrayTest, ExtractAtEveryLevel) {
  const DynArray d = Sample();
  EXPECT_EQ(d.Extract(-1, -1, -1), d.Text());
  EXPECT_EQ(d.Extract(0), "KEY");
  EXPECT_EQ(d.Extract(1), "a");
  EXPECT_EQ(d.Extract(2), "b1\xFDs1\xFCs2");
  EXPECT_EQ(d.Extract(2, 2), "s1\xFCs2");
  EXPECT_EQ(d.Extract(2, 2, 2), "s2");
  EXPECT_EQ(d.Extract(2, 0, 0), d.Extract(2));
  EXPECT_EQ(d.Extract(3), "");
  EXPECT_EQ(d.Extract(9), "");
  EXPECT_EQ(d.Extract(1, 5), "");
  EXPECT_EQ(d(4), "d");
  EXPECT_EQ(d(2, 1), "b1");
}

TEST(DynArrayTest, ReplaceGrowsWithEmptyElements) {
  DynArray d;
  d.Set(3, "c");
  EXPECT_EQ(d.Text(),
            "\xFE\xFE"
            "c");
  d.Set(1, 2, "v2");
  EXPECT_EQ(d.Text(),
            "\xFDv2\xFE\xFE"
            "c");
  d.Replace(1, 2, 3, "s3");
  EXPECT_EQ(d(1, 2), "v2\xFC\xFCs3");
  d.Replace(-1, 0, 0, "appended");
  EXPECT_EQ(d.DCount(), 4);
  EXPECT_EQ(d(4), "appended");
  d.Replace(3, -1, 0, "c2");
  EXPECT_EQ(d(3),
            "c\xFD"
            "c2");
}

TEST(DynArrayTest, ReplaceWholeLevels) {
  DynArray d = Sample();
  d.Replace(2, 0, 0, "B");
  EXPECT_EQ(d(2), "B");
  EXPECT_EQ(d(4), "d");
  d.Replace(0, 0, 0, "");
  EXPECT_TRUE(d.Empty());
  EXPECT_EQ(d.DCount(), 0);
  EXPECT_EQ(d.Key(), "KEY");  // the key is not part of the text
}

TEST(DynArrayTest, CountsElements) {
  const DynArray d = Sample();
  EXPECT_EQ(d.ElementCount(-1, -1), 4);
  EXPECT_EQ(d.DCount(), 4);
  EXPECT_EQ(d.DCount(2), 2);
  EXPECT_EQ(d.ElementCount(2, 2), 2);
  EXPECT_EQ(d.DCount(3), 0);
  EXPECT_EQ(d.DCount(7), 0);
  EXPECT_EQ(DynArray().DCount(), 0);
  EXPECT_EQ(DynArray("x").DCount(), 1);
}

TEST(DynArrayTest, DeleteMovesLaterAttributesUp) {
  struct Case {
    int attribute;
    std::string expected;
  };
  const Case cases[] = {
      {1,
       "b1\xFDs1\xFCs2\xFE\xFE"
       "d"},
      {2,
       "a\xFE\xFE"
       "d"},
      {4,
       "a\xFE"
       "b1\xFDs1\xFCs2\xFE"},
      {5, Sample().Text()},
      {0, Sample().Text()},
  };
  for (const Case& c : cases) {
    DynArray d = Sample();
    d.Delete(c.attribute);
    EXPECT_EQ(d.Text(), c.expected) << "Delete(" << c.attribute << ")";
  }
  DynArray single("only");
  single.Delete(1);
  EXPECT_TRUE(single.Empty());
}

TEST(DynArrayTest, DeleteWhileWalkingAList) {
  // The name search removes repeated codes while walking its result.
  DynArray list(RecordText({{"000012019"}, {"000012018"}, {"000022019"}, {"000032019"}}));
  std::string last;
  for (int i = 1; !list(i, 1).empty();) {
    const std::string code = list(i, 1).substr(0, 5);
    if (code == last) {
      list.Delete(i);
    } else {
      last = code;
      ++i;
    }
  }
  EXPECT_EQ(list.Text(), RecordText({{"000012019"}, {"000022019"}, {"000032019"}}));
}

}  // namespace
