// The HTTP port and the line reader against the reference service: what an
// answer is, what a transport failure is, and how far a body is read.
// VELMAR_TEST_SERVICE=host:port names the velmar-service to use; without it
// the cases are skipped (the native program then starts a service of its own).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "api/request_core.h"
#include "backend.h"
#include "service_control.h"

namespace {

using platform::LineReader;
using platform::LineStatus;

constexpr char kLogin[] = "/client/static/api_login.php";
constexpr char kContractList[] = "/client/static/api_contract_list.php";
constexpr char kDemoDigest[] = "6e9bece1914809fb8493146417e722f6";  // of "demo1234"

class HttpContract : public testing::Test {
 protected:
  void SetUp() override {
    const char* host = std::getenv("VELMAR_TEST_SERVICE");
    if (host == nullptr || *host == '\0') {
      GTEST_SKIP() << "VELMAR_TEST_SERVICE (host:port of velmar-service) is not set";
    }
    service_ = std::make_unique<contract::ServiceControl>(os_.http, host);
    ASSERT_TRUE(service_->Reset()) << "velmar-service does not answer on " << host;
  }
  void TearDown() override {
    if (service_) service_->Reset();
  }

  std::string LoginUrl(const std::string& id, const std::string& digest) {
    return service_->FreshUrl(std::string(kLogin) + "?id=" + id + "&pwd=" + digest +
                              "&nn=CONTRACT&v_num=A1B2C3&ver=V1.0");
  }
  std::string DemoListUrl() {
    return service_->FreshUrl(std::string(kContractList) + "?id=demo&nn=CONTRACT");
  }

  std::unique_ptr<contract::Backend> backend_ = contract::MakeBackend();
  platform::Platform& os_ = backend_->ports();
  std::unique_ptr<contract::ServiceControl> service_;
};

TEST_F(HttpContract, AnswerIsReadAsLines) {
  std::optional<contract::AnswerLines> answer = service_->Lines(DemoListUrl());
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->end, LineStatus::kEnd);
  ASSERT_EQ(answer->lines.size(), 4u);
  EXPECT_EQ(answer->lines[0], "TRUE");
  const char* ips[] = {"203.0.113.11", "203.0.113.12", "203.0.113.13"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(answer->lines[i + 1].rfind(std::string(ips[i]) + api::kFieldSeparator, 0), 0u)
        << answer->lines[i + 1];
  }
}

TEST_F(HttpContract, LoginAnswersTrueOrFalse) {
  std::optional<contract::AnswerLines> right = service_->Lines(LoginUrl("demo", kDemoDigest));
  std::optional<contract::AnswerLines> wrong =
      service_->Lines(LoginUrl("demo", "00000000000000000000000000000000"));
  ASSERT_TRUE(right && wrong);
  EXPECT_EQ(right->lines, std::vector<std::string>{"TRUE"});
  EXPECT_EQ(wrong->lines, std::vector<std::string>{"FALSE"});
}

TEST_F(HttpContract, QueryGoesOutAsGivenExceptBlanks) {
  // "&" and "=" inside a value and CP949 bytes are sent as they are; only a
  // blank is escaped, by the transport itself.
  std::optional<contract::AnswerLines> answer =
      service_->Lines(LoginUrl("a&b=c d", "70ba314f82081fcb86f1040a21dd5410"));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->lines, std::vector<std::string>{"TRUE"});
  ASSERT_TRUE(service_->Lines(LoginUrl("\xB0\xA1", kDemoDigest)));

  std::vector<std::string> logged = service_->LoggedRequests(kLogin);
  ASSERT_EQ(logged.size(), 2u);
  EXPECT_EQ(logged[0].rfind(std::string(kLogin) + "\tid=a&b=c%20d&pwd=", 0), 0u) << logged[0];
  EXPECT_EQ(logged[1].rfind(std::string(kLogin) + "\tid=\\xB0\\xA1&pwd=", 0), 0u) << logged[1];
}

TEST_F(HttpContract, ErrorPagesAreAnswers) {
  struct Case {
    const char* fault;  // nullptr: the path does not exist
    const char* path;
  } cases[] = {
      {"status&code=500", kLogin},
      {"status&code=404", kLogin},
      {nullptr, "/client/static/no_such_script.php"},
  };
  for (const Case& c : cases) {
    if (c.fault) {
      ASSERT_TRUE(service_->Fault(c.path, c.fault));
    }
    std::optional<contract::AnswerLines> answer =
        service_->Lines(service_->FreshUrl(std::string(c.path) + "?id=demo"));
    ASSERT_TRUE(answer) << (c.fault ? c.fault : c.path);
    EXPECT_EQ(answer->end, LineStatus::kEnd);
    EXPECT_FALSE(answer->lines.empty());
    for (const std::string& line : answer->lines) EXPECT_NE(line, "TRUE");
    service_->Reset();
  }
}

