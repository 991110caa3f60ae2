// The program's name as the OS tells it: what its requests call themselves.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The file name of `module_path` without its directory and its extension:
// "C:\Program Files\velmarVPN\velmarVPN.exe" gives "velmarVPN".
std::string AppNameFromModulePath(std::string_view module_path);

}  // namespace platform::win32
