// The Win32 RAS backend and the engine's functions against a dial-up system
// that dials: the device is found, the entry is written with the client's
// values in the Windows 7 record, the dial's steps reach the notifier from
// RAS's thread up to RASCS_Connected, and the connection is listed until it
// is hung up.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/win32_ras.h"
#include "simulated_ras.h"
#include "vpn/connections.h"
#include "vpn/vpn_device.h"
#include "vpn/vpn_entry.h"

namespace {

constexpr std::chrono::seconds kPatience{10};
constexpr char kServer[] = "vpn1.example.net";

// The steps a dial reported, and the threads that reported them.
class StepLog {
 public:
  platform::RasDialNotifier Notifier() {
    return [this](std::uint32_t state, std::uint32_t error) {
      std::lock_guard<std::mutex> lock(mutex_);
      steps_.emplace_back(state, error);
      threads_.push_back(std::this_thread::get_id());
      changed_.notify_all();
    };
  }

  // Waits until a step with `state` has come; false when it does not in time.
  bool WaitFor(std::uint32_t state) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, kPatience, [&] {
      for (const auto& step : steps_) {
        if (step.first == state) return true;
      }
      return false;
    });
  }

  std::vector<std::pair<std::uint32_t, std::uint32_t>> steps() {
    std::lock_guard<std::mutex> lock(mutex_);
    return steps_;
  }
  std::vector<std::thread::id> threads() {
    std::lock_guard<std::mutex> lock(mutex_);
    return threads_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> steps_;
  std::vector<std::thread::id> threads_;
};

class SimulatedRas : public testing::Test {
 protected:
  void SetUp() override {
    ras_.EnumerateConnections();  // loads rasapi32
    HMODULE rasapi = ::GetModuleHandleA("rasapi32.dll");
    if (rasapi == nullptr || ::GetProcAddress(rasapi, simulated_ras::kMarkerExport) == nullptr) {
      FAIL() << "the simulated rasapi32.dll was not loaded (WINEDLLOVERRIDES=rasapi32=n,b)";
    }
    // Through the generic function type, which any function pointer casts to.
    stored_entry_ = reinterpret_cast<simulated_ras::StoredEntry>(
        reinterpret_cast<void (*)()>(::GetProcAddress(rasapi, simulated_ras::kStoredEntryExport)));
    ASSERT_NE(stored_entry_, nullptr);
  }

  // What the connect worker does before its dial.
  void PrepareEntry(const char* entry_name) {
    vpn::VpnDeviceChoice choice = vpn::ChooseVpnDevice(ras_, entry_name);
    ASSERT_EQ(choice.device_name, simulated_ras::kDeviceName);
    vpn::VpnEntryResult entry = vpn::CreateVpnEntry(
        ras_, entry_name, platform::rasentry::kDeviceTypeVpn, choice.device_name,
        platform::rasentry::kNetProtocolIp, platform::rasentry::kFramingPpp, kServer, "");
    ASSERT_TRUE(entry.usable()) << entry.code;
  }

  // Declared before the backend, which holds its notifier until it goes.
  StepLog log_;
  platform::win32::Win32Ras ras_;
  simulated_ras::StoredEntry stored_entry_ = nullptr;
};

