// The ports of the OS, handed to the program at start. One object owns them.
#pragma once

#include "platform/codepage.h"
#include "platform/http.h"
#include "platform/kernel.h"
#include "platform/profile.h"
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
  ui::Windowing& windowing;
};

}  // namespace platform
