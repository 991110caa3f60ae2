// Profile files kept in memory, path to file text, for tests to read.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/profile.h"

namespace platform::memory {

class MemoryProfile final : public Profile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback, std::size_t buffer_size,
                        const std::string& path) override;
  int GetInt(const std::string& section, const std::string& key, int fallback,
             const std::string& path) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path) override;

  std::map<std::string, std::string> files;  // path -> text
  std::set<std::string> read_only_paths;     // writes there fail
};

}  // namespace platform::memory
