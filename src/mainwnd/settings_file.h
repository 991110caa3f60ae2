// The settings file "velmarVPN.ini" in the current directory: the last ID,
// its password digest, the tunnel type and the rotation interval.
#pragma once

#include <optional>
#include <string>

#include "platform/kernel.h"
#include "platform/profile.h"

namespace settings {

inline constexpr char kSection[] = "OPTION";
inline constexpr char kFileName[] = "velmarVPN.ini";
inline constexpr int kDefaultType = 1;
inline constexpr char kDefaultAutotime[] = "60";

// Read buffers of the keys: a value keeps at most one byte less.
inline constexpr std::size_t kIdBuffer = 20;
inline constexpr std::size_t kPwdBuffer = 80;
inline constexpr std::size_t kAutotimeBuffer = 200;

// Current directory + "\velmarVPN.ini", formed anew for every access (a drive
// root gives a doubled separator). Nothing when the directory does not fit
// its buffer: the file then counts as missing.
std::optional<std::string> SettingsPath(platform::Kernel& kernel);

struct LoginSettings {
  std::string id;
  std::string pwd;
};

struct ConnectionSettings {
  int type = kDefaultType;
  std::string autotime = kDefaultAutotime;
};

struct SavedSettings {
  std::string id;
  std::string pwd;
  std::string autotime;
  int type = kDefaultType;
};

LoginSettings ReadLoginSettings(platform::Kernel& kernel, platform::Profile& profile);
ConnectionSettings ReadConnectionSettings(platform::Kernel& kernel, platform::Profile& profile);
// Writes id, pwd, autotime and type in that order; a failed write is not
// reported, the values are simply not kept.
void WriteSettings(platform::Kernel& kernel, platform::Profile& profile,
                   const SavedSettings& values);

}  // namespace settings
