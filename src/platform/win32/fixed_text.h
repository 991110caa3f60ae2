// Text in the fixed-size character arrays of the OS's records and buffers.
#pragma once

#include <cstring>
#include <string>

#include "platform/ras.h"

namespace platform::win32 {

// Text the OS wrote into `buffer`, up to its terminator and never past the buffer.
template <std::size_t N>
std::string Terminated(const char (&buffer)[N]) {
  return std::string(buffer, strnlen(buffer, N));
}

// Copies `value` with its terminator into the zero-filled `field`; false,
// copying nothing, when it would not fit whole (RasValueFits).
template <std::size_t N>
bool CopyWhole(char (&field)[N], const std::string& value) {
  if (!RasValueFits(value, N - 1)) return false;
  std::memcpy(field, value.data(), value.size());
  field[value.size()] = '\0';
  return true;
}

}  // namespace platform::win32
