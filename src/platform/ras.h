// The OS's dial-up networking (RAS), as much of it as the connection engine
// uses: the devices, the default phonebook's entries, the asynchronous dial,
// the active connections, hang-up and the texts of RAS error codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A RAS result: 0 is success, anything else the OS's error code.
using RasCode = std::uint32_t;

inline constexpr RasCode kRasSuccess = 0;
inline constexpr RasCode kErrorInvalidHandle = 6;               // ERROR_INVALID_HANDLE
inline constexpr RasCode kErrorInvalidParameter = 87;           // ERROR_INVALID_PARAMETER
inline constexpr RasCode kErrorAlreadyExists = 183;             // ERROR_ALREADY_EXISTS
inline constexpr RasCode kErrorBufferTooSmall = 603;            // ERROR_BUFFER_TOO_SMALL
inline constexpr RasCode kErrorCannotOpenPhonebook = 615;       // ERROR_CANNOT_OPEN_PHONEBOOK
inline constexpr RasCode kErrorCannotFindPhonebookEntry = 623;  // ERROR_CANNOT_FIND_PHONEBOOK_ENTRY

// Longest values the OS's records hold, in bytes without the terminator. A
// value that is longer (or holds a NUL byte, where the OS would see it end)
// cannot be passed faithfully: every operation below refuses it with
// kErrorInvalidParameter before it reaches the OS, so callers that want to
// say so themselves check with RasValueFits first.
inline constexpr std::size_t kRasMaxEntryName = 256;      // RAS_MaxEntryName
inline constexpr std::size_t kRasMaxDeviceType = 16;      // RAS_MaxDeviceType
inline constexpr std::size_t kRasMaxDeviceName = 128;     // RAS_MaxDeviceName
inline constexpr std::size_t kRasMaxPhoneNumber = 128;    // RAS_MaxPhoneNumber
inline constexpr std::size_t kRasMaxUserName = 256;       // UNLEN
inline constexpr std::size_t kRasMaxPassword = 256;       // PWLEN
inline constexpr std::size_t kRasMaxPhonebookPath = 259;  // MAX_PATH - 1
// The buffer an error text is read into, terminator included.
inline constexpr std::size_t kRasErrorTextBuffer = 256;

inline bool RasValueFits(const std::string& value, std::size_t max_length) {
  return value.size() <= max_length && value.find('\0') == std::string::npos;
}

// Values of the entry record's members, as the OS defines them.
namespace rasentry {
inline constexpr std::uint32_t kOptionIpHeaderCompression = 0x8;    // RASEO_IpHeaderCompression
inline constexpr std::uint32_t kOptionRemoteDefaultGateway = 0x10;  // RASEO_RemoteDefaultGateway
inline constexpr std::uint32_t kOptionRequireEncryption = 0x1000;   // RASEO_RequireDataEncryption
inline constexpr std::uint32_t kNetProtocolIp = 4;                  // RASNP_Ip
inline constexpr std::uint32_t kFramingPpp = 1;                     // RASFP_Ppp
inline constexpr std::uint32_t kTypeVpn = 2;                        // RASET_Vpn
inline constexpr std::uint32_t kEncryptionOptional = 3;             // ET_Optional
inline constexpr std::uint32_t kStrategyPptpOnly = 1;               // VS_PptpOnly
inline constexpr std::uint32_t kStrategyL2tpOnly = 3;               // VS_L2tpOnly
inline constexpr char kDeviceTypeVpn[] = "vpn";                     // RASDT_Vpn
}  // namespace rasentry

// The steps a dial reports (RASCONNSTATE). A notifier may also be given
// values outside this list.
namespace rascs {
inline constexpr std::uint32_t kOpenPort = 0;
inline constexpr std::uint32_t kPortOpened = 1;
inline constexpr std::uint32_t kConnectDevice = 2;
inline constexpr std::uint32_t kDeviceConnected = 3;
inline constexpr std::uint32_t kAllDevicesConnected = 4;
inline constexpr std::uint32_t kAuthenticate = 5;
inline constexpr std::uint32_t kAuthNotify = 6;
inline constexpr std::uint32_t kAuthRetry = 7;
inline constexpr std::uint32_t kAuthCallback = 8;
inline constexpr std::uint32_t kAuthChangePassword = 9;
inline constexpr std::uint32_t kAuthProject = 10;
inline constexpr std::uint32_t kAuthLinkSpeed = 11;
inline constexpr std::uint32_t kAuthAck = 12;
inline constexpr std::uint32_t kReAuthenticate = 13;
inline constexpr std::uint32_t kAuthenticated = 14;
inline constexpr std::uint32_t kPrepareForCallback = 15;
inline constexpr std::uint32_t kWaitForModemReset = 16;
inline constexpr std::uint32_t kWaitForCallback = 17;
inline constexpr std::uint32_t kProjected = 18;
inline constexpr std::uint32_t kStartAuthentication = 19;
inline constexpr std::uint32_t kCallbackComplete = 20;
inline constexpr std::uint32_t kLogonNetwork = 21;
inline constexpr std::uint32_t kSubEntryConnected = 22;
inline constexpr std::uint32_t kSubEntryDisconnected = 23;
inline constexpr std::uint32_t kInteractive = 0x1000;
inline constexpr std::uint32_t kRetryAuthentication = 0x1001;
inline constexpr std::uint32_t kCallbackSetByCaller = 0x1002;
inline constexpr std::uint32_t kPasswordExpired = 0x1003;
inline constexpr std::uint32_t kConnected = 0x2000;
inline constexpr std::uint32_t kDisconnected = 0x2001;
}  // namespace rascs

struct RasDevice {
  std::string type;  // "vpn", "modem", ... as the OS names it
  std::string name;
};

