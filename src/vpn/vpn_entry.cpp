#include "vpn/vpn_entry.h"

namespace vpn {
namespace {

constexpr char kEntryFailedText[] = "velmar 어댑터를 생성할 수 없습니다.";

// Public resolvers, only stored: without RASEO_SpecificNameServers the
// connection uses the name servers the VPN server assigns.
constexpr platform::RasIpAddress kDns{168, 126, 63, 1};
constexpr platform::RasIpAddress kDnsAlt{164, 124, 101, 2};

// Encryption required, the tunnel as the default route, IP header compression.
constexpr std::uint32_t kEntryOptions = platform::rasentry::kOptionRequireEncryption |
                                        platform::rasentry::kOptionRemoteDefaultGateway |
                                        platform::rasentry::kOptionIpHeaderCompression;

}  // namespace

std::string EntryNameForType(int conn_type) {
  return conn_type == 0 ? kL2tpEntryName : kPptpEntryName;
}

bool IsL2tpEntry(const std::string& entry_name) { return entry_name == kL2tpEntryName; }

VpnEntryResult CreateVpnEntry(platform::Ras& ras, const std::string& entry_name,
                              const std::string& device_type, const std::string& device_name,
                              std::uint32_t net_protocols, std::uint32_t framing_protocol,
                              const std::string& phone_number, const std::string& phonebook) {
  using platform::RasValueFits;
  auto refused = [](VpnEntryOutcome outcome) {
    return VpnEntryResult{outcome, platform::kErrorInvalidParameter};
  };
  if (!RasValueFits(entry_name, platform::kRasMaxEntryName)) {
    return refused(VpnEntryOutcome::kEntryNameTooLong);
  }
  if (!RasValueFits(device_type, platform::kRasMaxDeviceType) ||
      !RasValueFits(device_name, platform::kRasMaxDeviceName)) {
    return refused(VpnEntryOutcome::kDeviceTooLong);
  }
  if (!RasValueFits(phone_number, platform::kRasMaxPhoneNumber)) {
    return refused(VpnEntryOutcome::kServerTooLong);
  }

  // Any answer but 183 (a free name, or a failure) goes on to the write,
  // whose answer decides.
  if (ras.ValidateEntryName(phonebook, entry_name) == platform::kErrorAlreadyExists) {
    return VpnEntryResult{VpnEntryOutcome::kExisting, platform::kErrorAlreadyExists};
  }

  platform::RasEntry entry;
  entry.options = kEntryOptions;
  entry.local_phone_number = phone_number;
  entry.dns = kDns;
  entry.dns_alt = kDnsAlt;
  entry.net_protocols = net_protocols;
  entry.framing_protocol = framing_protocol;
  entry.device_type = device_type;
  entry.device_name = device_name;
  entry.entry_type = platform::rasentry::kTypeVpn;
  entry.encryption_type = platform::rasentry::kEncryptionOptional;
  entry.vpn_strategy = IsL2tpEntry(entry_name) ? platform::rasentry::kStrategyL2tpOnly
                                               : platform::rasentry::kStrategyPptpOnly;
  platform::RasCode code = ras.SetEntryProperties(phonebook, entry_name, entry);
  return VpnEntryResult{
      code == platform::kRasSuccess ? VpnEntryOutcome::kWritten : VpnEntryOutcome::kWriteFailed,
      code};
}

const char* EntryStatusText(const VpnEntryResult& result) {
  return result.usable() ? nullptr : kEntryFailedText;
}

}  // namespace vpn
