// The scriptable dial-up system the engine's tests run on: what a dial
// lists, when its steps arrive, what a hang-up leaves.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "memory_os.h"

namespace {

using platform::RasConnHandle;
using platform::RasDialParams;
namespace rascs = platform::rascs;

RasDialParams PptpDial() { return RasDialParams{"velmar-PPTP", "vpn1.example.net", "u1", "p1"}; }

class MemoryRasDial : public testing::Test {
 protected:
  void SetUp() override {
    platform::RasEntry entry;
    entry.device_type = "vpn";
    entry.device_name = "WAN Miniport (PPTP)";
    m_.ras.entries["velmar-PPTP"] = entry;
  }

  platform::RasDialNotifier Recorder() {
    return [this](std::uint32_t state, std::uint32_t error) { steps_.emplace_back(state, error); };
  }

  test::MemoryOs m_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> steps_;
};

TEST_F(MemoryRasDial, StepsArriveOnlyWhenDeliveredAndInOrder) {
  m_.ras.dial_events = {{rascs::kOpenPort, 0}, {rascs::kAuthenticate, 0}, {rascs::kConnected, 0}};
  platform::RasDialStart start = m_.ras.Dial(PptpDial(), Recorder());
  ASSERT_EQ(start.code, 0u);
  ASSERT_TRUE(start.handle);
  EXPECT_TRUE(steps_.empty());

  EXPECT_TRUE(m_.ras.DeliverDialEvent());
  EXPECT_EQ(steps_, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{0, 0}}));
  EXPECT_EQ(m_.ras.DeliverDialEvents(), 2u);
  EXPECT_EQ(steps_.back(), std::make_pair(rascs::kConnected, 0u));
  EXPECT_FALSE(m_.ras.DeliverDialEvent());
  ASSERT_EQ(m_.ras.dials.size(), 1u);
  EXPECT_EQ(m_.ras.dials[0].password, "p1");
}

TEST_F(MemoryRasDial, StartedDialIsListedWithItsEntrysDeviceUntilHungUp) {
  platform::RasDialStart first = m_.ras.Dial(PptpDial(), Recorder());
  platform::RasDialStart second = m_.ras.Dial(PptpDial(), Recorder());
  EXPECT_NE(first.handle, second.handle);
  platform::RasConnectionList list = m_.ras.EnumerateConnections();
  ASSERT_EQ(list.connections.size(), 2u);
  EXPECT_EQ(list.connections[0].handle, first.handle);
  EXPECT_EQ(list.connections[0].entry_name, "velmar-PPTP");
  EXPECT_EQ(list.connections[0].device_type, "vpn");
  EXPECT_EQ(list.connections[0].device_name, "WAN Miniport (PPTP)");

  EXPECT_EQ(m_.ras.HangUp(first.handle), 0u);
  EXPECT_EQ(m_.ras.HangUp(first.handle), platform::kErrorInvalidHandle);  // gone already
  EXPECT_EQ(m_.ras.HangUp(RasConnHandle{}), platform::kErrorInvalidHandle);
  ASSERT_EQ(m_.ras.EnumerateConnections().connections.size(), 1u);
  EXPECT_EQ(m_.ras.connections[0].handle, second.handle);
  EXPECT_EQ(m_.ras.hang_ups.size(), 3u);
}

TEST_F(MemoryRasDial, DialThatCannotStartGivesNoHandleAndNoConnection) {
  struct Case {
    const char* what;
    RasDialParams params;
    platform::RasCode dial_failure;
    platform::RasCode code;
  } cases[] = {
      {"an entry the phonebook lacks", {"velmar-L2TP", "s", "u", "p"}, 0, 623},
      {"a scripted failure", PptpDial(), 633, 633},
      {"a password the record cannot hold",
       {"velmar-PPTP", "s", "u", std::string(257, 'p')},
       0,
       87},
  };
  for (const Case& c : cases) {
    m_.ras.dial_failure = c.dial_failure;
    platform::RasDialStart start = m_.ras.Dial(c.params, Recorder());
    EXPECT_EQ(start.code, c.code) << c.what;
    EXPECT_FALSE(start.handle) << c.what;
    EXPECT_TRUE(m_.ras.connections.empty()) << c.what;
  }
  EXPECT_EQ(m_.ras.dials.size(), 3u);
}

TEST(MemoryRas, CallsGoToTheSharedLogInOrder) {
  test::MemoryOs m;
  m.ras.entries["velmar-PPTP"] = platform::RasEntry{};
  m.ras.dial_events = {{rascs::kConnected, 0}};
  m.ras.EnumerateDevices();
  m.ras.ValidateEntryName("", "velmar-PPTP");
  m.ras.EnumerateConnections();
  platform::RasDialStart start = m.ras.Dial(PptpDial(), nullptr);
  m.ras.DeliverDialEvent();
  m.ras.HangUp(start.handle);
  m.adapters.GetAdapters();
  EXPECT_EQ(m.log.entries, (std::vector<std::string>{
                               "ras devices", "ras validate velmar-PPTP", "ras connections",
                               "ras dial velmar-PPTP vpn1.example.net", "ras event 8192 0",
                               "ras hang up " + std::to_string(start.handle.value), "adapters"}));
}

TEST(MemoryRas, PhonebooksOtherThanTheDefaultCannotBeOpened) {
  test::MemoryOs m;
  EXPECT_EQ(m.ras.ValidateEntryName("C:\\other.pbk", "velmar-PPTP"), 615u);
  EXPECT_EQ(m.ras.SetEntryProperties("C:\\other.pbk", "velmar-PPTP", {}), 615u);
  EXPECT_TRUE(m.ras.entries.empty());
}

TEST(MemoryRas, ErrorTextOnlyForCodesThatHaveOneThatFits) {
  test::MemoryOs m;
  m.ras.error_texts[691] = "Access denied";
  m.ras.error_texts[800] = std::string(256, 'x');  // beyond the OS's buffer
  EXPECT_EQ(m.ras.GetErrorString(691), "Access denied");
  EXPECT_FALSE(m.ras.GetErrorString(800));
  EXPECT_FALSE(m.ras.GetErrorString(619));
}

}  // namespace
