// The client's two phonebook entries, one per tunnel type, and the record a
// new one is written with.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ras.h"

namespace vpn {

inline constexpr char kL2tpEntryName[] = "velmar-L2TP";
inline constexpr char kPptpEntryName[] = "velmar-PPTP";

// "velmar-L2TP" for tunnel type 0, "velmar-PPTP" for every other type.
std::string EntryNameForType(int conn_type);
// Whether the entry name means L2TP: exactly "velmar-L2TP", letter case
// included; every other name means PPTP.
bool IsL2tpEntry(const std::string& entry_name);

enum class VpnEntryOutcome {
  kWritten,      // the entry did not exist and has been written
  kExisting,     // the entry exists and was left as it is
  kWriteFailed,  // RAS refused the write
  // Refused before any RAS call: the record cannot hold the value whole.
  kEntryNameTooLong,
  kDeviceTooLong,  // the device type or name
  kServerTooLong,
};

struct VpnEntryResult {
  VpnEntryOutcome outcome = VpnEntryOutcome::kWriteFailed;
  // RAS's answer: 0 written, 183 existing, the failing write's code; for a
  // refused value 87, as RAS itself would answer it.
  platform::RasCode code = platform::kRasSuccess;
  // What the dial can go on with: a written or an existing entry.
  bool usable() const {
    return outcome == VpnEntryOutcome::kWritten || outcome == VpnEntryOutcome::kExisting;
  }
};

// Writes the entry unless one of that name exists (an existing entry is never
// rewritten, whatever it holds). The values are checked first: one the entry
// record cannot hold is refused, even for an existing entry, since the dial
// could not carry that server either. An empty `phonebook` is the system's
// default one. Every other member of the record is zero or empty.
VpnEntryResult CreateVpnEntry(platform::Ras& ras, const std::string& entry_name,
                              const std::string& device_type, const std::string& device_name,
                              std::uint32_t net_protocols, std::uint32_t framing_protocol,
                              const std::string& phone_number, const std::string& phonebook);

// What the status line says when the entry cannot be used; nullptr when it can.
const char* EntryStatusText(const VpnEntryResult& result);

}  // namespace vpn
