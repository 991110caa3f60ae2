#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_lines.h"
#include "platform/line_reader.h"

namespace {

using platform::LineStatus;

struct ReadAll {
  std::vector<std::string> lines;
  LineStatus last;
};

ReadAll ReadEverything(platform::LineReader& reader) {
  ReadAll all;
  std::string line;
  while ((all.last = reader.ReadLine(line)) == LineStatus::kLine) all.lines.push_back(line);
  return all;
}

struct LineCase {
  const char* name;
  std::string body;
  std::vector<std::string> lines;
};

class LineRules : public testing::TestWithParam<LineCase> {};

TEST_P(LineRules, SplitsTheBodyAsTheCallsExpect) {
  const LineCase& c = GetParam();
  for (std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
    test::BodyAnswer answer(c.body, false, chunk);
    platform::LineReader reader(answer);
    ReadAll all = ReadEverything(reader);
    EXPECT_EQ(all.lines, c.lines) << "chunk " << chunk;
    EXPECT_EQ(all.last, LineStatus::kEnd);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, LineRules,
    testing::Values(LineCase{"empty", "", {}},
                    LineCase{"no_final_lf", "TRUE", {"TRUE"}},
                    LineCase{"final_lf", "TRUE\n", {"TRUE"}},
                    LineCase{"crlf", "TRUE\r\nx\r\n", {"TRUE", "x"}},
                    LineCase{"cr_anywhere", "TR\rUE\n", {"TRUE"}},
                    LineCase{"blank_lines", "\n\nTRUE\n", {"", "", "TRUE"}},
                    LineCase{"blanks_kept", " TRUE \n", {" TRUE "}}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(LineReader, ReportsATransportFailureInsteadOfAPartialLine) {
  test::BodyLines body("TRUE\npart", /*fail_at_end=*/true);
  std::string line;
  ASSERT_EQ(body.reader.ReadLine(line), LineStatus::kLine);
  EXPECT_EQ(line, "TRUE");
  EXPECT_EQ(body.reader.ReadLine(line), LineStatus::kFailed);
}

TEST(LineReader, BoundsTheLineAndTheBody) {
  std::string huge_line(platform::LineReader::kMaxLineBytes + 100, 'x');
  test::BodyLines one(huge_line + "\nnext\n");
  std::string line;
  ASSERT_EQ(one.reader.ReadLine(line), LineStatus::kLine);
  EXPECT_EQ(line.size(), platform::LineReader::kMaxLineBytes);
  ASSERT_EQ(one.reader.ReadLine(line), LineStatus::kLine);
  EXPECT_EQ(line, "next");

  std::string many;
  while (many.size() <= platform::LineReader::kMaxBodyBytes + 8192) many += "0123456789\n";
  test::BodyLines big(many);
  ReadAll all = ReadEverything(big.reader);
  EXPECT_EQ(all.last, LineStatus::kEnd);
  EXPECT_LE(all.lines.size() * 11, platform::LineReader::kMaxBodyBytes + 11);
}

}  // namespace
