#include "platform/memory/memory_adapters.h"

#include <algorithm>

namespace platform::memory {

AdapterList MemoryAdapters::GetAdapters() {
  if (log_) log_->Add("adapters");
  AdapterList list;
  if (failure != kAdaptersSuccess) {
    list.code = failure;
  } else if (adapters.empty()) {
    list.code = kErrorNoData;
  } else {
    list.adapters = adapters;
  }
  return list;
}

void MemoryAdapters::LinkUp(const std::string& name, std::vector<std::string> addresses) {
  auto found = std::find_if(adapters.begin(), adapters.end(),
                            [&](const Adapter& adapter) { return adapter.name == name; });
  if (found != adapters.end()) {
    found->ipv4_addresses = std::move(addresses);
  } else {
    adapters.push_back(Adapter{name, std::move(addresses)});
  }
}

void MemoryAdapters::LinkDown(const std::string& name) {
  adapters.erase(std::remove_if(adapters.begin(), adapters.end(),
                                [&](const Adapter& adapter) { return adapter.name == name; }),
                 adapters.end());
}

}  // namespace platform::memory
