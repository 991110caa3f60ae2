// The profile port over the ANSI private-profile calls.
#pragma once

#include "platform/profile.h"

namespace platform::win32 {

class Win32Profile final : public Profile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback, std::size_t buffer_size,
                        const std::string& path) override;
  int GetInt(const std::string& section, const std::string& key, int fallback,
             const std::string& path) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path) override;
};

}  // namespace platform::win32
