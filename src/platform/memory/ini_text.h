// The text of a profile (INI) file, read and changed the way the Windows
// profile calls do: names without regard to ASCII case, blanks around keys and
// values ignored, one pair of matching quotes around a value removed, new keys
// added after the last key of their section, lines ending in CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::memory {

std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                     std::string_view key);

// The text with `key` of `section` set to `value`.
std::string IniAssign(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

// The integer a profile value stands for: leading blanks, a sign, an optional
// 0x/0o/0b base prefix, then digits up to the first other character; 0 when
// there are none.
int IniInteger(std::string_view value);

}  // namespace platform::memory
