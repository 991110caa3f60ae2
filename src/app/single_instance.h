// Only one copy of the program runs on the machine, across all sessions.
#pragma once

#include "platform/kernel.h"

namespace app {

inline constexpr char kSingleInstanceEventName[] = "Global\\velmarVPN";

// Creates the machine-wide event and keeps it for the life of the process.
// True when another copy already holds it: this copy must end, silently.
// Any other failure to create the event lets the program run.
bool AnotherCopyIsRunning(platform::Kernel& kernel);

}  // namespace app
