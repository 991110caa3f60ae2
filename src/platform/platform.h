// The ports of the OS, handed to the program at start. One object owns them.
#pragma once

#include "platform/adapters.h"
#include "platform/codepage.h"
#include "platform/http.h"
#include "platform/kernel.h"
#include "platform/profile.h"
#include "platform/ras.h"
#include "platform/threads.h"
#include "platform/ui/windowing.h"

namespace platform {

struct Platform {
  Kernel& kernel;
  Http& http;
  Profile& profile;
  CodePages& codepages;
  Threads& threads;
  UiQueue& ui;
  Ras& ras;
  Adapters& adapters;
  ui::Windowing& windowing;
};

}  // namespace platform
