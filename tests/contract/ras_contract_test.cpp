// What the program relies on from the RAS port, whatever the backend: values
// that the OS's records cannot hold never reach the OS, and listings are
// whole or empty.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "backend.h"

namespace {

using platform::RasDialParams;
using platform::RasEntry;

class RasContract : public testing::Test {
 protected:
  // Ends a dial that did start after all, so that no test leaves one behind.
  void Dial(const RasDialParams& params, platform::RasCode* code) {
    platform::RasDialStart start = ras_.Dial(params, [](std::uint32_t, std::uint32_t) {});
    if (start.handle) ras_.HangUp(start.handle);
    *code = start.code;
  }

  std::unique_ptr<contract::Backend> backend_ = contract::MakeBackend();
  platform::Ras& ras_ = backend_->ports().ras;
};

// A name no phonebook holds.
constexpr char kEntry[] = "velmar-contract-none";

TEST_F(RasContract, ValuesTooLongForTheRecordsAreRefused) {
  const std::string nul("ab\0c", 4);
  RasEntry fitting;
  fitting.local_phone_number = "vpn.example.net";
  fitting.device_type = "vpn";
  fitting.device_name = "WAN Miniport (PPTP)";
  auto with = [&](std::function<void(RasEntry&)> change) {
    RasEntry entry = fitting;
    change(entry);
    return entry;
  };
  struct WriteCase {
    const char* what;
    std::string phonebook;
    std::string name;
    RasEntry entry;
  } writes[] = {
      {"entry name of 257", "", std::string(257, 'e'), fitting},
      {"entry name with a NUL", "", nul, fitting},
      {"phonebook path of 260", std::string(260, 'p'), kEntry, fitting},
      {"server of 129", "", kEntry,
       with([](RasEntry& e) { e.local_phone_number.assign(129, 's'); })},
      {"device type of 17", "", kEntry, with([](RasEntry& e) { e.device_type.assign(17, 't'); })},
      {"device name of 129", "", kEntry, with([](RasEntry& e) { e.device_name.assign(129, 'd'); })},
      {"device name with a NUL", "", kEntry, with([&](RasEntry& e) { e.device_name = nul; })},
  };
  for (const WriteCase& c : writes) {
    EXPECT_EQ(ras_.SetEntryProperties(c.phonebook, c.name, c.entry),
              platform::kErrorInvalidParameter)
        << c.what;
  }
  EXPECT_EQ(ras_.ValidateEntryName("", std::string(257, 'e')), platform::kErrorInvalidParameter);

  const RasDialParams dial{kEntry, "vpn.example.net", "user", "secret"};
  struct DialCase {
    const char* what;
    RasDialParams params;
  } dials[] = {
      {"entry name of 257", {std::string(257, 'e'), dial.phone_number, "u", "p"}},
      {"server of 129", {kEntry, std::string(129, 's'), "u", "p"}},
      {"user name of 257", {kEntry, dial.phone_number, std::string(257, 'u'), "p"}},
      {"password of 257", {kEntry, dial.phone_number, "u", std::string(257, 'p')}},
      {"password with a NUL", {kEntry, dial.phone_number, "u", nul}},
  };
  for (const DialCase& c : dials) {
    platform::RasCode code = 0;
    Dial(c.params, &code);
    EXPECT_EQ(code, platform::kErrorInvalidParameter) << c.what;
  }
}

TEST_F(RasContract, ValuesAtTheirLimitsReachTheOs) {
  // Whatever the OS answers for an entry it does not know, it is not the
  // refusal of a value that did not fit.
  platform::RasCode code = 0;
  Dial(RasDialParams{kEntry, std::string(128, 's'), std::string(256, 'u'), std::string(256, 'p')},
       &code);
  EXPECT_NE(code, platform::kErrorInvalidParameter);
  EXPECT_NE(code, platform::kRasSuccess);
  EXPECT_NE(ras_.ValidateEntryName("", std::string(256, 'e')), platform::kErrorInvalidParameter);
}

TEST_F(RasContract, ListingsAreWholeOrEmpty) {
  platform::RasDeviceList devices = ras_.EnumerateDevices();
  if (devices.code != platform::kRasSuccess) {
    EXPECT_TRUE(devices.devices.empty());
  }
  for (const platform::RasDevice& device : devices.devices) {
    EXPECT_TRUE(platform::RasValueFits(device.type, platform::kRasMaxDeviceType)) << device.type;
    EXPECT_TRUE(platform::RasValueFits(device.name, platform::kRasMaxDeviceName)) << device.name;
  }
  platform::RasConnectionList connections = ras_.EnumerateConnections();
  if (connections.code != platform::kRasSuccess) {
    EXPECT_TRUE(connections.connections.empty());
  }
  for (const platform::RasConnection& connection : connections.connections) {
    EXPECT_TRUE(connection.handle);
    EXPECT_TRUE(platform::RasValueFits(connection.entry_name, platform::kRasMaxEntryName));
  }
}

TEST_F(RasContract, CodeWithoutATextHasNone) { EXPECT_FALSE(ras_.GetErrorString(0xFFFF0000u)); }

}  // namespace
