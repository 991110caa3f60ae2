// Which RAS device a new phonebook entry is bound to.
#include "vpn/vpn_device.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_os.h"
#include "vpn/vpn_entry.h"

namespace {

using platform::RasDevice;

TEST(VpnDevice, TypeIsVpnInAnyLetterCase) {
  struct Case {
    const char* type;
    bool vpn;
  } cases[] = {
      {"vpn", true},
      {"VPN", true},
      {"vPn", true},
      {"modem", false},
      {"vpn ", false},
      {" vpn", false},
      {"vpnx", false},
      {"", false},
      {"isdn", false},
      {"vp", false},
      // A double-byte character never folds to an ASCII letter.
      {"\xB0\xA1n", false},
  };
  for (const Case& c : cases) EXPECT_EQ(vpn::IsVpnDeviceType(c.type), c.vpn) << c.type;
}

struct ChoiceCase {
  const char* what;
  std::vector<RasDevice> devices;
  const char* pptp_choice;  // for "velmar-PPTP"
  const char* l2tp_choice;  // for "velmar-L2TP"
};

TEST(VpnDevice, ChoiceByNameThenProtocolWord) {
  const ChoiceCase cases[] = {
      {"three VPN devices without \"VPN\" in their names",
       {{"vpn", "WAN Miniport (IKEv2)"},
        {"vpn", "WAN Miniport (L2TP)"},
        {"vpn", "WAN Miniport (PPTP)"}},
       "WAN Miniport (PPTP)",
       "WAN Miniport (L2TP)"},
      {"an L2TP device before an upper-case VPN type whose name holds \"VPN\"",
       {{"vpn", "WAN Miniport (L2TP)"}, {"VPN", "Acme VPN Adapter"}},
       "Acme VPN Adapter",
       "WAN Miniport (L2TP)"},
      {"\"VPN\" in the name wins for either tunnel when it comes first",
       {{"vpn", "Acme VPN Adapter"}, {"vpn", "WAN Miniport (L2TP)"}},
       "Acme VPN Adapter",
       "Acme VPN Adapter"},
      {"\"vpn\" in lower case and no protocol word is never chosen",
       {{"vpn", "acme vpn adapter"}},
       vpn::kNoDevice,
       vpn::kNoDevice},
      {"protocol words are case-sensitive",
       {{"vpn", "WAN Miniport (pptp)"}, {"vpn", "WAN Miniport (l2tp)"}},
       vpn::kNoDevice,
       vpn::kNoDevice},
      {"a device that is not of type vpn is never considered",
       {{"modem", "PPTP VPN modem"}, {"vpn", "WAN Miniport (PPTP)"}},
       "WAN Miniport (PPTP)",
       vpn::kNoDevice},
      {"names are searched as bytes, double-byte characters and all",
       {{"vpn", "\xB0\xA1\xB3\xAA VPN"}},
       "\xB0\xA1\xB3\xAA VPN",
       "\xB0\xA1\xB3\xAA VPN"},
  };
  for (const ChoiceCase& c : cases) {
    test::MemoryOs m;
    m.ras.devices = c.devices;
    vpn::VpnDeviceChoice pptp = vpn::ChooseVpnDevice(m.ras, vpn::kPptpEntryName);
    vpn::VpnDeviceChoice l2tp = vpn::ChooseVpnDevice(m.ras, vpn::kL2tpEntryName);
    EXPECT_EQ(pptp.device_name, c.pptp_choice) << c.what;
    EXPECT_EQ(l2tp.device_name, c.l2tp_choice) << c.what;
    // The list was read and held a VPN device in every case, chosen or not.
    EXPECT_TRUE(pptp.list_read && l2tp.list_read) << c.what;
  }
}

TEST(VpnDevice, OnlyTheExactL2tpEntryNameSearchesForL2tp) {
  test::MemoryOs m;
  m.ras.devices = {{"vpn", "WAN Miniport (L2TP)"}, {"vpn", "WAN Miniport (PPTP)"}};
  EXPECT_EQ(vpn::ChooseVpnDevice(m.ras, "velmar-L2TP").device_name, "WAN Miniport (L2TP)");
  for (const char* name : {"velmar-l2tp", "VELMAR-L2TP", "velmar-L2TP ", "", "velmar-PPTP"}) {
    EXPECT_EQ(vpn::ChooseVpnDevice(m.ras, name).device_name, "WAN Miniport (PPTP)") << name;
  }
}

TEST(VpnDevice, NoVpnDeviceOrNoListMeansNone) {
  struct Case {
    const char* what;
    std::vector<RasDevice> devices;
    platform::RasCode failure;
    int count;
  } cases[] = {
      {"no device at all", {}, 0, 0},
      {"devices of other types only", {{"modem", "PPTP modem"}, {"isdn", "VPN card"}}, 0, 0},
      {"the listing fails", {{"vpn", "Acme VPN Adapter"}}, 610, -1},
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    m.ras.devices = c.devices;
    m.ras.device_enumeration_failure = c.failure;
    EXPECT_EQ(vpn::CountVpnDevices(m.ras), c.count) << c.what;
    vpn::VpnDeviceChoice choice = vpn::ChooseVpnDevice(m.ras, vpn::kPptpEntryName);
    EXPECT_FALSE(choice.list_read) << c.what;
    EXPECT_EQ(choice.device_name, vpn::kNoDevice) << c.what;
    EXPECT_FALSE(choice.found()) << c.what;
  }
}

TEST(VpnDevice, NamesFillTheCallersSlotsAndNoMore) {
  test::MemoryOs m;
  m.ras.devices = {{"vpn", "first"}, {"modem", "skipped"}, {"VPN", "second"}, {"vpn", "third"}};
  EXPECT_EQ(vpn::CountVpnDevices(m.ras), 3);

  std::vector<std::string> two(2, "old");
  ASSERT_TRUE(vpn::GetVpnDeviceNames(m.ras, two));
  EXPECT_EQ(two, (std::vector<std::string>{"first", "second"}));

  std::vector<std::string> five(5, "old");
  ASSERT_TRUE(vpn::GetVpnDeviceNames(m.ras, five));
  EXPECT_EQ(five, (std::vector<std::string>{"first", "second", "third", "old", "old"}));

  m.ras.device_enumeration_failure = 610;
  std::vector<std::string> kept(1, "old");
  EXPECT_FALSE(vpn::GetVpnDeviceNames(m.ras, kept));
  EXPECT_EQ(kept, std::vector<std::string>{"old"});
}

TEST(VpnDevice, StatusTextOnlyWhenNoDeviceWasChosen) {
  vpn::VpnDeviceChoice none;
  vpn::VpnDeviceChoice chosen{true, "WAN Miniport (PPTP)"};
  ASSERT_NE(vpn::DeviceChoiceStatusText(none), nullptr);
  EXPECT_STREQ(vpn::DeviceChoiceStatusText(none), "연결장치를 찾을 수 없습니다.");
  // Held as CP949: "연결" is BF AC B0 E1.
  EXPECT_EQ(std::string(vpn::DeviceChoiceStatusText(none)).substr(0, 4), "\xBF\xAC\xB0\xE1");
  EXPECT_EQ(vpn::DeviceChoiceStatusText(chosen), nullptr);
}

}  // namespace
