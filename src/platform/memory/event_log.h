// What the memory backends were asked to do, in order, for tests to read.
#pragma once

#include <string>
#include <vector>

namespace platform::memory {

struct EventLog {
  std::vector<std::string> entries;
  void Add(std::string entry) { entries.push_back(std::move(entry)); }
};

}  // namespace platform::memory
