#include "platform/memory/memory_profile.h"

#include <optional>

#include "platform/memory/ini_text.h"

namespace platform::memory {
namespace {

// The OS drops trailing blanks of a default value.
std::string WithoutTrailingBlanks(std::string value) {
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
  return value;
}

std::string CutToBuffer(const std::string& value, std::size_t buffer_size) {
  if (buffer_size == 0) return std::string();
  return value.substr(0, buffer_size - 1);
}

}  // namespace

std::string MemoryProfile::GetString(const std::string& section, const std::string& key,
                                     const std::string& fallback, std::size_t buffer_size,
                                     const std::string& path) {
  auto file = files.find(path);
  std::optional<std::string> value;
  if (file != files.end()) value = IniLookup(file->second, section, key);
  return CutToBuffer(value ? *value : WithoutTrailingBlanks(fallback), buffer_size);
}

int MemoryProfile::GetInt(const std::string& section, const std::string& key, int fallback,
                          const std::string& path) {
  auto file = files.find(path);
  if (file == files.end()) return fallback;
  std::optional<std::string> value = IniLookup(file->second, section, key);
  if (!value || value->empty()) return fallback;
  return IniInteger(*value);
}

bool MemoryProfile::WriteString(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& path) {
  if (read_only_paths.count(path)) return false;
  std::string& text = files[path];
  text = IniAssign(text, section, key, value);
  return true;
}

}  // namespace platform::memory
