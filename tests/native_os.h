// The Linux backends of every port with a real socket transport: what the
// native tests that talk to velmar-service run on. RAS and the adapters are
// the memory ones, with nothing set up: no device, no connection, no adapter.
#pragma once

#include "platform/memory/iconv_codepages.h"
#include "platform/memory/memory_adapters.h"
#include "platform/memory/memory_kernel.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_ras.h"
#include "platform/memory/memory_scheduler.h"
#include "platform/platform.h"
#include "platform/posix/socket_http.h"
#include "memory_windows.h"

namespace test {

struct NativeOs {
  platform::memory::MemoryKernel kernel;
  platform::posix::SocketHttp http;
  platform::memory::MemoryProfile profile;
  platform::memory::IconvCodePages codepages;
  platform::memory::MemoryScheduler scheduler;
  platform::memory::MemoryRas ras;
  platform::memory::MemoryAdapters adapters;
  ProgramWindows windows{codepages, scheduler};
  platform::Platform os{kernel,    http, profile,  codepages, scheduler,
                       scheduler, ras,  adapters, windows};
};

}  // namespace test
