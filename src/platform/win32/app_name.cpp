#include "platform/win32/app_name.h"

namespace platform::win32 {

std::string AppNameFromModulePath(std::string_view module_path) {
  std::size_t separator = module_path.find_last_of("\\/:");
  std::string_view name =
      separator == std::string_view::npos ? module_path : module_path.substr(separator + 1);
  std::size_t dot = name.rfind('.');
  // A name that is all extension (".exe") keeps it: an empty agent names nothing.
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::string(name);
}

}  // namespace platform::win32
