// The list of proving solutions: what the generator writes reads back, and a damaged line is
// named rather than half read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SolutionList.h"

namespace kelvora::testing {
namespace {

TEST(SolutionList, WhatIsWrittenReadsBackWithEitherLineEnd) {
  const std::string text = SolutionListText({"M", "", "QSQSM"});
  EXPECT_EQ(text, "1 M\n0 \n5 QSQSM\n");
  const std::vector<StageSolution> expected{{1, "M"}, {0, ""}, {5, "QSQSM"}};
  const auto read = ReadSolutionList(text);
  ASSERT_TRUE(read.ok()) << read.status().English();
  EXPECT_EQ(*read, expected);
  const auto crlf = ReadSolutionList("1 M\r\n0 \r\n5 QSQSM\r\n");
  ASSERT_TRUE(crlf.ok()) << crlf.status().English();
  EXPECT_EQ(*crlf, expected);
  EXPECT_TRUE(ReadSolutionList("").ok());
}

TEST(SolutionList, NamesTheFirstLineThatIsNotAParAndItsMoves) {
  struct Case {
    const char* text;
    const char* why;
  };
  for (const Case& c : {
           Case{"1 M\n\n", "line 2: expected a par, a blank and the move letters"},
           Case{"1 M\nM\n", "line 2: expected a par"},
           Case{"1M\n", "line 1: expected a par"},
           Case{"-1 \n", "line 1: expected a par"},
           Case{"2 M\n", "line 1: a par of 2 with 1 move letter"},
           Case{"1 M\n3 QSQSM\n", "line 2: a par of 3 with 5 move letters"},
       }) {
    const auto read = ReadSolutionList(c.text);
    ASSERT_FALSE(read.ok()) << c.text;
    EXPECT_EQ(read.status().code(), Status::Code::kDamaged);
    EXPECT_NE(read.status().English().find(c.why), std::string::npos) << read.status().English();
  }
}

}  // namespace
}  // namespace kelvora::testing
