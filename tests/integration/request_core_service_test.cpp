// The calls as the client makes them, over a real socket, against the
// reference service and each fault it can be told to show.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "api/contract_info_call.h"
#include "api/contract_list_call.h"
#include "api/identity.h"
#include "api/login_call.h"
#include "api/logout_call.h"
#include "api/report_call.h"
#include "api/request_core.h"
#include "native_os.h"
#include "service/service_process.h"

namespace {

using velmar::service::testing::DemoArgs;
using velmar::service::testing::ServiceProcess;

using test::NativeOs;

class AgainstService : public testing::Test {
 protected:
  void SetUp() override {
    std::string failure;
    service_ = ServiceProcess::Start(DemoArgs(), &failure);
    ASSERT_TRUE(service_) << failure;
    host_ = "127.0.0.1:" + std::to_string(service_->port());
  }

  // Plain GET of a path on the service, its body as one string.
  std::string Fetch(const std::string& target) {
    std::string body;
    auto session = native_.http.OpenSession();
    auto answer = session->OpenUrl("http://" + host_ + target);
    if (!answer) return "<unreachable>";
    char buffer[4096];
    std::size_t count = 0;
    while (answer->Read(buffer, sizeof buffer, &count) == platform::ReadStatus::kData) {
      body.append(buffer, count);
    }
    return body;
  }

  void Fault(const std::string& path, const std::string& kind_and_args) {
    Fetch("/__control/fault?path=" + api::UrlEncode(path) + "&kind=" + kind_and_args);
  }

  // The log lines of the service's requests to one script.
  std::vector<std::string> LoggedRequests(const std::string& script) {
    std::vector<std::string> found;
    std::string log = Fetch("/__control/log");
    std::size_t pos = 0;
    while (pos < log.size()) {
      std::size_t end = log.find('\n', pos);
      if (end == std::string::npos) end = log.size();
      std::string line = log.substr(pos, end - pos);
      if (line.rfind("/client/static/" + script + "\t", 0) == 0) found.push_back(line);
      pos = end + 1;
    }
    return found;
  }

  api::LoginRequest DemoLogin() { return {"demo", api::MakeMd5Hex("demo1234"), "A1B2C3"}; }