struct RasDeviceList {
  // 0 when `devices` is the whole list; otherwise the failing call's code and
  // `devices` is empty.
  RasCode code = kRasSuccess;
  // What the size query (no buffer) answered: 603 when there were devices to
  // report. Told for the record; the outcome is `code`.
  RasCode size_query_code = kRasSuccess;
  std::vector<RasDevice> devices;  // in the order the OS lists them
};

// An IPv4 address as the entry record holds it: a.b.c.d.
struct RasIpAddress {
  std::uint8_t a = 0, b = 0, c = 0, d = 0;
  friend bool operator==(const RasIpAddress& x, const RasIpAddress& y) {
    return x.a == y.a && x.b == y.b && x.c == y.c && x.d == y.d;
  }
};

// The members of a phonebook entry that the program sets; every other member
// of the OS's record is written as zero or empty.
struct RasEntry {
  std::uint32_t options = 0;        // dwfOptions: rasentry::kOption... bits
  std::string local_phone_number;   // at most kRasMaxPhoneNumber
  RasIpAddress dns;                 // ipaddrDns
  RasIpAddress dns_alt;             // ipaddrDnsAlt
  std::uint32_t net_protocols = 0;  // dwfNetProtocols
  std::uint32_t framing_protocol = 0;
  std::string device_type;       // at most kRasMaxDeviceType
  std::string device_name;       // at most kRasMaxDeviceName
  std::uint32_t entry_type = 0;  // dwType
  std::uint32_t encryption_type = 0;
  std::uint32_t vpn_strategy = 0;
  friend bool operator==(const RasEntry& x, const RasEntry& y) {
    return x.options == y.options && x.local_phone_number == y.local_phone_number &&
           x.dns == y.dns && x.dns_alt == y.dns_alt && x.net_protocols == y.net_protocols &&
           x.framing_protocol == y.framing_protocol && x.device_type == y.device_type &&
           x.device_name == y.device_name && x.entry_type == y.entry_type &&
           x.encryption_type == y.encryption_type && x.vpn_strategy == y.vpn_strategy;
  }
};

// A connection as the OS names it (HRASCONN); 0 is none. Only the OS gives
// it meaning: it is copied, compared and handed back, nothing else.
struct RasConnHandle {
  std::uintptr_t value = 0;
  explicit operator bool() const { return value != 0; }
  friend bool operator==(RasConnHandle x, RasConnHandle y) { return x.value == y.value; }
  friend bool operator!=(RasConnHandle x, RasConnHandle y) { return x.value != y.value; }
};

struct RasConnection {
  RasConnHandle handle;
  std::string entry_name;
  std::string device_type;
  std::string device_name;
};

struct RasConnectionList {
  RasCode code = kRasSuccess;              // as RasDeviceList::code
  std::vector<RasConnection> connections;  // in the order the OS lists them
};

// What a dial is given. The phone number overrides the one in the entry.
struct RasDialParams {
  std::string entry_name;    // at most kRasMaxEntryName
  std::string phone_number;  // at most kRasMaxPhoneNumber
  std::string user_name;     // at most kRasMaxUserName
  std::string password;      // at most kRasMaxPassword
};

// Whether the OS's records can hold the values, by RasValueFits.
inline bool RasEntryNameFits(const std::string& phonebook, const std::string& entry_name) {
  return RasValueFits(phonebook, kRasMaxPhonebookPath) &&
         RasValueFits(entry_name, kRasMaxEntryName);
}
inline bool RasEntryFits(const RasEntry& entry) {
  return RasValueFits(entry.local_phone_number, kRasMaxPhoneNumber) &&
         RasValueFits(entry.device_type, kRasMaxDeviceType) &&
         RasValueFits(entry.device_name, kRasMaxDeviceName);
}
inline bool RasDialParamsFit(const RasDialParams& params) {
  return RasValueFits(params.entry_name, kRasMaxEntryName) &&
         RasValueFits(params.phone_number, kRasMaxPhoneNumber) &&
         RasValueFits(params.user_name, kRasMaxUserName) &&
         RasValueFits(params.password, kRasMaxPassword);
}

// Called with each step of a dial: (RASCONNSTATE, error code or 0). It runs on
// a thread of the OS's, any thread, possibly before Dial has returned; it must
// return quickly and must not call back into the Ras port (the OS forbids a
// dial from inside it). Each Dial replaces the notifier: steps of an earlier
// dial that are still reported reach the latest one.
using RasDialNotifier = std::function<void(std::uint32_t state, std::uint32_t error)>;

struct RasDialStart {
  RasCode code = kRasSuccess;  // 0: the dial has started and will report through the notifier
  RasConnHandle handle;        // the new connection; none when the OS gave none
};

// Every operation may be called from any thread. An empty `phonebook` is the
// system's default phonebook.
class Ras {
 public:
  virtual ~Ras() = default;

  virtual RasDeviceList EnumerateDevices() = 0;
  // 0 for a name that is free, 183 for a name that exists, or another code.
  virtual RasCode ValidateEntryName(const std::string& phonebook,
                                    const std::string& entry_name) = 0;
  // Creates or replaces the entry with `entry`.
  virtual RasCode SetEntryProperties(const std::string& phonebook, const std::string& entry_name,
                                     const RasEntry& entry) = 0;
  // Starts a dial of the default phonebook's entry and returns at once.
  virtual RasDialStart Dial(const RasDialParams& params, RasDialNotifier notifier) = 0;
  virtual RasConnectionList EnumerateConnections() = 0;
  // Starts the hang-up; nothing waits for the line to drop.
  virtual RasCode HangUp(RasConnHandle connection) = 0;
  // The OS's text for a RAS error code; nothing when it has none.
  virtual std::optional<std::string> GetErrorString(RasCode code) = 0;
};

}  // namespace platform
