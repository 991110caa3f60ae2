// What the simulated rasapi32 exports beyond RAS's own calls, for the tests
// that load it.
#pragma once

#include "platform/win32/ras_records.h"

namespace simulated_ras {

// Present only in the simulated DLL: tells it from the one Wine brings.
inline constexpr char kMarkerExport[] = "velmar_simulated_ras";
using Marker = int(__cdecl*)();

// Copies the record last written for `entry_name` into `entry`; false when
// there is none.
inline constexpr char kStoredEntryExport[] = "velmar_simulated_entry";
using StoredEntry = BOOL(__cdecl*)(const CHAR* entry_name, platform::win32::ras::Entry* entry);

// The simulated system's one device.
inline constexpr char kDeviceType[] = "vpn";
inline constexpr char kDeviceName[] = "Simulated VPN Miniport (PPTP)";

// A dial with this user name is refused at authentication with 691.
inline constexpr char kRefusedUser[] = "refused";
inline constexpr DWORD kAuthenticationFailure = 691;

// The notifier's message number, WM_RASDIALEVENT.
inline constexpr UINT kDialEventMessage = 0xCCCD;

}  // namespace simulated_ras
