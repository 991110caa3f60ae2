// The RAS records and calls, declared here rather than taken from the SDK
// headers: RAS tells a record's version by its dwSize, and the program speaks
// the Windows 7 versions (WINVER 0x0601), whose last members the MinGW-w64
// headers lack. The layouts follow the documented member lists; the 32-bit
// sizes are the ones the program states in dwSize.
#pragma once

#include "platform/ras.h"
#include "platform/win32/windows_api.h"

namespace platform::win32::ras {

// Array sizes of the records: the limits of platform/ras.h plus the
// terminator, and the members the program leaves empty.
inline constexpr std::size_t kEntryNameChars = kRasMaxEntryName + 1;
inline constexpr std::size_t kDeviceTypeChars = kRasMaxDeviceType + 1;
inline constexpr std::size_t kDeviceNameChars = kRasMaxDeviceName + 1;
inline constexpr std::size_t kPhoneNumberChars = kRasMaxPhoneNumber + 1;
inline constexpr std::size_t kCallbackNumberChars =
    kRasMaxPhoneNumber + 1;  // RAS_MaxCallbackNumber
inline constexpr std::size_t kUserNameChars = kRasMaxUserName + 1;
inline constexpr std::size_t kPasswordChars = kRasMaxPassword + 1;
inline constexpr std::size_t kDomainChars = 15 + 1;          // DNLEN
inline constexpr std::size_t kAreaCodeChars = 10 + 1;        // RAS_MaxAreaCode
inline constexpr std::size_t kPadTypeChars = 32 + 1;         // RAS_MaxPadType
inline constexpr std::size_t kX25AddressChars = 200 + 1;     // RAS_MaxX25Address
inline constexpr std::size_t kX25FacilitiesChars = 200 + 1;  // RAS_MaxFacilities
inline constexpr std::size_t kX25UserDataChars = 200 + 1;    // RAS_MaxUserData
inline constexpr std::size_t kDnsSuffixChars = 256;          // RAS_MaxDnsSuffix
inline constexpr std::size_t kPathChars = MAX_PATH;

struct IpAddress {  // RASIPADDR
  BYTE a, b, c, d;
};

struct Ipv6Address {  // RASIPV6ADDR (IN6_ADDR)
  BYTE bytes[16];
};

struct DeviceInfo {  // RASDEVINFOA
  DWORD dwSize;
  CHAR szDeviceType[kDeviceTypeChars];
  CHAR szDeviceName[kDeviceNameChars];
};

struct Entry {  // RASENTRYA, Windows 7
  DWORD dwSize;
  DWORD dwfOptions;
  DWORD dwCountryID;
  DWORD dwCountryCode;
  CHAR szAreaCode[kAreaCodeChars];
  CHAR szLocalPhoneNumber[kPhoneNumberChars];
  DWORD dwAlternateOffset;
  IpAddress ipaddr;
  IpAddress ipaddrDns;
  IpAddress ipaddrDnsAlt;
  IpAddress ipaddrWins;
  IpAddress ipaddrWinsAlt;
  DWORD dwFrameSize;
  DWORD dwfNetProtocols;
  DWORD dwFramingProtocol;
  CHAR szScript[kPathChars];
  CHAR szAutodialDll[kPathChars];
  CHAR szAutodialFunc[kPathChars];
  CHAR szDeviceType[kDeviceTypeChars];
  CHAR szDeviceName[kDeviceNameChars];
  CHAR szX25PadType[kPadTypeChars];
  CHAR szX25Address[kX25AddressChars];
  CHAR szX25Facilities[kX25FacilitiesChars];
  CHAR szX25UserData[kX25UserDataChars];
  DWORD dwChannels;
  DWORD dwReserved1;
  DWORD dwReserved2;
  DWORD dwSubEntries;
  DWORD dwDialMode;
  DWORD dwDialExtraPercent;
  DWORD dwDialExtraSampleSeconds;
  DWORD dwHangUpExtraPercent;
  DWORD dwHangUpExtraSampleSeconds;
  DWORD dwIdleDisconnectSeconds;
  DWORD dwType;
  DWORD dwEncryptionType;
  DWORD dwCustomAuthKey;
  GUID guidId;
  CHAR szCustomDialDll[kPathChars];
  DWORD dwVpnStrategy;
  DWORD dwfOptions2;
  DWORD dwfOptions3;
  CHAR szDnsSuffix[kDnsSuffixChars];
  DWORD dwTcpWindowSize;
  CHAR szPrerequisitePbk[kPathChars];
  CHAR szPrerequisiteEntry[kEntryNameChars];
  DWORD dwRedialCount;
  DWORD dwRedialPause;
  // Vista
  Ipv6Address ipv6addrDns;
  Ipv6Address ipv6addrDnsAlt;
  DWORD dwIPv4InterfaceMetric;
  DWORD dwIPv6InterfaceMetric;
  // Windows 7
  Ipv6Address ipv6addr;
  DWORD dwIPv6PrefixLength;
  DWORD dwNetworkOutageTime;
};

struct DialParams {  // RASDIALPARAMSA, Windows 7
  DWORD dwSize;
  CHAR szEntryName[kEntryNameChars];
  CHAR szPhoneNumber[kPhoneNumberChars];
  CHAR szCallbackNumber[kCallbackNumberChars];
  CHAR szUserName[kUserNameChars];
  CHAR szPassword[kPasswordChars];
  CHAR szDomain[kDomainChars];
  DWORD dwSubEntry;
  ULONG_PTR dwCallbackId;
  DWORD dwIfIndex;
};

struct Connection {  // RASCONNA, Windows 7
  DWORD dwSize;
  HANDLE hrasconn;
  CHAR szEntryName[kEntryNameChars];
  CHAR szDeviceType[kDeviceTypeChars];
  CHAR szDeviceName[kDeviceNameChars];
  CHAR szPhonebook[kPathChars];
  DWORD dwSubEntry;
  GUID guidEntry;
  DWORD dwFlags;
  LUID luid;
  GUID guidCorrelationId;
};

// The sizes the program states are those of the 32-bit product; a 64-bit
// build (the Wine tests on hosts without 32-bit support) states its own
// sizeof, which is what a 64-bit RAS expects.
#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(DeviceInfo) == 152, "RASDEVINFOA");
static_assert(sizeof(Entry) == 2948, "RASENTRYA, Windows 7");
static_assert(offsetof(Entry, ipv6addrDns) == 2884, "RASENTRYA's Vista members");
static_assert(offsetof(Entry, dwNetworkOutageTime) == 2944, "RASENTRYA's Windows 7 members");
static_assert(sizeof(DialParams) == 1064, "RASDIALPARAMSA, Windows 7");
static_assert(sizeof(Connection) == 720, "RASCONNA, Windows 7");
static_assert(offsetof(Connection, guidCorrelationId) == 704, "RASCONNA's Windows 7 member");
#endif

// RasDialFunc, the notifier of type 0: (message, RASCONNSTATE, error code).
using DialFunc = void(WINAPI*)(UINT message, DWORD state, DWORD error);
inline constexpr DWORD kNotifierDialFunc = 0;

extern "C" {
DWORD WINAPI RasEnumDevicesA(DeviceInfo* devices, DWORD* bytes, DWORD* count);
DWORD WINAPI RasValidateEntryNameA(const CHAR* phonebook, const CHAR* entry_name);
DWORD WINAPI RasSetEntryPropertiesA(const CHAR* phonebook, const CHAR* entry_name, Entry* entry,
                                    DWORD entry_size, BYTE* device_info, DWORD device_info_size);
DWORD WINAPI RasDialA(void* extensions, const CHAR* phonebook, DialParams* params,
                      DWORD notifier_type, void* notifier, HANDLE* connection);
DWORD WINAPI RasEnumConnectionsA(Connection* connections, DWORD* bytes, DWORD* count);
DWORD WINAPI RasHangUpA(HANDLE connection);
DWORD WINAPI RasGetErrorStringA(UINT code, CHAR* buffer, DWORD buffer_size);
}

}  // namespace platform::win32::ras
