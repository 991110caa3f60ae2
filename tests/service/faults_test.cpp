// Faults armed through the control endpoint, seen on the wire, and run-time contract changes.

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "service_fixture.h"

namespace velmar::service::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

const std::string kLogin =
    std::string(kLoginPath) + "?id=demo&pwd=" + kDemoDigest + "&nn=PC1&v_num=A1&rnd=1&ver=V1.0";
const std::string kList = std::string(kListPath) + "?id=demo&nn=PC1&rnd=1";
const std::string kLoginPathEncoded = "%2Fclient%2Fstatic%2Fapi_login.php";
const std::string kListPathEncoded = "%2Fclient%2Fstatic%2Fapi_contract_list.php";

class FaultsTest : public ServiceTest {
 protected:
  WireAnswer Wire(const std::string& target) {
    const auto answer = ParseWireAnswer(Raw(target));
    EXPECT_TRUE(answer) << target;
    return answer.value_or(WireAnswer{});
  }
};

std::vector<std::string> Lines(const std::string& body) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < body.size()) {
    size_t end = body.find('\n', start);
    if (end == std::string::npos) end = body.size();
    lines.push_back(body.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string WithCrLf(const std::string& body) {
  std::string converted;
  for (char c : body) {
    if (c == '\n') converted += '\r';
    converted += c;
  }
  return converted;
}

TEST_F(FaultsTest, CompleteAnswersCarryTheBodyAndStatusTheFaultAsksFor) {
  const std::string normal_list = Body(kList);
  struct Case {
    std::string fault;
    std::string target;
    int status;
    std::string body;
  };
  const std::vector<Case> cases = {
      {"path=" + kLoginPathEncoded + "&kind=status&code=500", kLogin, 500,
       "<html><body>500 Internal Server Error</body></html>"},
      {"path=" + kLoginPathEncoded + "&kind=status&code=404&body=TRUE", kLogin, 404, "TRUE"},
      {"path=" + kLoginPathEncoded + "&kind=status_keep_body&code=503", kLogin, 503, "TRUE\n"},
      {"path=" + kLoginPathEncoded + "&kind=empty", kLogin, 200, ""},
      {"path=" + kLoginPathEncoded + "&kind=body&body=x%0D%0ATRUE+%00%0A", kLogin, 200,
       std::string("x\r\nTRUE \0\n", 10)},
      {"path=" + kListPathEncoded + "&kind=crlf", kList, 200, WithCrLf(normal_list)},
  };
  for (const Case& c : cases) {
    Control("fault?" + c.fault);
    const WireAnswer answer = Wire(c.target);
    EXPECT_EQ(answer.status, c.status) << c.fault;
    EXPECT_EQ(answer.body, c.body) << c.fault;
    EXPECT_EQ(answer.content_length, c.body.size()) << c.fault;
    Control("reset");
  }
}

TEST_F(FaultsTest, DelayWaitsThenAnswersNormally) {
  Control("fault?path=" + kLoginPathEncoded + "&kind=delay&ms=300&times=1");
  const auto started = steady_clock::now();
  EXPECT_EQ(Body(kLogin), "TRUE\n");
  EXPECT_GE(steady_clock::now() - started, milliseconds(300));
}

TEST_F(FaultsTest, DropClosesWithoutSendingAByteButStillLogs) {
  Control("fault?path=" + kLoginPathEncoded + "&kind=drop");
  EXPECT_EQ(Raw(kLogin), "");
  EXPECT_FALSE(Get(kLogin).received);
  const std::string log = Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
  EXPECT_EQ(Body(kList).substr(0, 5), "TRUE\n");  // other paths are untouched
}

TEST_F(FaultsTest, DropMidAnnouncesMoreThanItSends) {
  const std::string normal_list = Body(kList);
  Control("fault?path=" + kListPathEncoded + "&kind=drop_mid");
  Control("fault?path=" + kLoginPathEncoded + "&kind=drop_mid");
  struct Case {
    std::string target;
    std::string sent;
    size_t announced;
  };
  const Case cases[] = {
      {kList, "TRUE\n", normal_list.size()},  // the first line of several
      {kLogin, "TR", 5},                      // half of a single line
  };
  for (const Case& c : cases) {
    const WireAnswer answer = Wire(c.target);
    EXPECT_EQ(answer.status, 200) << c.target;
    EXPECT_EQ(answer.body, c.sent) << c.target;
    EXPECT_EQ(answer.content_length, c.announced) << c.target;
    EXPECT_FALSE(Get(c.target).received) << c.target;
  }
}

TEST_F(FaultsTest, OversizedBodyIsTrueThenGarbageOfExactlyTheAskedSize) {
  struct Case {
    std::string query;
    size_t size;
  };
  const Case cases[] = {{"", 8 * 1024 * 1024}, {"&bytes=1000", 1000}, {"&bytes=3", 3}};
  for (const Case& c : cases) {
    Control("fault?path=" + kLoginPathEncoded + "&kind=oversized" + c.query);
    const std::string body = Wire(kLogin).body;
    ASSERT_EQ(body.size(), c.size) << c.query;
    EXPECT_EQ(body.substr(0, 5), std::string("TRUE\n").substr(0, c.size)) << c.query;
    const std::vector<std::string> lines = Lines(body);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "TRUE"), c.size >= 4 ? 1 : 0) << c.query;
    EXPECT_EQ(body.find("#KVELT#"), std::string::npos) << c.query;
  }
}

