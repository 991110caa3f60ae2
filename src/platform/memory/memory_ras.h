// A dial-up system in memory, set up and driven by the test: devices, the
// default phonebook, active connections and error texts are public data, and
// a dial reports its steps only when the test delivers them, on the test's
// thread, one call at a time.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/memory/event_log.h"
#include "platform/ras.h"

namespace platform::memory {

struct RasDialEvent {
  std::uint32_t state = 0;  // a rascs:: value, or any other
  std::uint32_t error = 0;
};

// Like the OS: values the records cannot hold are refused with 87, a named
// phonebook other than the default cannot be opened (615), and a dial of an
// entry that is not in the phonebook fails (623). A started dial is listed
// among the connections at once, with the entry's device, until it is hung up.
class MemoryRas final : public Ras {
 public:
  explicit MemoryRas(EventLog* log = nullptr) : log_(log) {}

  RasDeviceList EnumerateDevices() override;
  RasCode ValidateEntryName(const std::string& phonebook, const std::string& entry_name) override;
  RasCode SetEntryProperties(const std::string& phonebook, const std::string& entry_name,
                             const RasEntry& entry) override;
  RasDialStart Dial(const RasDialParams& params, RasDialNotifier notifier) override;
  RasConnectionList EnumerateConnections() override;
  RasCode HangUp(RasConnHandle connection) override;
  std::optional<std::string> GetErrorString(RasCode code) override;

  // Reports the next step of `dial_events` through the latest dial's
  // notifier. False, reporting nothing, when no step is left or no dial has
  // been asked for.
  bool DeliverDialEvent();
  // Delivers every step left; returns how many were delivered.
  std::size_t DeliverDialEvents();

  // --- The system, as the test sets it up.
  std::vector<RasDevice> devices;                    // in the OS's order
  RasCode device_enumeration_failure = kRasSuccess;  // nonzero: the listing fails with it
  std::map<std::string, RasEntry> entries;  // the default phonebook: name -> record written
  // Answers of ValidateEntryName for these names, instead of 183 for an
  // existing entry and 0 for a free name.
  std::map<std::string, RasCode> validation_answers;
  RasCode entry_write_failure = kRasSuccess;  // nonzero: every write fails with it
  std::vector<RasConnection> connections;     // active, in the OS's order
  RasCode connection_enumeration_failure = kRasSuccess;
  std::map<RasCode, std::string> error_texts;
  RasCode dial_failure = kRasSuccess;    // nonzero: Dial fails at once with it, without a handle
  std::deque<RasDialEvent> dial_events;  // steps still to be delivered, in order

  // --- What the program did.
  std::vector<RasDialParams> dials;     // every dial asked for, started or not
  std::vector<RasConnHandle> hang_ups;  // every handle hung up, known or not

 private:
  void Log(const std::string& entry) {
    if (log_) log_->Add(entry);
  }

  EventLog* log_;
  RasDialNotifier notifier_;  // of the latest dial
  std::uintptr_t last_handle_ = 0;
};

}  // namespace platform::memory
