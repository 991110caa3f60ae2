// The active RAS connections the client looks for, and the hang-up of its own.
#pragma once

#include <optional>
#include <string>

#include "platform/ras.h"

namespace vpn {

// The last active connection whose entry name is exactly "velmar-L2TP" or
// "velmar-PPTP" (letter case included); nothing when there is none or the
// connections cannot be listed.
std::optional<platform::RasConnHandle> FindOwnConnection(platform::Ras& ras);

// The last active connection whose entry name equals `entry_name` without
// regard to letter case (EqualsIgnoringCase).
std::optional<platform::RasConnHandle> FindConnection(platform::Ras& ras,
                                                      const std::string& entry_name);

// Hangs up `connection`, or when it is none, the own connection RAS lists
// last. Nothing waits for the line to drop; RAS's answer is not looked at.
void HangUpOwnConnection(platform::Ras& ras, platform::RasConnHandle connection);

}  // namespace vpn
