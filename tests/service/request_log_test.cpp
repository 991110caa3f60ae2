// The request log: its line format, what it holds and its file copy.

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "service_fixture.h"

namespace velmar::service::testing {
namespace {

using RequestLogTest = ServiceTest;

TEST_F(RequestLogTest, LineHoldsPathRawQueryAndDecodedValues) {
  Body(std::string(kReportPath) + "?id=" + kOddIdEncoded +
       "&pc=PC1&black_ip=198.51.100.31&content=%EA%B0%80+a&rnd=2024530101&ver=V1.1");
  EXPECT_EQ(Log(),
            "/client/static/api_blackip_add_exec.php\t"
            "id=a%26b%3Dc+d&pc=PC1&black_ip=198.51.100.31&content=%EA%B0%80+a&rnd=2024530101"
            "&ver=V1.1\t"
            "id=a&b=c\\x20d\tpc=PC1\tblack_ip=198.51.100.31\tcontent=\\xEA\\xB0\\x80\\x20a\t"
            "rnd=2024530101\tver=V1.1\n");
}

TEST_F(RequestLogTest, RawBytesAreEscapedSoEachRequestStaysOneLine) {
  // As the client sends them: the ID with "&", "=" and a blank, a CP949 computer name, and a
  // value holding "\" and an encoded "%".
  Raw(std::string(kLoginPath) + "?id=a&b=c d&pwd=" + kOddIdDigest +
      "&nn=\xB0\xA1&v_num=5\\%25&rnd=1&ver=V1.0");
  EXPECT_EQ(Log(), std::string(kLoginPath) + "\tid=a&b=c\\x20d&pwd=" + kOddIdDigest +
                       "&nn=\\xB0\\xA1&v_num=5\\%25&rnd=1&ver=V1.0" + "\tid=a&b=c\\x20d\tpwd=" +
                       kOddIdDigest + "\tnn=\\xB0\\xA1\tv_num=5\\x5C\\x25\trnd=1\tver=V1.0\n");
}

TEST_F(RequestLogTest, KeepsArrivalOrderAndLeavesControlRequestsOut) {
  Body(std::string(kListPath) + "?id=demo&nn=PC1&rnd=1");
  Control("reset");
  Body("/client/banner_static.html");
  Body("/nowhere?x=1&&y");  // not a call: every segment is a key of its own
  Control("fault?path=%2Fnowhere&kind=drop");
  Raw("/nowhere?x=2");  // faulted requests are logged too
  EXPECT_EQ(Log(), std::string(kListPath) + "\tid=demo&nn=PC1&rnd=1\tid=demo\tnn=PC1\trnd=1\n" +
                       "/client/banner_static.html\t\n"
                       "/nowhere\tx=1&&y\tx=1\ty=\n"
                       "/nowhere\tx=2\tx=2\n");
}

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class RequestLogFileTest : public ServiceTest {
 protected:
  std::vector<std::string> Args() override {
    std::vector<std::string> args = DemoArgs();
    args.insert(args.end(), {"--log", log_path_});
    return args;
  }
  void TearDown() override { unlink(log_path_.c_str()); }

  const std::string log_path_ =
      ::testing::TempDir() + "velmar-service-log-" + std::to_string(getpid()) + ".txt";
};

TEST_F(RequestLogFileTest, FileFollowsTheMemoryLogThroughClear) {
  Body(std::string(kLogoutPath) + "?id=demo&nn=PC1&rnd=1");
  Body(std::string(kLogoutPath) + "?id=kim&nn=PC1&rnd=2");
  const std::string two_lines = Log();
  EXPECT_EQ(std::count(two_lines.begin(), two_lines.end(), '\n'), 2);
  EXPECT_EQ(FileText(log_path_), two_lines);

  Control("clear_log");
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(FileText(log_path_), "");

  Body(std::string(kLogoutPath) + "?id=demo&nn=PC1&rnd=3");
  const std::string one_line =
      std::string(kLogoutPath) + "\tid=demo&nn=PC1&rnd=3\tid=demo" + "\tnn=PC1\trnd=3\n";
  EXPECT_EQ(Log(), one_line);
  EXPECT_EQ(FileText(log_path_), one_line);
}

}  // namespace
}  // namespace velmar::service::testing