TEST_F(HttpContract, EmptyBodyHasNoLines) {
  ASSERT_TRUE(service_->Fault(kLogin, "empty"));
  std::optional<contract::AnswerLines> answer = service_->Lines(LoginUrl("demo", kDemoDigest));
  ASSERT_TRUE(answer);
  EXPECT_TRUE(answer->lines.empty());
  EXPECT_EQ(answer->end, LineStatus::kEnd);
}

TEST_F(HttpContract, CarriageReturnsAreDropped) {
  ASSERT_TRUE(service_->Fault(kContractList, "crlf"));
  std::optional<contract::AnswerLines> answer = service_->Lines(DemoListUrl());
  ASSERT_TRUE(answer);
  ASSERT_EQ(answer->lines.size(), 4u);
  EXPECT_EQ(answer->lines[0], "TRUE");
  for (const std::string& line : answer->lines) EXPECT_EQ(line.find('\r'), std::string::npos);
}

TEST_F(HttpContract, LastLineWithoutLineFeedIsALine) {
  ASSERT_TRUE(service_->Fault(kLogin, "body&body=" + contract::PercentEncode("\r\nTRUE\r\nx\r")));
  std::optional<contract::AnswerLines> answer = service_->Lines(LoginUrl("demo", kDemoDigest));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->lines, (std::vector<std::string>{"", "TRUE", "x"}));
}

TEST_F(HttpContract, UnreachableServiceIsATransportFailure) {
  const char* urls[] = {
      "http://127.0.0.1:1/client/static/api_login.php?id=demo",  // nothing listens there
  };
  for (const char* url : urls) {
    std::unique_ptr<platform::HttpSession> session = os_.http.OpenSession();
    ASSERT_TRUE(session);
    EXPECT_EQ(session->OpenUrl(url), nullptr) << url;
    os_.http.DeleteUrlCacheEntry(url);
  }
}

TEST_F(HttpContract, ConnectionClosedBeforeAnyAnswerIsATransportFailure) {
  ASSERT_TRUE(service_->Fault(kLogin, "drop"));
  EXPECT_FALSE(service_->Lines(LoginUrl("demo", kDemoDigest)).has_value());
}

TEST_F(HttpContract, ConnectionDroppedMidBodyEndsTheLines) {
  ASSERT_TRUE(service_->Fault(kContractList, "drop_mid"));
  std::optional<contract::AnswerLines> answer = service_->Lines(DemoListUrl());
  ASSERT_TRUE(answer) << "the headers came: the URL opens";
  // What was sent before the drop is read; then the reader reports the
  // failure, not an end: the body is shorter than the server announced.
  EXPECT_EQ(answer->lines, std::vector<std::string>{"TRUE"});
  EXPECT_EQ(answer->end, LineStatus::kFailed);
}

TEST_F(HttpContract, OversizedBodyIsReadUpToTheLimitOnly) {
  ASSERT_TRUE(service_->Fault(kContractList,
                              "oversized&bytes=" + std::to_string(8 * LineReader::kMaxBodyBytes)));
  auto start = std::chrono::steady_clock::now();
  std::optional<contract::AnswerLines> answer = service_->Lines(DemoListUrl());
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->end, LineStatus::kEnd);
  ASSERT_FALSE(answer->lines.empty());
  EXPECT_EQ(answer->lines[0], "TRUE");
  std::size_t bytes = 0;
  for (const std::string& line : answer->lines) bytes += line.size() + 1;
  // Every line but the last one, which the limit cut, had its line feed.
  EXPECT_EQ(bytes - 1, LineReader::kMaxBodyBytes);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(HttpContract, OverlongLineIsCutAndTheRestSkipped) {
  ASSERT_TRUE(service_->Fault(
      kContractList, "oversized_line&bytes=" + std::to_string(3 * LineReader::kMaxLineBytes)));
  std::optional<contract::AnswerLines> answer = service_->Lines(DemoListUrl());
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->end, LineStatus::kEnd);
  ASSERT_EQ(answer->lines.size(), 2u);
  EXPECT_EQ(answer->lines[0], "TRUE");
  EXPECT_EQ(answer->lines[1], std::string(LineReader::kMaxLineBytes, 'x'));
}

}  // namespace
