// What Wine's built-in RAS (a stub) and IP Helper give the Win32 backends,
// and what the connection engine makes of it: no VPN device, so no dial.
// Skipped on Windows itself, whose answers depend on the machine.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/win32/win32_adapters.h"
#include "platform/win32/win32_ras.h"
#include "platform/win32/windows_api.h"
#include "vpn/adapter_check.h"
#include "vpn/connections.h"
#include "vpn/vpn_device.h"
#include "vpn/vpn_entry.h"

namespace {

bool RunsUnderWine() {
  HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Whether the RAS in use is Wine's own stub, not a simulated one put beside
// the test program.
bool WinesOwnRas() {
  HMODULE rasapi = ::GetModuleHandleA("rasapi32.dll");
  return rasapi != nullptr && ::GetProcAddress(rasapi, "velmar_simulated_ras") == nullptr;
}

class WineRas : public testing::Test {
 protected:
  void SetUp() override {
    if (!RunsUnderWine()) GTEST_SKIP() << "only Wine's answers are known in advance";
    // Loads rasapi32 before the check.
    ras_.EnumerateConnections();
    if (!WinesOwnRas()) GTEST_SKIP() << "a simulated RAS is loaded instead of Wine's";
  }

  platform::win32::Win32Ras ras_;
};

TEST_F(WineRas, HasOneModemAndNoVpnDevice) {
  platform::RasDeviceList list = ras_.EnumerateDevices();
  EXPECT_EQ(list.code, platform::kRasSuccess);
  EXPECT_EQ(list.size_query_code, platform::kErrorBufferTooSmall);
  ASSERT_EQ(list.devices.size(), 1u);
  EXPECT_EQ(list.devices[0].type, "modem");
  EXPECT_EQ(list.devices[0].name, "WINE virtmodem");

  EXPECT_EQ(vpn::CountVpnDevices(ras_), 0);
  vpn::VpnDeviceChoice choice = vpn::ChooseVpnDevice(ras_, vpn::kPptpEntryName);
  EXPECT_FALSE(choice.list_read);
  EXPECT_EQ(choice.device_name, vpn::kNoDevice);
}

TEST_F(WineRas, AcceptsEntriesButKeepsNone) {
  EXPECT_EQ(ras_.ValidateEntryName("", vpn::kPptpEntryName), platform::kRasSuccess);
  vpn::VpnEntryResult written = vpn::CreateVpnEntry(
      ras_, vpn::kPptpEntryName, "vpn", "WAN Miniport (PPTP)", platform::rasentry::kNetProtocolIp,
      platform::rasentry::kFramingPpp, "vpn.example.net", "");
  EXPECT_EQ(written.outcome, vpn::VpnEntryOutcome::kWritten);
  // Nothing was stored: the name is still free.
  EXPECT_EQ(ras_.ValidateEntryName("", vpn::kPptpEntryName), platform::kRasSuccess);
}

TEST_F(WineRas, DialFailsAtOnceAndReportsNothing) {
  std::atomic<int> steps{0};
  platform::RasDialStart start =
      ras_.Dial(platform::RasDialParams{vpn::kPptpEntryName, "vpn.example.net", "u", "p"},
                [&steps](std::uint32_t, std::uint32_t) { ++steps; });
  EXPECT_EQ(start.code, 1u);
  EXPECT_FALSE(start.handle);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(steps, 0);

  platform::RasConnectionList list = ras_.EnumerateConnections();
  EXPECT_EQ(list.code, platform::kRasSuccess);
  EXPECT_TRUE(list.connections.empty());
  EXPECT_FALSE(vpn::FindOwnConnection(ras_));
  EXPECT_EQ(ras_.HangUp(platform::RasConnHandle{}), platform::kRasSuccess);
}

TEST_F(WineRas, HasNoErrorTexts) {
  for (platform::RasCode code : {619u, 691u, 800u}) EXPECT_FALSE(ras_.GetErrorString(code)) << code;
}

TEST(WineAdapters, RealAdaptersOrNoData) {
  if (!RunsUnderWine()) GTEST_SKIP() << "only Wine's answers are known in advance";
  platform::win32::Win32Adapters adapters;
  platform::AdapterList list = adapters.GetAdapters();
  if (list.code == platform::kErrorNoData) return;  // a host with loopback only
  ASSERT_EQ(list.code, platform::kAdaptersSuccess);
  ASSERT_FALSE(list.adapters.empty());
  EXPECT_NE(list.adapters[0].ipv4_addresses.front(), "127.0.0.1") << "loopback is not listed";
  // The check passes for an address that is an adapter's first, and for no
  // other.
  EXPECT_TRUE(vpn::IsAdapterUp(adapters, list.adapters[0].ipv4_addresses.front()));
  EXPECT_FALSE(vpn::IsAdapterUp(adapters, "198.51.100.254"));
  EXPECT_FALSE(vpn::IsAdapterUp(adapters, ""));
}

}  // namespace
