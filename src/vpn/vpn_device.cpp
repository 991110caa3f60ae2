#include "vpn/vpn_device.h"

#include "vpn/cp949_text.h"
#include "vpn/vpn_entry.h"

namespace vpn {
namespace {

constexpr char kNoDeviceText[] = "연결장치를 찾을 수 없습니다.";

}  // namespace

bool IsVpnDeviceType(const std::string& device_type) {
  return EqualsIgnoringCase(device_type, platform::rasentry::kDeviceTypeVpn);
}

int CountVpnDevices(platform::Ras& ras) {
  platform::RasDeviceList list = ras.EnumerateDevices();
  if (list.code != platform::kRasSuccess) return -1;
  int count = 0;
  for (const platform::RasDevice& device : list.devices) {
    if (IsVpnDeviceType(device.type)) ++count;
  }
  return count;
}

bool GetVpnDeviceNames(platform::Ras& ras, std::vector<std::string>& names) {
  platform::RasDeviceList list = ras.EnumerateDevices();
  if (list.code != platform::kRasSuccess) return false;
  std::size_t stored = 0;
  for (const platform::RasDevice& device : list.devices) {
    if (stored == names.size()) break;
    if (IsVpnDeviceType(device.type)) names[stored++] = device.name;
  }
  return true;
}

VpnDeviceChoice ChooseVpnDevice(platform::Ras& ras, const std::string& entry_name) {
  VpnDeviceChoice choice;
  int count = CountVpnDevices(ras);
  if (count <= 0) return choice;
  // The list may change between the two listings: no more names are kept
  // than were counted, and a slot left empty matches nothing below.
  std::vector<std::string> names(static_cast<std::size_t>(count));
  if (!GetVpnDeviceNames(ras, names)) return choice;
  choice.list_read = true;
  const char* protocol = IsL2tpEntry(entry_name) ? "L2TP" : "PPTP";
  for (const std::string& name : names) {
    if (name.find("VPN") != std::string::npos || name.find(protocol) != std::string::npos) {
      choice.device_name = name;
      break;
    }
  }
  return choice;
}

const char* DeviceChoiceStatusText(const VpnDeviceChoice& choice) {
  return choice.found() ? nullptr : kNoDeviceText;
}

}  // namespace vpn
