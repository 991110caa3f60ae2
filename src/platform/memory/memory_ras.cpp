#include "platform/memory/memory_ras.h"

#include <algorithm>

namespace platform::memory {

RasDeviceList MemoryRas::EnumerateDevices() {
  Log("ras devices");
  RasDeviceList list;
  if (device_enumeration_failure != kRasSuccess) {
    list.code = list.size_query_code = device_enumeration_failure;
    return list;
  }
  list.size_query_code = devices.empty() ? kRasSuccess : kErrorBufferTooSmall;
  list.devices = devices;
  return list;
}

RasCode MemoryRas::ValidateEntryName(const std::string& phonebook, const std::string& entry_name) {
  Log("ras validate " + entry_name);
  if (!RasEntryNameFits(phonebook, entry_name)) return kErrorInvalidParameter;
  if (!phonebook.empty()) return kErrorCannotOpenPhonebook;
  auto answer = validation_answers.find(entry_name);
  if (answer != validation_answers.end()) return answer->second;
  return entries.count(entry_name) ? kErrorAlreadyExists : kRasSuccess;
}

RasCode MemoryRas::SetEntryProperties(const std::string& phonebook, const std::string& entry_name,
                                      const RasEntry& entry) {
  Log("ras write " + entry_name);
  if (!RasEntryNameFits(phonebook, entry_name) || !RasEntryFits(entry)) {
    return kErrorInvalidParameter;
  }
  if (!phonebook.empty()) return kErrorCannotOpenPhonebook;
  if (entry_write_failure != kRasSuccess) return entry_write_failure;
  entries[entry_name] = entry;
  return kRasSuccess;
}

RasDialStart MemoryRas::Dial(const RasDialParams& params, RasDialNotifier notifier) {
  Log("ras dial " + params.entry_name + " " + params.phone_number);
  dials.push_back(params);
  notifier_ = std::move(notifier);
  if (!RasDialParamsFit(params)) return RasDialStart{kErrorInvalidParameter, {}};
  if (dial_failure != kRasSuccess) return RasDialStart{dial_failure, {}};
  auto entry = entries.find(params.entry_name);
  if (entry == entries.end()) return RasDialStart{kErrorCannotFindPhonebookEntry, {}};
  RasConnHandle handle{last_handle_ += 0x10};
  connections.push_back(RasConnection{handle, params.entry_name, entry->second.device_type,
                                      entry->second.device_name});
  return RasDialStart{kRasSuccess, handle};
}

RasConnectionList MemoryRas::EnumerateConnections() {
  Log("ras connections");
  RasConnectionList list;
  if (connection_enumeration_failure != kRasSuccess) {
    list.code = connection_enumeration_failure;
    return list;
  }
  list.connections = connections;
  return list;
}

RasCode MemoryRas::HangUp(RasConnHandle connection) {
  Log("ras hang up " + std::to_string(connection.value));
  hang_ups.push_back(connection);
  auto listed = std::find_if(connections.begin(), connections.end(),
                             [&](const RasConnection& c) { return c.handle == connection; });
  if (!connection || listed == connections.end()) return kErrorInvalidHandle;
  connections.erase(listed);
  return kRasSuccess;
}

std::optional<std::string> MemoryRas::GetErrorString(RasCode code) {
  Log("ras error text " + std::to_string(code));
  auto text = error_texts.find(code);
  // The OS fails rather than cut a text that does not fit the buffer.
  if (text == error_texts.end() || text->second.size() >= kRasErrorTextBuffer) return std::nullopt;
  return text->second;
}

bool MemoryRas::DeliverDialEvent() {
  if (dial_events.empty() || dials.empty()) return false;
  RasDialEvent event = dial_events.front();
  dial_events.pop_front();
  Log("ras event " + std::to_string(event.state) + " " + std::to_string(event.error));
  if (notifier_) notifier_(event.state, event.error);
  return true;
}

std::size_t MemoryRas::DeliverDialEvents() {
  std::size_t delivered = 0;
  while (DeliverDialEvent()) ++delivered;
  return delivered;
}

}  // namespace platform::memory
