// The phonebook entry written before a dial: its every value, the entry that
// already exists, and values the record cannot hold.
#include "vpn/vpn_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_os.h"

namespace {

using platform::RasEntry;
using vpn::VpnEntryOutcome;
using vpn::VpnEntryResult;

constexpr char kServer[] = "vpn1.example.net";
constexpr char kDevice[] = "WAN Miniport (PPTP)";

VpnEntryResult Create(test::MemoryOs& m, const std::string& entry_name,
                      const std::string& phone = kServer, const std::string& device = kDevice,
                      const std::string& type = "vpn") {
  return vpn::CreateVpnEntry(m.ras, entry_name, type, device, platform::rasentry::kNetProtocolIp,
                             platform::rasentry::kFramingPpp, phone, "");
}

TEST(VpnEntry, NameFollowsTheTunnelType) {
  struct Case {
    int type;
    const char* name;
  } cases[] = {{0, "velmar-L2TP"}, {1, "velmar-PPTP"}, {2, "velmar-PPTP"}, {-1, "velmar-PPTP"}};
  for (const Case& c : cases) EXPECT_EQ(vpn::EntryNameForType(c.type), c.name) << c.type;
  EXPECT_TRUE(vpn::IsL2tpEntry("velmar-L2TP"));
  EXPECT_FALSE(vpn::IsL2tpEntry("velmar-l2tp"));
  EXPECT_FALSE(vpn::IsL2tpEntry("velmar-PPTP"));
}

TEST(VpnEntry, NewEntryHoldsEveryValueOfTheClient) {
  struct Case {
    const char* entry_name;
    std::uint32_t strategy;
  } cases[] = {
      {"velmar-L2TP", 3},  // VS_L2tpOnly
      {"velmar-PPTP", 1},  // VS_PptpOnly
      {"VELMAR-L2TP", 1},  // any name but the exact L2TP one is PPTP
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    VpnEntryResult result = Create(m, c.entry_name);
    EXPECT_EQ(result.outcome, VpnEntryOutcome::kWritten) << c.entry_name;
    EXPECT_EQ(result.code, 0u);
    EXPECT_TRUE(result.usable());
    EXPECT_EQ(vpn::EntryStatusText(result), nullptr);

    RasEntry expected;
    expected.options = 0x1018;
    expected.local_phone_number = kServer;
    expected.dns = {168, 126, 63, 1};
    expected.dns_alt = {164, 124, 101, 2};
    expected.net_protocols = 4;     // RASNP_Ip
    expected.framing_protocol = 1;  // RASFP_Ppp
    expected.device_type = "vpn";
    expected.device_name = kDevice;
    expected.entry_type = 2;       // RASET_Vpn
    expected.encryption_type = 3;  // ET_Optional
    expected.vpn_strategy = c.strategy;
    ASSERT_EQ(m.ras.entries.count(c.entry_name), 1u) << c.entry_name;
    EXPECT_TRUE(m.ras.entries.at(c.entry_name) == expected) << c.entry_name;
    EXPECT_EQ(m.log.entries, (std::vector<std::string>{"ras validate " + std::string(c.entry_name),
                                                       "ras write " + std::string(c.entry_name)}));
  }
}

TEST(VpnEntry, ExistingEntryIsNeverRewritten) {
  test::MemoryOs m;
  RasEntry stored;
  stored.local_phone_number = "old.example.net";
  stored.device_name = "Other Device";
  m.ras.entries["velmar-PPTP"] = stored;

  VpnEntryResult result = Create(m, "velmar-PPTP", "new.example.net");
  EXPECT_EQ(result.outcome, VpnEntryOutcome::kExisting);
  EXPECT_EQ(result.code, 183u);
  EXPECT_TRUE(result.usable());
  EXPECT_TRUE(m.ras.entries.at("velmar-PPTP") == stored);
  EXPECT_EQ(m.log.entries, std::vector<std::string>{"ras validate velmar-PPTP"});
}

TEST(VpnEntry, AnyOtherValidationAnswerLeadsToTheWriteWhichDecides) {
  struct Case {
    platform::RasCode validation;
    platform::RasCode write_failure;
    VpnEntryOutcome outcome;
    platform::RasCode code;
  } cases[] = {
      {123, 0, VpnEntryOutcome::kWritten, 0},        // ERROR_INVALID_NAME, yet written
      {615, 0, VpnEntryOutcome::kWritten, 0},        // phonebook unreadable, yet written
      {0, 621, VpnEntryOutcome::kWriteFailed, 621},  // the write fails: its code is told
      {123, 5, VpnEntryOutcome::kWriteFailed, 5},
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    m.ras.validation_answers["velmar-L2TP"] = c.validation;
    m.ras.entry_write_failure = c.write_failure;
    VpnEntryResult result = Create(m, "velmar-L2TP");
    EXPECT_EQ(result.outcome, c.outcome) << c.validation << "/" << c.write_failure;
    EXPECT_EQ(result.code, c.code);
    EXPECT_EQ(m.log.entries.size(), 2u);
    EXPECT_EQ(result.usable(), c.write_failure == 0);
  }
}

TEST(VpnEntry, ValuesTheRecordCannotHoldAreRefusedBeforeAnyRasCall) {
  const std::string longest_server(128, 's');
  const std::string longest_device(128, 'd');
  const std::string longest_type(16, 't');
  struct Case {
    std::string entry_name;
    std::string server;
    std::string device;
    std::string type;
    VpnEntryOutcome outcome;
  } cases[] = {
      {"velmar-PPTP", longest_server, longest_device, longest_type, VpnEntryOutcome::kWritten},
      {"velmar-PPTP", longest_server + "s", kDevice, "vpn", VpnEntryOutcome::kServerTooLong},
      {"velmar-PPTP", std::string("vpn1\0evil", 9), kDevice, "vpn",
       VpnEntryOutcome::kServerTooLong},
      {"velmar-PPTP", kServer, longest_device + "d", "vpn", VpnEntryOutcome::kDeviceTooLong},
      {"velmar-PPTP", kServer, kDevice, longest_type + "t", VpnEntryOutcome::kDeviceTooLong},
      {std::string(257, 'e'), kServer, kDevice, "vpn", VpnEntryOutcome::kEntryNameTooLong},
      {std::string(256, 'e'), kServer, kDevice, "vpn", VpnEntryOutcome::kWritten},
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    VpnEntryResult result = Create(m, c.entry_name, c.server, c.device, c.type);
    EXPECT_EQ(result.outcome, c.outcome) << c.server.size() << " " << c.device.size();
    if (c.outcome == VpnEntryOutcome::kWritten) {
      ASSERT_EQ(m.ras.entries.count(c.entry_name), 1u);
      EXPECT_EQ(m.ras.entries.at(c.entry_name).local_phone_number, c.server);
      EXPECT_EQ(m.ras.entries.at(c.entry_name).device_name, c.device);
      continue;
    }
    EXPECT_EQ(result.code, platform::kErrorInvalidParameter);
    EXPECT_FALSE(result.usable());
    EXPECT_TRUE(m.log.entries.empty()) << m.log.entries.front();
    EXPECT_TRUE(m.ras.entries.empty());
  }
}

TEST(VpnEntry, OverlongServerIsRefusedEvenForAnExistingEntry) {
  // The dial could not carry it either: nothing is gained by going on.
  test::MemoryOs m;
  m.ras.entries["velmar-PPTP"] = RasEntry{};
  EXPECT_EQ(Create(m, "velmar-PPTP", std::string(129, 's')).outcome,
            VpnEntryOutcome::kServerTooLong);
}

TEST(VpnEntry, StatusTextForEveryEntryThatCannotBeUsed) {
  for (VpnEntryOutcome outcome :
       {VpnEntryOutcome::kWriteFailed, VpnEntryOutcome::kEntryNameTooLong,
        VpnEntryOutcome::kDeviceTooLong, VpnEntryOutcome::kServerTooLong}) {
    const char* text = vpn::EntryStatusText(VpnEntryResult{outcome, 87});
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "velmar 어댑터를 생성할 수 없습니다.");
  }
  EXPECT_EQ(vpn::EntryStatusText(VpnEntryResult{VpnEntryOutcome::kExisting, 183}), nullptr);
}

}  // namespace
