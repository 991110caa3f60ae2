// The computer's adapters as the test sets them: links can be lost and come
// back between two listings.
#pragma once

#include <string>
#include <vector>

#include "platform/adapters.h"
#include "platform/memory/event_log.h"

namespace platform::memory {

// Like the OS, an empty list is no success: it is ERROR_NO_DATA.
class MemoryAdapters final : public Adapters {
 public:
  explicit MemoryAdapters(EventLog* log = nullptr) : log_(log) {}

  AdapterList GetAdapters() override;

  // Adds the adapter `name` with `addresses`, or gives it these addresses.
  void LinkUp(const std::string& name, std::vector<std::string> addresses);
  // Removes the adapter `name`, if there is one.
  void LinkDown(const std::string& name);

  std::vector<Adapter> adapters;             // in the OS's order
  std::uint32_t failure = kAdaptersSuccess;  // nonzero: the listing fails with it

 private:
  EventLog* log_;
};

}  // namespace platform::memory