  std::unique_ptr<ServiceProcess> service_;
  std::string host_;
  NativeOs native_;
  platform::Platform& os_ = native_.os;
};

TEST_F(AgainstService, LoginChecksTheDigest) {
  EXPECT_EQ(api::CallLogin(os_, host_, DemoLogin()), api::LoginOutcome::kAccepted);
  api::LoginRequest wrong = DemoLogin();
  wrong.password_digest = api::MakeMd5Hex("wrong");
  EXPECT_EQ(api::CallLogin(os_, host_, wrong), api::LoginOutcome::kRefused);
  std::vector<std::string> logged = LoggedRequests("api_login.php");
  ASSERT_EQ(logged.size(), 2u);
  EXPECT_NE(logged[0].find("\tpwd=" + api::MakeMd5Hex("demo1234") + "\tnn=PC1\tv_num=A1B2C3"
                           "\trnd=201435972\tver=V1.0"),
            std::string::npos)
      << logged[0];
}

TEST_F(AgainstService, AnIdWithQuerySyntaxArrivesAsExactlyThatId) {
  api::LoginRequest odd = DemoLogin();
  odd.user_id = "a&b=c d";
  api::CallLogin(os_, host_, odd);
  std::vector<std::string> logged = LoggedRequests("api_login.php");
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_NE(logged[0].find("\tid=a&b=c\\x20d\tpwd="), std::string::npos) << logged[0];
}

TEST_F(AgainstService, ContractListAndInfoOfTheDemoAccount) {
  api::ContractList list = api::CallContractList(os_, host_, "demo");
  ASSERT_EQ(list.kind, api::ContractList::Kind::kReplaced);
  ASSERT_EQ(list.rows.size(), 3u);
  for (const api::ContractRow& row : list.rows) {
    api::ContractState state = api::CallContractInfo(os_, host_, "demo", row.ip);
    bool expired = row.expiry < "2024-05-01";
    EXPECT_EQ(state, expired ? api::ContractState::kExpired : api::ContractState::kNoEffect)
        << row.ip;
  }
  EXPECT_EQ(api::CallContractList(os_, host_, "nobody").kind, api::ContractList::Kind::kNoList);
}

TEST_F(AgainstService, LogoutIsRecordedOnce) {
  api::CallLogout(os_, host_, "demo");
  std::vector<std::string> logged = LoggedRequests("api_logout.php");
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_NE(logged[0].find("\tid=demo\tnn=PC1\trnd=201435972"), std::string::npos) << logged[0];
}

TEST_F(AgainstService, AKoreanReportNoteArrivesAsUtf8) {
  api::ContractList list = api::CallContractList(os_, host_, "demo");
  ASSERT_FALSE(list.rows.empty());
  api::ReportRequest report{"demo", list.rows[0].ip, "\xB0\xA1 a"};
  EXPECT_EQ(api::CallReport(os_, host_, report), api::ReportOutcome::kAccepted);
  std::vector<std::string> logged = LoggedRequests("api_blackip_add_exec.php");
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_NE(logged[0].find("content=%EA%B0%80+a&"), std::string::npos) << logged[0];
  EXPECT_NE(logged[0].find("\tcontent=\\xEA\\xB0\\x80\\x20a\t"), std::string::npos) << logged[0];

  report.ip = "9.9.9.9";
  EXPECT_EQ(api::CallReport(os_, host_, report), api::ReportOutcome::kIpRefused);
}

TEST_F(AgainstService, EachFaultGivesTheOutcomeTheClientPromises) {
  const std::string login = "/client/static/api_login.php";
  struct Case {
    std::string fault;
    api::LoginOutcome outcome;
  } cases[] = {
      {"status&code=500", api::LoginOutcome::kRefused},
      {"empty", api::LoginOutcome::kRefused},
      {"crlf", api::LoginOutcome::kAccepted},
      {"body&body=x%0ATRUE", api::LoginOutcome::kAccepted},
      {"delay&ms=200", api::LoginOutcome::kAccepted},
      {"drop", api::LoginOutcome::kUnreachable},
      {"oversized&bytes=5000000", api::LoginOutcome::kAccepted},  // "TRUE" comes first
  };
  for (const Case& c : cases) {
    Fetch("/__control/reset");
    Fault(login, c.fault);
    EXPECT_EQ(api::CallLogin(os_, host_, DemoLogin()), c.outcome) << c.fault;
  }
}

TEST_F(AgainstService, ABrokenOrHugeListNeverCrashesOrGrowsWithoutBound) {
  const std::string path = "/client/static/api_contract_list.php";
  Fault(path, "drop_mid");
  EXPECT_NE(api::CallContractList(os_, host_, "demo").kind, api::ContractList::Kind::kReplaced);

  Fetch("/__control/reset");
  Fault(path, "oversized_line&bytes=20000000");
  api::ContractList list = api::CallContractList(os_, host_, "demo");
  EXPECT_EQ(list.kind, api::ContractList::Kind::kReplaced);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_TRUE(list.malformed);
}

TEST(Unreachable, AClosedPortIsUnreachableAfterTheWait) {
  NativeOs native;
  platform::Platform& os = native.os;
  EXPECT_EQ(api::CallLogin(os, "127.0.0.1:1", {"demo", "x", "y"}),
            api::LoginOutcome::kUnreachable);
  EXPECT_EQ(native.kernel.slept_ms, 1000u);
  EXPECT_EQ(api::CallReport(os, "127.0.0.1:1", {"demo", "1.2.3.4", "n"}),
            api::ReportOutcome::kUnreachable);
}

}  // namespace
