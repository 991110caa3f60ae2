#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "http_clients.h"
#include "service_process.h"

namespace velmar::service::testing {

// Password digests of the demo seed's accounts.
constexpr const char* kDemoDigest = "6e9bece1914809fb8493146417e722f6";   // demo1234
constexpr const char* kKimDigest = "04694a7dad8de40d98953ef47bc63754";    // kim5678
constexpr const char* kOddIdDigest = "70ba314f82081fcb86f1040a21dd5410";  // amp1234
constexpr const char* kOddIdEncoded = "a%26b%3Dc+d";                      // "a&b=c d"

constexpr const char* kLoginPath = "/client/static/api_login.php";
constexpr const char* kListPath = "/client/static/api_contract_list.php";
constexpr const char* kInfoPath = "/client/static/api_contract_info.php";
constexpr const char* kLogoutPath = "/client/static/api_logout.php";
constexpr const char* kReportPath = "/client/static/api_blackip_add_exec.php";

// A fresh service on the demo seed for every test.
class ServiceTest : public ::testing::Test {
 protected:
  virtual std::vector<std::string> Args() { return DemoArgs(); }

  void SetUp() override {
    std::string failure;
    service_ = ServiceProcess::Start(Args(), &failure);
    ASSERT_TRUE(service_) << failure;
  }

  int port() const { return service_->port(); }
  Fetched Get(const std::string& target) { return Fetch(port(), target); }
  std::string Body(const std::string& target) { return Get(target).body; }
  std::string Raw(std::string_view target) { return ExchangeRaw(port(), GetRequest(target)); }

  // A control request that must be accepted.
  void Control(const std::string& target) {
    const Fetched answer = Get("/__control/" + target);
    ASSERT_EQ(answer.status, 200) << target << ": " << answer.body;
  }
  std::string Log() { return Body("/__control/log"); }

  std::unique_ptr<ServiceProcess> service_;
};

}  // namespace velmar::service::testing
