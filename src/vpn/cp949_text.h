// Comparisons of CP949 byte strings.
#pragma once

#include <string>

namespace vpn {

// Equal without regard to ASCII letter case, character by character: a
// double-byte character (a lead byte and the byte after it) compares
// exactly, even when its second byte is an ASCII letter.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace vpn
