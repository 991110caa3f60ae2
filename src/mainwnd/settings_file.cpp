#include "mainwnd/settings_file.h"

namespace settings {

std::optional<std::string> SettingsPath(platform::Kernel& kernel) {
  std::optional<std::string> dir = kernel.GetCurrentDirectory();
  if (!dir) return std::nullopt;
  return *dir + "\\" + kFileName;
}

LoginSettings ReadLoginSettings(platform::Kernel& kernel, platform::Profile& profile) {
  std::optional<std::string> path = SettingsPath(kernel);
  if (!path) return LoginSettings{};
  return LoginSettings{profile.GetString(kSection, "id", "", kIdBuffer, *path),
                       profile.GetString(kSection, "pwd", "", kPwdBuffer, *path)};
}

ConnectionSettings ReadConnectionSettings(platform::Kernel& kernel, platform::Profile& profile) {
  std::optional<std::string> path = SettingsPath(kernel);
  if (!path) return ConnectionSettings{};
  return ConnectionSettings{
      profile.GetInt(kSection, "type", kDefaultType, *path),
      profile.GetString(kSection, "autotime", kDefaultAutotime, kAutotimeBuffer, *path)};
}

void WriteSettings(platform::Kernel& kernel, platform::Profile& profile,
                   const SavedSettings& values) {
  std::optional<std::string> path = SettingsPath(kernel);
  if (!path) return;
  profile.WriteString(kSection, "id", values.id, *path);
  profile.WriteString(kSection, "pwd", values.pwd, *path);
  profile.WriteString(kSection, "autotime", values.autotime, *path);
  profile.WriteString(kSection, "type", std::to_string(values.type), *path);
}

}  // namespace settings
