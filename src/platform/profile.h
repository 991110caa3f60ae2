// Windows profile (INI) files, with the semantics of the ANSI profile calls.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

class Profile {
 public:
  virtual ~Profile() = default;
  // The value of `key` in `section`, cut to `buffer_size` - 1 bytes; `fallback`
  // (also cut) when the file, section or key is missing; empty when the key is
  // present with an empty value.
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& fallback, std::size_t buffer_size,
                                const std::string& path) = 0;
  // The value as an integer; `fallback` when the file, section or key is missing.
  virtual int GetInt(const std::string& section, const std::string& key, int fallback,
                     const std::string& path) = 0;
  // Creates the file, section or key when missing, else replaces the value in
  // place. False when the file cannot be written.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& path) = 0;
};

}  // namespace platform
