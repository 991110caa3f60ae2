// Memory windows made from the program's own resource script, for the native
// tests. The build passes the script's folder as VELMAR_RES_DIR.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/codepage.h"
#include "platform/memory/memory_windowing.h"
#include "platform/memory/resource_script.h"
#include "platform/threads.h"

#ifndef VELMAR_RES_DIR
#error "the build must define VELMAR_RES_DIR as the folder of the resource script"
#endif

namespace test {

// Read once per test program.
inline const platform::memory::ResourceScript& ProgramResources() {
  static const platform::memory::ResourceScript script = [] {
    std::string error;
    auto loaded = platform::memory::LoadResourceScript(VELMAR_RES_DIR, &error);
    if (!loaded) throw std::runtime_error(error);
    return *loaded;
  }();
  return script;
}

class ProgramWindows : public platform::memory::MemoryWindowing {
 public:
  ProgramWindows(platform::CodePages& codepages, platform::UiQueue& ui)
      : MemoryWindowing(ProgramResources(), VELMAR_RES_DIR, codepages, ui) {}
};

}  // namespace test
