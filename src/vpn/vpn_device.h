// The VPN device a new phonebook entry is bound to, chosen from RAS's devices.
#pragma once

#include <string>
#include <vector>

#include "platform/ras.h"

namespace vpn {

// The device name that stands for "no suitable device".
inline constexpr char kNoDevice[] = "none";

// Whether RAS counts the device type as a VPN's: "vpn" in any letter case.
bool IsVpnDeviceType(const std::string& device_type);

// The number of VPN devices; 0 when there are none, -1 when the devices
// cannot be listed.
int CountVpnDevices(platform::Ras& ras);

// Overwrites `names` from its first element on with the names of the VPN
// devices, in RAS's order, storing no more than `names` holds (size it by
// CountVpnDevices); elements past the last device keep their value. False,
// changing nothing, when the devices cannot be listed.
bool GetVpnDeviceNames(platform::Ras& ras, std::vector<std::string>& names);

struct VpnDeviceChoice {
  // Whether the device list was read and held a VPN device, whether or not
  // one of them was chosen.
  bool list_read = false;
  std::string device_name = kNoDevice;
  bool found() const { return device_name != kNoDevice; }
};

// The first VPN device whose name contains "VPN", or failing that the
// protocol word of `entry_name` ("L2TP" for the L2TP entry, "PPTP" for any
// other name); both searches are case-sensitive byte searches. Lists the
// devices twice, once to count and once to name them.
VpnDeviceChoice ChooseVpnDevice(platform::Ras& ras, const std::string& entry_name);

// What the status line says when no device was chosen; nullptr when one was.
const char* DeviceChoiceStatusText(const VpnDeviceChoice& choice);

}  // namespace vpn
