// Starting and stopping the service process.

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "service_fixture.h"

namespace velmar::service::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

std::unique_ptr<ServiceProcess> StartDemo(const std::vector<std::string>& extra = {}) {
  std::vector<std::string> args = DemoArgs();
  args.insert(args.end(), extra.begin(), extra.end());
  std::string failure;
  auto service = ServiceProcess::Start(args, &failure);
  EXPECT_TRUE(service) << failure;
  return service;
}

TEST(LifecycleTest, QuitAnswersThenEndsWithExitCodeZero) {
  const auto service = StartDemo();
  ASSERT_TRUE(service);
  EXPECT_EQ(Fetch(service->port(), "/__control/quit").body, "OK\n");
  EXPECT_EQ(service->WaitForExit(seconds(3)), 0);
  EXPECT_FALSE(Fetch(service->port(), "/__control/log").received);
}

TEST(LifecycleTest, InterruptAndTerminateEndWithExitCodeZero) {
  for (int signal_number : {SIGINT, SIGTERM}) {
    const auto service = StartDemo();
    ASSERT_TRUE(service);
    kill(service->pid(), signal_number);
    EXPECT_EQ(service->WaitForExit(seconds(3)), 0) << signal_number;
  }
}

TEST(LifecycleTest, StopCutsARequestThatIsStillBeingDelayed) {
  const auto service = StartDemo();
  ASSERT_TRUE(service);
  const int port = service->port();
  Fetch(port, "/__control/fault?path=%2Fclient%2Fbanner_static.html&kind=delay&ms=60000");
  auto delayed = std::async(std::launch::async, [port] {
    return ExchangeRaw(port, GetRequest("/client/banner_static.html"));
  });
  // Wait until the delayed request has arrived, then stop.
  for (int i = 0; i < 200 && Fetch(port, "/__control/log").body.empty(); ++i) {
    usleep(10000);
  }
  kill(service->pid(), SIGTERM);
  EXPECT_EQ(service->WaitForExit(seconds(3)), 0);
  ASSERT_EQ(delayed.wait_for(seconds(3)), std::future_status::ready);
  EXPECT_EQ(delayed.get(), "");
}

TEST(LifecycleTest, ListensOnTheGivenPortAndAnotherServiceCannotTakeIt) {
  // Learn a free port from a first run, then ask for it by number; another program may take
  // it in between, so try a few times.
  int port = 0;
  std::unique_ptr<ServiceProcess> first;
  for (int attempt = 0; attempt < 5 && !first; ++attempt) {
    std::string failure;
    const auto probe = ServiceProcess::Start(DemoArgs(), &failure);
    ASSERT_TRUE(probe) << failure;
    port = probe->port();
    Fetch(port, "/__control/quit");
    ASSERT_EQ(probe->WaitForExit(seconds(3)), 0);
    std::vector<std::string> args = DemoArgs();
    args.insert(args.end(), {"--port", std::to_string(port)});
    first = ServiceProcess::Start(args, &failure);
  }
  ASSERT_TRUE(first);
  EXPECT_EQ(first->port(), port);

  std::vector<std::string> args = DemoArgs();
  args.insert(args.end(), {"--port", std::to_string(port)});
  const FinishedRun second = RunToEnd(args, seconds(3));
  EXPECT_EQ(second.exit_code, 3);
  EXPECT_EQ(second.out, "");
  EXPECT_NE(second.err.find("cannot listen on 127.0.0.1:" + std::to_string(port)),
            std::string::npos)
      << second.err;
  EXPECT_EQ(Fetch(port, "/client/banner_static.html").status, 200);
}

TEST(LifecycleTest, BadStartArgumentsEndWithExitCodeTwoAndSayWhy) {
  const std::string bad_seed = ::testing::TempDir() + "velmar-bad-" + std::to_string(getpid());
  std::ofstream(bad_seed) << "# fine\ncontract ghost 1.2.3.4|2099-01-01|m|0|u|p|s\n";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"--port", "0"}, "--port and --seed are required"},
      {{"--seed", VELMAR_DEMO_SEED}, "--port and --seed are required"},
      {{"--port", "65536", "--seed", VELMAR_DEMO_SEED}, "bad port 65536"},
      {{"--port", "0", "--seed", VELMAR_DEMO_SEED, "--today", "2024-02-30"}, "bad date"},
      {{"--port", "0", "--seed", VELMAR_DEMO_SEED, "--colour"}, "missing value after --colour"},
      {{"--port", "0", "--seed", VELMAR_DEMO_SEED, "--colour", "red"}, "unknown option"},
      {{"--port", "0", "--seed", "/nonexistent/demo.seed"}, "cannot read the seed"},
      {{"--port", "0", "--seed", bad_seed}, bad_seed + ": line 2: contract for undeclared"},
      {{"--port", "0", "--seed", VELMAR_DEMO_SEED, "--log", "/nonexistent/dir/log"},
       "cannot write the log"},
  };
  for (const Case& c : cases) {
    const FinishedRun run = RunToEnd(c.args, seconds(3));
    EXPECT_EQ(run.exit_code, 2) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  unlink(bad_seed.c_str());
}

}  // namespace
}  // namespace velmar::service::testing
