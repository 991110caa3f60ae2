#include "platform/memory/memory_kernel.h"

namespace platform::memory {

MemoryKernel::~MemoryKernel() {
  // The process ends: the names it held disappear with its handles.
  for (const std::string& name : held_events_) names_->event_names.erase(name);
}

std::optional<std::uint32_t> MemoryKernel::GetVolumeSerial(const std::string& root) {
  auto it = volume_serials.find(root);
  if (it == volume_serials.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> MemoryKernel::GetCurrentDirectory() {
  // The OS needs room for the terminator as well.
  if (current_directory.size() + 1 > kCurrentDirBuffer) return std::nullopt;
  return current_directory;
}

void MemoryKernel::Sleep(std::uint32_t milliseconds) {
  slept_ms += milliseconds;
  if (log_) log_->Add("sleep " + std::to_string(milliseconds));
}

EventResult MemoryKernel::CreateNamedEvent(const std::string& name) {
  if (event_creation_fails) return EventResult::kFailed;
  if (!names_->event_names.insert(name).second) return EventResult::kAlreadyExists;
  held_events_.insert(name);
  return EventResult::kCreated;
}

}  // namespace platform::memory
