// The computer's network adapters and their IPv4 addresses, as the IP Helper
// lists them (loopback is not among them).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

inline constexpr std::uint32_t kAdaptersSuccess = 0;
inline constexpr std::uint32_t kErrorBufferOverflow = 111;  // ERROR_BUFFER_OVERFLOW
inline constexpr std::uint32_t kErrorNoData = 232;          // ERROR_NO_DATA: no adapter at all

// Longest address text the OS's record holds ("255.255.255.255").
inline constexpr std::size_t kMaxIpAddressText = 15;

struct Adapter {
  std::string name;  // the OS's name for it (a GUID string on Windows)
  // Dotted quads in the OS's order, first address first. The OS writes
  // "0.0.0.0" for an adapter without an address.
  std::vector<std::string> ipv4_addresses;
};

struct AdapterList {
  // 0 with at least one adapter; otherwise the OS's code (232 when there is
  // no adapter) and `adapters` is empty.
  std::uint32_t code = kAdaptersSuccess;
  std::vector<Adapter> adapters;
};

// May be called from any thread.
class Adapters {
 public:
  virtual ~Adapters() = default;
  virtual AdapterList GetAdapters() = 0;
};

}  // namespace platform