TEST_F(SimulatedRas, EntryIsWrittenOnceWithTheClientsValues) {
  PrepareEntry(vpn::kL2tpEntryName);
  platform::win32::ras::Entry stored{};
  ASSERT_TRUE(stored_entry_(vpn::kL2tpEntryName, &stored));
  EXPECT_EQ(stored.dwSize, sizeof stored);
  EXPECT_EQ(stored.dwfOptions, 0x1018u);
  EXPECT_STREQ(stored.szLocalPhoneNumber, kServer);
  EXPECT_EQ(std::vector<BYTE>(
                {stored.ipaddrDns.a, stored.ipaddrDns.b, stored.ipaddrDns.c, stored.ipaddrDns.d}),
            (std::vector<BYTE>{168, 126, 63, 1}));
  EXPECT_EQ(std::vector<BYTE>({stored.ipaddrDnsAlt.a, stored.ipaddrDnsAlt.b, stored.ipaddrDnsAlt.c,
                               stored.ipaddrDnsAlt.d}),
            (std::vector<BYTE>{164, 124, 101, 2}));
  EXPECT_EQ(stored.dwfNetProtocols, 4u);
  EXPECT_EQ(stored.dwFramingProtocol, 1u);
  EXPECT_STREQ(stored.szDeviceType, "vpn");
  EXPECT_STREQ(stored.szDeviceName, simulated_ras::kDeviceName);
  EXPECT_EQ(stored.dwType, 2u);
  EXPECT_EQ(stored.dwEncryptionType, 3u);
  EXPECT_EQ(stored.dwVpnStrategy, 3u);
  // Members the client leaves alone stay zero, the Windows 7 ones included.
  EXPECT_EQ(stored.dwfOptions2, 0u);
  EXPECT_EQ(stored.dwIdleDisconnectSeconds, 0u);
  EXPECT_EQ(stored.szAreaCode[0], '\0');
  EXPECT_EQ(stored.dwNetworkOutageTime, 0u);

  vpn::VpnEntryResult again = vpn::CreateVpnEntry(
      ras_, vpn::kL2tpEntryName, "vpn", simulated_ras::kDeviceName,
      platform::rasentry::kNetProtocolIp, platform::rasentry::kFramingPpp, "other.example.net", "");
  EXPECT_EQ(again.outcome, vpn::VpnEntryOutcome::kExisting);
  ASSERT_TRUE(stored_entry_(vpn::kL2tpEntryName, &stored));
  EXPECT_STREQ(stored.szLocalPhoneNumber, kServer);
}

TEST_F(SimulatedRas, DialReachesConnectedAndIsListedUntilHungUp) {
  PrepareEntry(vpn::kPptpEntryName);
  platform::RasDialStart start = ras_.Dial(
      platform::RasDialParams{vpn::kPptpEntryName, kServer, "user1", "secret"}, log_.Notifier());
  ASSERT_EQ(start.code, platform::kRasSuccess);
  ASSERT_TRUE(start.handle);
  ASSERT_TRUE(log_.WaitFor(platform::rascs::kConnected));

  std::vector<std::pair<std::uint32_t, std::uint32_t>> steps = log_.steps();
  EXPECT_EQ(steps.front(), std::make_pair(platform::rascs::kOpenPort, 0u));
  EXPECT_EQ(steps.back(), std::make_pair(platform::rascs::kConnected, 0u));
  for (std::thread::id thread : log_.threads()) EXPECT_NE(thread, std::this_thread::get_id());

  platform::RasConnectionList list = ras_.EnumerateConnections();
  ASSERT_EQ(list.code, platform::kRasSuccess);
  ASSERT_EQ(list.connections.size(), 1u);
  EXPECT_EQ(list.connections[0].handle, start.handle);
  EXPECT_EQ(list.connections[0].entry_name, vpn::kPptpEntryName);
  EXPECT_EQ(list.connections[0].device_type, "vpn");
  EXPECT_EQ(list.connections[0].device_name, simulated_ras::kDeviceName);
  EXPECT_EQ(vpn::FindOwnConnection(ras_), start.handle);
  EXPECT_EQ(vpn::FindConnection(ras_, "VELMAR-pptp"), start.handle);

  vpn::HangUpOwnConnection(ras_, platform::RasConnHandle{});
  EXPECT_TRUE(ras_.EnumerateConnections().connections.empty());
  EXPECT_FALSE(vpn::FindOwnConnection(ras_));
}

TEST_F(SimulatedRas, RefusedLoginEndsAtAuthenticationWithItsErrorText) {
  PrepareEntry(vpn::kPptpEntryName);
  platform::RasDialStart start = ras_.Dial(
      platform::RasDialParams{vpn::kPptpEntryName, kServer, simulated_ras::kRefusedUser, "secret"},
      log_.Notifier());
  ASSERT_EQ(start.code, platform::kRasSuccess);
  ASSERT_TRUE(log_.WaitFor(platform::rascs::kAuthenticate));
  // The failing step is the last: give a wrong further step time to show.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(log_.steps().back(),
            std::make_pair(platform::rascs::kAuthenticate,
                           std::uint32_t{simulated_ras::kAuthenticationFailure}));
  std::optional<std::string> text = ras_.GetErrorString(simulated_ras::kAuthenticationFailure);
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("denied"), std::string::npos) << *text;
  // The failed connection stays until it is hung up, as on Windows.
  EXPECT_EQ(ras_.HangUp(start.handle), platform::kRasSuccess);
  EXPECT_EQ(ras_.HangUp(start.handle), platform::kErrorInvalidHandle);
}

}  // namespace
