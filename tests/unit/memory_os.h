// The whole memory platform for one test, with one shared event log.
#pragma once

#include "platform/memory/event_log.h"
#include "platform/memory/iconv_codepages.h"
#include "platform/memory/memory_adapters.h"
#include "platform/memory/memory_http.h"
#include "platform/memory/memory_kernel.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_ras.h"
#include "platform/memory/memory_scheduler.h"
#include "platform/platform.h"
#include "memory_windows.h"

namespace test {

struct MemoryOs {
  platform::memory::EventLog log;
  platform::memory::MemoryKernel kernel{&log};
  platform::memory::MemoryHttp http{&log};
  platform::memory::MemoryProfile profile;
  platform::memory::IconvCodePages codepages;
  platform::memory::MemoryScheduler scheduler;
  platform::memory::MemoryRas ras{&log};
  platform::memory::MemoryAdapters adapters{&log};
  ProgramWindows windows{codepages, scheduler};
  platform::Platform os{kernel,    http, profile,  codepages, scheduler,
                       scheduler, ras,  adapters, windows};

  void Answer(std::string body) {
    platform::memory::ScriptedAnswer answer;
    answer.body = std::move(body);
    http.answers.push_back(std::move(answer));
  }
  void Unreachable() {
    platform::memory::ScriptedAnswer answer;
    answer.unreachable = true;
    http.answers.push_back(std::move(answer));
  }
};

}  // namespace test
