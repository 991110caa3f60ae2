// A small dial-up system behind RAS's ANSI calls: one VPN device, entries
// kept in memory, and dials that report their steps from a thread of their
// own up to RASCS_Connected. It checks the records' dwSize the way RAS does,
// so a caller that states the wrong record version fails here too.
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "simulated_ras.h"

namespace {

using namespace platform::win32::ras;

constexpr DWORD kErrorInvalidHandle = 6;
constexpr DWORD kErrorInvalidParameter = 87;
constexpr DWORD kErrorBufferTooSmall = 603;
constexpr DWORD kErrorCannotFindPhonebookEntry = 623;
constexpr DWORD kErrorInvalidSize = 632;

constexpr std::chrono::milliseconds kStepPause{10};

struct ActiveConnection {
  HANDLE handle;
  std::string entry_name;
  std::string device_type;
  std::string device_name;
};

// Everything the system holds, under one lock.
struct System {
  std::mutex mutex;
  std::map<std::string, Entry> entries;
  std::vector<ActiveConnection> connections;
  std::uintptr_t last_handle = 0;
};

System& TheSystem() {
  static System system;
  return system;
}

template <std::size_t N>
std::string Text(const CHAR (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

template <std::size_t N>
void Put(CHAR (&field)[N], const std::string& value) {
  std::size_t length = value.size() < N ? value.size() : N - 1;
  std::memcpy(field, value.data(), length);
  field[length] = '\0';
}

bool IsActive(HANDLE handle) {
  System& system = TheSystem();
  std::lock_guard<std::mutex> lock(system.mutex);
  for (const ActiveConnection& connection : system.connections) {
    if (connection.handle == handle) return true;
  }
  return false;
}

// The steps of a PPTP dial, as RAS reports them; a refused user ends at
// authentication with its error. A hang-up stops the steps.
void ReportSteps(HANDLE handle, DialFunc notify, bool refused) {
  struct Step {
    DWORD state;
    DWORD error;
  };
  const std::vector<Step> connected = {{0, 0}, {1, 0},  {2, 0},  {3, 0},     {4, 0},
                                       {5, 0}, {14, 0}, {18, 0}, {0x2000, 0}};
  const std::vector<Step> refusal = {{0, 0}, {1, 0}, {2, 0},
                                     {3, 0}, {4, 0}, {5, simulated_ras::kAuthenticationFailure}};
  for (const Step& step : refused ? refusal : connected) {
    std::this_thread::sleep_for(kStepPause);
    if (!IsActive(handle)) return;
    notify(simulated_ras::kDialEventMessage, step.state, step.error);
  }
}

}  // namespace

namespace platform::win32::ras {

extern "C" __declspec(dllexport) DWORD WINAPI
    RasEnumDevicesA(DeviceInfo* devices, DWORD* bytes, DWORD* count) {
  if (bytes == nullptr || count == nullptr) return kErrorInvalidParameter;
  if (devices != nullptr && devices->dwSize != sizeof(DeviceInfo)) return kErrorInvalidSize;
  *count = 1;
  if (devices == nullptr || *bytes < sizeof(DeviceInfo)) {
    *bytes = sizeof(DeviceInfo);
    return kErrorBufferTooSmall;
  }
  *bytes = sizeof(DeviceInfo);
  Put(devices->szDeviceType, simulated_ras::kDeviceType);
  Put(devices->szDeviceName, simulated_ras::kDeviceName);
  return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasValidateEntryNameA(const CHAR* /*phonebook*/, const CHAR* entry_name) {
  if (entry_name == nullptr || *entry_name == '\0') return kErrorInvalidParameter;
  System& system = TheSystem();
  std::lock_guard<std::mutex> lock(system.mutex);
  return system.entries.count(entry_name) ? ERROR_ALREADY_EXISTS : 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasSetEntryPropertiesA(const CHAR* /*phonebook*/, const CHAR* entry_name, Entry* entry,
                           DWORD entry_size, BYTE* /*device_info*/, DWORD /*device_info_size*/) {
  if (entry_name == nullptr || entry == nullptr) return kErrorInvalidParameter;
  if (entry_size != sizeof(Entry) || entry->dwSize != sizeof(Entry)) return kErrorInvalidSize;
  System& system = TheSystem();
  std::lock_guard<std::mutex> lock(system.mutex);
  system.entries[entry_name] = *entry;
  return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasDialA(void* /*extensions*/, const CHAR* /*phonebook*/, DialParams* params,
             DWORD notifier_type, void* notifier, HANDLE* connection) {
  if (params == nullptr || connection == nullptr || *connection != nullptr) {
    return kErrorInvalidParameter;
  }
  if (params->dwSize != sizeof(DialParams)) return kErrorInvalidSize;
  // Only the asynchronous dial with a notifier of type 0 is simulated.
  if (notifier_type != kNotifierDialFunc || notifier == nullptr) return kErrorInvalidParameter;
  System& system = TheSystem();
  HANDLE handle;
  {
    std::lock_guard<std::mutex> lock(system.mutex);
    auto entry = system.entries.find(Text(params->szEntryName));
    if (entry == system.entries.end()) return kErrorCannotFindPhonebookEntry;
    handle = reinterpret_cast<HANDLE>(system.last_handle += 0x40);
    system.connections.push_back(ActiveConnection{
        handle, entry->first, Text(entry->second.szDeviceType), Text(entry->second.szDeviceName)});
  }
  *connection = handle;
  bool refused = Text(params->szUserName) == simulated_ras::kRefusedUser;
  std::thread(ReportSteps, handle, reinterpret_cast<DialFunc>(notifier), refused).detach();
  return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasEnumConnectionsA(Connection* connections, DWORD* bytes, DWORD* count) {
  if (connections == nullptr || bytes == nullptr || count == nullptr) {
    return kErrorInvalidParameter;
  }
  if (connections->dwSize != sizeof(Connection)) return kErrorInvalidSize;
  System& system = TheSystem();
  std::lock_guard<std::mutex> lock(system.mutex);
  DWORD needed = static_cast<DWORD>(system.connections.size() * sizeof(Connection));
  *count = static_cast<DWORD>(system.connections.size());
  if (*bytes < needed) {
    *bytes = needed;
    return kErrorBufferTooSmall;
  }
  for (std::size_t i = 0; i < system.connections.size(); ++i) {
    Connection& record = connections[i];
    std::memset(&record, 0, sizeof record);
    record.dwSize = sizeof record;
    record.hrasconn = system.connections[i].handle;
    Put(record.szEntryName, system.connections[i].entry_name);
    Put(record.szDeviceType, system.connections[i].device_type);
    Put(record.szDeviceName, system.connections[i].device_name);
  }
  *bytes = needed;
  return 0;
}

extern "C" __declspec(dllexport) DWORD WINAPI RasHangUpA(HANDLE connection) {
  System& system = TheSystem();
  std::lock_guard<std::mutex> lock(system.mutex);
  for (auto it = system.connections.begin(); it != system.connections.end(); ++it) {
    if (it->handle == connection) {
      system.connections.erase(it);
      return 0;
    }
  }
  return kErrorInvalidHandle;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasGetErrorStringA(UINT code, CHAR* buffer, DWORD buffer_size) {
  static const char kDenied[] =
      "Access was denied because the username and/or password was invalid on the domain.";
  if (code != simulated_ras::kAuthenticationFailure || buffer == nullptr) {
    return kErrorInvalidParameter;
  }
  if (buffer_size < sizeof kDenied) return ERROR_INSUFFICIENT_BUFFER;
  std::memcpy(buffer, kDenied, sizeof kDenied);
  return 0;
}

}  // namespace platform::win32::ras

extern "C" __declspec(dllexport) int __cdecl velmar_simulated_ras() { return 1; }

extern "C" __declspec(dllexport) BOOL
    __cdecl velmar_simulated_entry(const CHAR* entry_name, Entry* entry) {
  System& system = TheSystem();
  std::lock_guard<std::mutex> lock(system.mutex);
  auto stored = system.entries.find(entry_name);
  if (stored == system.entries.end()) return FALSE;
  *entry = stored->second;
  return TRUE;
}
