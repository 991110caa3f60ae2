// HTTP with scripted answers, recording every session, open and clean-up.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/http.h"
#include "platform/memory/event_log.h"

namespace platform::memory {

struct ScriptedAnswer {
  bool unreachable = false;  // the open fails
  std::string body;
  // When set, the transport fails once this many body bytes have been read.
  std::optional<std::size_t> fail_after_bytes;
  // Largest piece one read hands out, to exercise buffering.
  std::size_t chunk_bytes = 4096;
};

class MemoryHttp final : public Http {
 public:
  explicit MemoryHttp(EventLog* log = nullptr) : log_(log) {}

  std::unique_ptr<HttpSession> OpenSession() override;
  void DeleteUrlCacheEntry(const std::string& url) override;

  // Answers are taken in order, one per opened URL; the default answers the
  // rest (an empty 200 unless changed).
  std::deque<ScriptedAnswer> answers;
  ScriptedAnswer default_answer;
  bool session_fails = false;

  std::vector<std::string> opened_urls;
  std::vector<std::string> deleted_cache_entries;
  int sessions_opened = 0;
  int sessions_closed = 0;
  int answers_open = 0;  // answers not yet released

  void Log(const std::string& entry) {
    if (log_) log_->Add(entry);
  }

 private:
  EventLog* log_;
};

}  // namespace platform::memory
