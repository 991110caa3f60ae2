// The program's resource script read on Linux, so that the memory windows are
// made from the very templates the Windows build compiles: dialogs with their
// controls, the string table and the bitmap and icon files. Reads the subset
// of the script language the program's script uses; anything else is an
// error naming the line.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::memory {

struct ControlTemplate {
  int id = 0;
  std::string class_name;  // "Button", "Edit", "Static", "SysListView32" …
  std::string text;        // UTF-8, as written in the script
  std::uint32_t style = 0;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
};

struct DialogTemplate {
  int id = 0;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  std::string caption;  // UTF-8
  std::vector<ControlTemplate> controls;  // in tab order
};

struct ResourceScript {
  std::map<int, DialogTemplate> dialogs;
  std::map<int, std::string> strings;      // UTF-8
  std::map<int, std::string> bitmap_files;  // relative to the script's folder
  std::map<int, std::string> icon_files;
};

struct ScriptError {
  int line = 0;
  std::string what;
};

// `script` is the text of the resource script, `header` that of the header
// of #defines it includes.
ResourceScript ParseResourceScript(const std::string& script, const std::string& header,
                                   ScriptError* error);

// Reads both files from `folder` ("velmarVPN.rc" and "resource.h"); on
// failure, `error` says why.
std::optional<ResourceScript> LoadResourceScript(const std::string& folder, std::string* error);

}  // namespace platform::memory
