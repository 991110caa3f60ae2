#include "vpn/adapter_check.h"

namespace vpn {

bool IsAdapterUp(platform::Adapters& adapters, const std::string& ip) {
  if (ip.empty()) return false;
  platform::AdapterList list = adapters.GetAdapters();
  if (list.code != platform::kAdaptersSuccess) return false;
  for (const platform::Adapter& adapter : list.adapters) {
    if (!adapter.ipv4_addresses.empty() && adapter.ipv4_addresses.front() == ip) return true;
  }
  return false;
}

}  // namespace vpn