TEST_F(FaultsTest, OversizedLineIsTrueThenOneUnendedLine) {
  Control("fault?path=" + kLoginPathEncoded + "&kind=oversized_line&bytes=100000");
  const std::string body = Wire(kLogin).body;
  ASSERT_EQ(body.size(), 5u + 100000u);
  EXPECT_EQ(body.substr(0, 5), "TRUE\n");
  EXPECT_EQ(body.find('\n', 5), std::string::npos);
}

TEST_F(FaultsTest, TimesLimitsTheFaultAndResetClearsIt) {
  Control("fault?path=" + kLoginPathEncoded + "&kind=empty&times=2");
  EXPECT_EQ(Body(kLogin), "");
  EXPECT_EQ(Body(kLogin), "");
  EXPECT_EQ(Body(kLogin), "TRUE\n");

  Control("fault?path=" + kLoginPathEncoded + "&kind=empty");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Body(kLogin), "");
  Control("fault?path=" + kLoginPathEncoded + "&kind=body&body=FALSE");  // replaces it
  EXPECT_EQ(Body(kLogin), "FALSE");
  Control("reset");
  EXPECT_EQ(Body(kLogin), "TRUE\n");
}

TEST_F(FaultsTest, BadFaultOrdersAreRefused) {
  const char* orders[] = {
      "fault?kind=drop",
      "fault?path=%2Fx",
      "fault?path=%2Fx&kind=explode",
      "fault?path=%2Fx&kind=delay&ms=fast",
      "fault?path=%2Fx&kind=delay&ms=999999",
      "fault?path=%2Fx&kind=status&code=99",
      "fault?path=%2Fx&kind=oversized&bytes=-1",
      "fault?path=%2Fx&kind=empty&times=0",
      "fault?path=%2Fx&kind=body",
      "fault?path=%2F__control%2Flog&kind=drop",
      "no_such_endpoint",
  };
  for (const char* order : orders) {
    const int status = Get(std::string("/__control/") + order).status;
    EXPECT_TRUE(status == 400 || status == 404) << order << " got " << status;
  }
  EXPECT_EQ(Body("/__control/log"), "");  // still reachable, nothing armed on it
}

TEST_F(FaultsTest, ContractChangesShowInListAndInfo) {
  const std::string info = std::string(kInfoPath) + "?id=demo&ip=203.0.113.11&nn=PC1&rnd=1";
  Control("contract?ip=203.0.113.11&busy=1");
  EXPECT_NE(Body(kList).find("2015-06-30#KVELT#" + std::string(u8"사무실 회선") + "#KVELT#1#"),
            std::string::npos);
  Control("contract?ip=203.0.113.11&expiry=2099-01-01");
  EXPECT_EQ(Body(info), "TRUE\n203.0.113.11#KVELT#1#KVELT#2099-01-01\n");
  Control("contract?ip=203.0.113.11&busy=0&expiry=2020-01-01");
  EXPECT_EQ(Body(info), "TRUE\n203.0.113.11#KVELT#0#KVELT#2020-01-01\n");

  EXPECT_EQ(Get("/__control/contract?ip=192.0.2.1&busy=1").status, 404);
  for (const char* bad : {"contract?ip=203.0.113.11&busy=2", "contract?ip=203.0.113.11",
                          "contract?ip=203.0.113.11&expiry=2099-02-30", "contract?busy=1"}) {
    EXPECT_EQ(Get(std::string("/__control/") + bad).status, 400) << bad;
  }
}

}  // namespace
}  // namespace velmar::service::testing
