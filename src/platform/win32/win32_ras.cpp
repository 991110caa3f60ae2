#include "platform/win32/win32_ras.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/win32/fixed_text.h"
#include "platform/win32/ras_records.h"

namespace platform::win32 {
namespace {

// More records than any computer has devices or connections; an OS answer
// that asks for more is read as far as this goes, and then fails as too
// small a buffer would.
constexpr std::size_t kMaxRecords = 4096;

// RasDialFunc is a plain function without a context argument, so the
// notifier it forwards to must be reachable without one: this is the one
// process-wide variable of the program. A step is delivered with the mutex
// held, so once Dial has replaced the notifier, or its owner has cleared it,
// no further step reaches the old one.
struct DialNotifierSlot {
  std::mutex mutex;
  const Win32Ras* owner = nullptr;
  RasDialNotifier notifier;
};
DialNotifierSlot g_dialNotifier;

// Runs on a thread of RAS's. The message number RAS passes is not needed.
void WINAPI RasDialNotify(UINT /*message*/, DWORD state, DWORD error) {
  std::lock_guard<std::mutex> lock(g_dialNotifier.mutex);
  if (!g_dialNotifier.notifier) return;
  try {
    g_dialNotifier.notifier(state, error);
  } catch (...) {
    // An exception must not unwind into RAS's thread; the step is lost.
  }
}

const CHAR* PhonebookOrDefault(const std::string& phonebook) {
  return phonebook.empty() ? nullptr : phonebook.c_str();
}

struct Enumerated {
  DWORD code = 0;
  DWORD size_query_code = 0;
};

// RAS's two-call enumeration: a size query with `probe_records` records
// (none: no buffer at all), then a read into as many records as it asked
// for. `records` keeps the filled ones; it is empty when the read fails.
template <class Record, class Call>
Enumerated Enumerate(Call call, std::size_t probe_records, std::vector<Record>& records) {
  Enumerated result;
  std::vector<Record> probe(probe_records);
  if (!probe.empty()) probe.front().dwSize = sizeof(Record);
  DWORD bytes = static_cast<DWORD>(probe.size() * sizeof(Record));
  DWORD count = 0;
  result.size_query_code = call(probe.empty() ? nullptr : probe.data(), &bytes, &count);
  if (count == 0) {
    // Nothing to read. "Too small" only means there was something to size.
    bool answered =
        result.size_query_code == kRasSuccess || result.size_query_code == kErrorBufferTooSmall;
    result.code = answered ? kRasSuccess : result.size_query_code;
    return result;
  }
  std::size_t wanted = std::max<std::size_t>(count, (bytes + sizeof(Record) - 1) / sizeof(Record));
  wanted = std::min(wanted, kMaxRecords);
  records.assign(wanted, Record{});
  records.front().dwSize = sizeof(Record);
  bytes = static_cast<DWORD>(wanted * sizeof(Record));
  result.code = call(records.data(), &bytes, &count);
  records.resize(result.code == kRasSuccess ? std::min<std::size_t>(count, wanted) : 0);
  return result;
}

RasConnHandle FromOs(HANDLE connection) {
  return RasConnHandle{reinterpret_cast<std::uintptr_t>(connection)};
}

HANDLE ToOs(RasConnHandle connection) { return reinterpret_cast<HANDLE>(connection.value); }

}  // namespace

Win32Ras::~Win32Ras() {
  std::lock_guard<std::mutex> lock(g_dialNotifier.mutex);
  if (g_dialNotifier.owner != this) return;
  g_dialNotifier.owner = nullptr;
  g_dialNotifier.notifier = nullptr;
}

RasDeviceList Win32Ras::EnumerateDevices() {
  std::vector<ras::DeviceInfo> records;
  Enumerated done = Enumerate(ras::RasEnumDevicesA, 0, records);
  RasDeviceList list;
  list.code = done.code;
  list.size_query_code = done.size_query_code;
  for (const ras::DeviceInfo& record : records) {
    list.devices.push_back(
        RasDevice{Terminated(record.szDeviceType), Terminated(record.szDeviceName)});
  }
  return list;
}

RasCode Win32Ras::ValidateEntryName(const std::string& phonebook, const std::string& entry_name) {
  if (!RasEntryNameFits(phonebook, entry_name)) return kErrorInvalidParameter;
  return ras::RasValidateEntryNameA(PhonebookOrDefault(phonebook), entry_name.c_str());
}

RasCode Win32Ras::SetEntryProperties(const std::string& phonebook, const std::string& entry_name,
                                     const RasEntry& entry) {
  if (!RasEntryNameFits(phonebook, entry_name) || !RasEntryFits(entry)) {
    return kErrorInvalidParameter;
  }
  ras::Entry record{};
  record.dwSize = sizeof record;
  record.dwfOptions = entry.options;
  CopyWhole(record.szLocalPhoneNumber, entry.local_phone_number);
  record.ipaddrDns = {entry.dns.a, entry.dns.b, entry.dns.c, entry.dns.d};
  record.ipaddrDnsAlt = {entry.dns_alt.a, entry.dns_alt.b, entry.dns_alt.c, entry.dns_alt.d};
  record.dwfNetProtocols = entry.net_protocols;
  record.dwFramingProtocol = entry.framing_protocol;
  CopyWhole(record.szDeviceType, entry.device_type);
  CopyWhole(record.szDeviceName, entry.device_name);
  record.dwType = entry.entry_type;
  record.dwEncryptionType = entry.encryption_type;
  record.dwVpnStrategy = entry.vpn_strategy;
  return ras::RasSetEntryPropertiesA(PhonebookOrDefault(phonebook), entry_name.c_str(), &record,
                                     sizeof record, nullptr, 0);
}

RasDialStart Win32Ras::Dial(const RasDialParams& params, RasDialNotifier notifier) {
  if (!RasDialParamsFit(params)) return RasDialStart{kErrorInvalidParameter, {}};
  ras::DialParams record{};
  record.dwSize = sizeof record;
  CopyWhole(record.szEntryName, params.entry_name);
  CopyWhole(record.szPhoneNumber, params.phone_number);
  CopyWhole(record.szUserName, params.user_name);
  CopyWhole(record.szPassword, params.password);
  {
    // Set before the dial: RAS may report its first step before RasDialA returns.
    std::lock_guard<std::mutex> lock(g_dialNotifier.mutex);
    g_dialNotifier.owner = this;
    g_dialNotifier.notifier = std::move(notifier);
  }
  HANDLE connection = nullptr;  // RAS requires it to be null on the way in
  ras::DialFunc notify = RasDialNotify;
  DWORD code = ras::RasDialA(nullptr, nullptr, &record, ras::kNotifierDialFunc,
                             reinterpret_cast<void*>(notify), &connection);
  ::SecureZeroMemory(record.szPassword, sizeof record.szPassword);
  return RasDialStart{code, FromOs(connection)};
}

RasConnectionList Win32Ras::EnumerateConnections() {
  std::vector<ras::Connection> records;
  // The size query already passes one record, so an OS that rejects the
  // record's size says so at once.
  Enumerated done = Enumerate(ras::RasEnumConnectionsA, 1, records);
  RasConnectionList list;
  list.code = done.code;
  for (const ras::Connection& record : records) {
    list.connections.push_back(
        RasConnection{FromOs(record.hrasconn), Terminated(record.szEntryName),
                      Terminated(record.szDeviceType), Terminated(record.szDeviceName)});
  }
  return list;
}

RasCode Win32Ras::HangUp(RasConnHandle connection) { return ras::RasHangUpA(ToOs(connection)); }

std::optional<std::string> Win32Ras::GetErrorString(RasCode code) {
  char text[kRasErrorTextBuffer] = {};
  if (ras::RasGetErrorStringA(code, text, sizeof text) != kRasSuccess) return std::nullopt;
  return Terminated(text);
}

}  // namespace platform::win32
