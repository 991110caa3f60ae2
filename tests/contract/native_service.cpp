// In the native build the HTTP cases need no service started by hand: when
// VELMAR_TEST_SERVICE is not set, the test program runs its own
// velmar-service with the demo seed for the whole run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "service/service_process.h"

namespace {

using velmar::service::testing::DemoArgs;
using velmar::service::testing::ServiceProcess;

class OwnService final : public testing::Environment {
 public:
  void SetUp() override {
    const char* given = std::getenv("VELMAR_TEST_SERVICE");
    if (given != nullptr && *given != '\0') return;
    std::string failure;
    service_ = ServiceProcess::Start(DemoArgs(), &failure);
    if (!service_) {
      ADD_FAILURE() << "velmar-service did not start: " << failure;
      return;
    }
    std::string host = "127.0.0.1:" + std::to_string(service_->port());
    setenv("VELMAR_TEST_SERVICE", host.c_str(), 1);
  }
  void TearDown() override {
    if (!service_) return;
    unsetenv("VELMAR_TEST_SERVICE");
    service_.reset();
  }

 private:
  std::unique_ptr<ServiceProcess> service_;
};

// gtest owns the environment once it is added.
[[maybe_unused]] testing::Environment* const kOwnService =
    testing::AddGlobalTestEnvironment(new OwnService);

}  // namespace
