// The five calls and the two pages, answered from the demo seed over real HTTP.

#include <string>
#include <vector>

#include "service_fixture.h"

namespace velmar::service::testing {
namespace {

std::string LoginQuery(const std::string& id, const std::string& digest) {
  return std::string(kLoginPath) + "?id=" + id + "&pwd=" + digest +
         "&nn=PC1&v_num=A1B2C3&rnd=2024530101&ver=V1.0";
}

std::string InfoQuery(const std::string& id, const std::string& ip) {
  return std::string(kInfoPath) + "?id=" + id + "&ip=" + ip + "&nn=PC1&rnd=2024530101";
}

std::string ReportQuery(const std::string& id, const std::string& ip, const std::string& content) {
  return std::string(kReportPath) + "?id=" + id + "&pc=PC1&black_ip=" + ip + "&content=" + content +
         "&rnd=2024530101&ver=V1.1";
}

using ApiCallsTest = ServiceTest;

TEST_F(ApiCallsTest, LoginAcceptsOnlyTheExactDigestOfTheAccount) {
  const std::string upper_digest = "6E9BECE1914809FB8493146417E722F6";
  struct Case {
    const char* what;
    std::string target;
    const char* answer;
  };
  const std::vector<Case> cases = {
      {"right digest", LoginQuery("demo", kDemoDigest), "TRUE\n"},
      {"digest of another account", LoginQuery("demo", kKimDigest), "FALSE\n"},
      {"upper-case digest", LoginQuery("demo", upper_digest), "FALSE\n"},
      {"digest with a trailing blank", LoginQuery("demo", std::string(kDemoDigest) + "+"),
       "FALSE\n"},
      {"unknown id", LoginQuery("nobody", kDemoDigest), "FALSE\n"},
      {"id differing in case", LoginQuery("Demo", kDemoDigest), "FALSE\n"},
      {"empty id and digest", LoginQuery("", ""), "FALSE\n"},
      {"no pwd key", std::string(kLoginPath) + "?id=demo&nn=PC1&rnd=1&ver=V1.0", "FALSE\n"},
      {"second account", LoginQuery("kim", kKimDigest), "TRUE\n"},
      {"id with & = and blank, encoded", LoginQuery(kOddIdEncoded, kOddIdDigest), "TRUE\n"},
      {"keys in another order",
       std::string(kLoginPath) + "?ver=V1.0&rnd=1&pwd=" + kDemoDigest + "&nn=PC1&id=demo",
       "TRUE\n"},
  };
  for (const Case& c : cases) {
    const Fetched answer = Get(c.target);
    EXPECT_EQ(answer.status, 200) << c.what;
    EXPECT_EQ(answer.content_type, "text/plain; charset=utf-8") << c.what;
    EXPECT_EQ(answer.body, c.answer) << c.what;
  }
}

TEST_F(ApiCallsTest, LoginReadsAnIdSentUnencodedAsTyped) {
  // The client puts the ID into the URL as typed: "&", "=" and the blank arrive raw.
  const std::string target = std::string(kLoginPath) + "?id=a&b=c d&pwd=" + kOddIdDigest +
                             "&nn=PC1&v_num=A1&rnd=1&ver=V1.0";
  const auto answer = ParseWireAnswer(Raw(target));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->body, "TRUE\n");
}

TEST_F(ApiCallsTest, ContractListServesEveryContractInSeedOrderWithUtf8Memos) {
  EXPECT_EQ(Body(std::string(kListPath) + "?id=demo&nn=PC1&rnd=1"),
            u8"TRUE\n"
            u8"203.0.113.11#KVELT#2015-06-30#KVELT#사무실 회선#KVELT#0#KVELT#vu11#KVELT#vp11"
            u8"#KVELT#127.0.0.2\n"
            u8"203.0.113.12#KVELT#2099-12-31#KVELT#테스트용#KVELT#1#KVELT#vu12#KVELT#vp12"
            u8"#KVELT#127.0.0.2\n"
            u8"203.0.113.13#KVELT#2099-12-31#KVELT#집 회선#KVELT#0#KVELT#vu13#KVELT#vp13"
            u8"#KVELT#127.0.0.3\n");
  // The memo's bytes, spelled out so that the check does not rest on the literal's encoding.
  EXPECT_NE(Body(std::string(kListPath) + "?id=demo&nn=PC1&rnd=1")
                .find("\xEC\x82\xAC\xEB\xAC\xB4\xEC\x8B\xA4 \xED\x9A\x8C\xEC\x84\xA0"),
            std::string::npos);
  EXPECT_EQ(Body(std::string(kListPath) + "?id=" + kOddIdEncoded + "&nn=PC1&rnd=1"),
            u8"TRUE\n198.51.100.31#KVELT#2099-01-31#KVELT#특수 아이디#KVELT#0#KVELT#vu31"
            u8"#KVELT#vp31#KVELT#127.0.0.2\n");
  EXPECT_EQ(Body(std::string(kListPath) + "?id=nobody&nn=PC1&rnd=1"), "FALSE\n");
  EXPECT_EQ(Body(std::string(kListPath) + "?nn=PC1&rnd=1"), "FALSE\n");
}

TEST_F(ApiCallsTest, ContractInfoTellsExpiredFromValidAndRefusesForeignIps) {
  struct Case {
    const char* id;
    const char* ip;
    const char* answer;
  };
  const Case cases[] = {
      {"demo", "203.0.113.11", "TRUE\n203.0.113.11#KVELT#0#KVELT#2015-06-30\n"},
      {"demo", "203.0.113.12", "TRUE\n203.0.113.12#KVELT#1#KVELT#2099-12-31\n"},
      {"demo", "203.0.113.13", "TRUE\n203.0.113.13#KVELT#1#KVELT#2099-12-31\n"},
      {"kim", "198.51.100.21", "TRUE\n198.51.100.21#KVELT#1#KVELT#2099-06-30\n"},
      {"demo", "198.51.100.21", "FALSE\n"},  // kim's contract
      {"demo", "203.0.113.1", "FALSE\n"},
      {"demo", "", "FALSE\n"},
      {"nobody", "203.0.113.11", "FALSE\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Body(InfoQuery(c.id, c.ip)), c.answer) << c.id << " " << c.ip;
  }
}

TEST(ContractInfoExpiryTest, AContractIsValidUpToAndIncludingItsExpiryDay) {
  struct Case {
    const char* today;
    const char* ip;
    const char* state;
  };
  const Case cases[] = {
      {"2015-06-29", "203.0.113.11", "1"}, {"2015-06-30", "203.0.113.11", "1"},
      {"2015-07-01", "203.0.113.11", "0"}, {"2099-12-31", "203.0.113.12", "1"},
      {"2100-01-01", "203.0.113.12", "0"},
  };
  for (const Case& c : cases) {
    std::string failure;
    const auto service = ServiceProcess::Start(DemoArgs(c.today), &failure);
    ASSERT_TRUE(service) << failure;
    const std::string body = Fetch(service->port(), InfoQuery("demo", c.ip)).body;
    EXPECT_EQ(body.substr(0, 5 + std::string(c.ip).size() + 8),
              "TRUE\n" + std::string(c.ip) + "#KVELT#" + c.state)
        << c.today << " " << c.ip;
  }
}

TEST_F(ApiCallsTest, ReportChecksAccountThenIpThenContentAndKeepsAcceptedOnes) {
  struct Case {
    const char* what;
    std::string target;
    const char* answer;
  };
  const std::vector<Case> cases = {
      {"accepted", ReportQuery("demo", "203.0.113.13", "%EA%B0%80+a"), "TRUE\n"},
      {"unknown id", ReportQuery("nobody", "203.0.113.13", "x"), "FALSE\n"},
      {"unknown id and foreign ip", ReportQuery("nobody", "198.51.100.21", "x"), "FALSE\n"},
      {"ip of another account", ReportQuery("demo", "198.51.100.21", "x"), "FALSE2\n"},
      {"ip of no account", ReportQuery("demo", "192.0.2.1", "x"), "FALSE2\n"},
      {"foreign ip and empty content", ReportQuery("demo", "192.0.2.1", ""), "FALSE2\n"},
      {"empty content", ReportQuery("demo", "203.0.113.13", ""), "FALSE\n"},
      {"no content key",
       std::string(kReportPath) + "?id=demo&pc=PC1&black_ip=203.0.113.13&rnd=1&ver=V1.1",
       "FALSE\n"},
      {"content a&b=c, encoded", ReportQuery("kim", "198.51.100.21", "a%26b%3Dc"), "TRUE\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Body(c.target), c.answer) << c.what;

  EXPECT_EQ(Body("/__control/reports"),
            "demo\tPC1\t203.0.113.13\t\\xEA\\xB0\\x80\\x20a\n"
            "kim\tPC1\t198.51.100.21\ta&b=c\n");
}

TEST_F(ApiCallsTest, LogoutAnswersTrueWhoeverAsks) {
  EXPECT_EQ(Body(std::string(kLogoutPath) + "?id=demo&nn=PC1&rnd=1"), "TRUE\n");
  EXPECT_EQ(Body(std::string(kLogoutPath) + "?id=nobody&nn=PC1&rnd=1"), "TRUE\n");
  EXPECT_NE(Log().find(std::string(kLogoutPath) + "\tid=demo&nn=PC1&rnd=1\t"), std::string::npos);
}

TEST_F(ApiCallsTest, PagesAreUtf8HtmlWithKoreanText) {
  struct Case {
    const char* target;
    std::string text;
  };
  const Case cases[] = {
      {"/client/banner_static.html", u8"전용 IP"},
      {"/client/api_board.php?type=0&agent=vpn", u8"서버 점검 안내"},
      {"/client/api_board.php?type=0&agent=vpn", u8"새 버전이 나왔습니다"},
  };
  for (const Case& c : cases) {
    const Fetched page = Get(c.target);
    EXPECT_EQ(page.status, 200) << c.target;
    EXPECT_EQ(page.content_type, "text/html; charset=utf-8") << c.target;
    EXPECT_EQ(page.body.rfind("<!DOCTYPE html>", 0), 0u) << c.target;
    EXPECT_NE(page.body.find("<meta charset=\"utf-8\">"), std::string::npos) << c.target;
    EXPECT_NE(page.body.find(c.text), std::string::npos) << c.target;
  }
}

TEST_F(ApiCallsTest, UnknownPagesAndOtherBoardsAreNotFound) {
  for (const char* target : {"/client/api_board.php?type=1&agent=vpn", "/client/api_board.php",
                             "/client/static/api_nothing.php?id=demo", "/"}) {
    const Fetched page = Get(target);
    EXPECT_EQ(page.status, 404) << target;
    EXPECT_EQ(page.body, "<html><body>404 Not Found</body></html>") << target;
  }
}

TEST_F(ApiCallsTest, OtherMethodsThanGetAreRefused) {
  const auto answer = ParseWireAnswer(ExchangeRaw(
      port(), "POST " + LoginQuery("demo", kDemoDigest) + " HTTP/1.1\r\nHost: x\r\n\r\n"));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 405);
}

}  // namespace
}  // namespace velmar::service::testing
