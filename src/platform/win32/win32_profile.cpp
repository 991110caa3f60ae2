#include "platform/win32/win32_profile.h"

#include <cstring>
#include <vector>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

std::string Win32Profile::GetString(const std::string& section, const std::string& key,
                                    const std::string& fallback, std::size_t buffer_size,
                                    const std::string& path) {
  if (buffer_size == 0) return std::string();
  if (buffer_size > MAXDWORD) buffer_size = MAXDWORD;
  // Zero-filled: when nothing fits (a double-byte character in a 2-byte
  // buffer), some versions of the call leave the buffer as it was.
  std::vector<char> buffer(buffer_size, '\0');
  ::GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                             static_cast<DWORD>(buffer.size()), path.c_str());
  buffer.back() = '\0';
  return std::string(buffer.data(), std::strlen(buffer.data()));
}

int Win32Profile::GetInt(const std::string& section, const std::string& key, int fallback,
                         const std::string& path) {
  return static_cast<int>(
      ::GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path.c_str()));
}

bool Win32Profile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         FALSE;
}

}  // namespace platform::win32
