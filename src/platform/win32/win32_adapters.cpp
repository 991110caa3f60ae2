#include "platform/win32/win32_adapters.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win32/fixed_text.h"
#include "platform/win32/windows_api.h"

// After the Windows headers, which it needs.
#include <iphlpapi.h>

namespace platform::win32 {
namespace {

// The most the list may take; a larger size asked for is not allocated and
// the listing fails as a buffer overflow.
constexpr ULONG kMaxListBytes = 4 * 1024 * 1024;
// A loop in the links would be the OS's fault; a walk ends after this many.
constexpr std::size_t kMaxLinks = 4096;
// What is read of an adapter's record: the members up to its first address.
// The size of the whole record (and the lease members at its end) differs
// between builds of the OS, so records are reached by their links only.
constexpr std::size_t kAdapterPart =
    offsetof(IP_ADAPTER_INFO, IpAddressList) + sizeof(IP_ADDR_STRING);

// The OS's list in one buffer: records linked by pointers into it.
class AdapterBuffer {
 public:
  explicit AdapterBuffer(ULONG bytes)
      : bytes_(bytes), words_((bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t)) {}

  // GetAdaptersInfo's answer; `needed` is the size it wrote back.
  ULONG Fill(ULONG* needed) {
    *needed = bytes_;
    return ::GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(words_.data()), needed);
  }

  const IP_ADAPTER_INFO* First() const {
    return Inside<IP_ADAPTER_INFO>(words_.data(), kAdapterPart);
  }

  // `link` when its first `part` bytes lie inside the buffer, else null.
  template <class Record>
  const Record* Inside(const void* link, std::size_t part) const {
    auto begin = reinterpret_cast<std::uintptr_t>(words_.data());
    auto at = reinterpret_cast<std::uintptr_t>(link);
    if (link == nullptr || at < begin || at - begin > bytes_ || bytes_ - (at - begin) < part) {
      return nullptr;
    }
    return static_cast<const Record*>(link);
  }

 private:
  ULONG bytes_;
  std::vector<std::max_align_t> words_;
};

std::vector<std::string> AddressesOf(const AdapterBuffer& buffer, const IP_ADAPTER_INFO& adapter) {
  std::vector<std::string> addresses;
  const IP_ADDR_STRING* address = &adapter.IpAddressList;
  while (address != nullptr && addresses.size() < kMaxLinks) {
    addresses.push_back(Terminated(address->IpAddress.String));
    address = buffer.Inside<IP_ADDR_STRING>(address->Next, sizeof(IP_ADDR_STRING));
  }
  return addresses;
}

}  // namespace

AdapterList Win32Adapters::GetAdapters() {
  AdapterList list;
  // Room for one record first; for more, the OS tells the size it needs.
  ULONG needed = 0;
  AdapterBuffer buffer(sizeof(IP_ADAPTER_INFO));
  ULONG code = buffer.Fill(&needed);
  if (code == ERROR_BUFFER_OVERFLOW && needed <= kMaxListBytes) {
    buffer = AdapterBuffer(needed);
    code = buffer.Fill(&needed);
  }
  if (code != ERROR_SUCCESS) {
    list.code = code;
    return list;
  }
  const IP_ADAPTER_INFO* adapter = buffer.First();
  while (adapter != nullptr && list.adapters.size() < kMaxLinks) {
    list.adapters.push_back(
        Adapter{Terminated(adapter->AdapterName), AddressesOf(buffer, *adapter)});
    adapter = buffer.Inside<IP_ADAPTER_INFO>(adapter->Next, kAdapterPart);
  }
  if (list.adapters.empty()) list.code = ERROR_NO_DATA;
  return list;
}

}  // namespace platform::win32
