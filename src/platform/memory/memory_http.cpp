#include "platform/memory/memory_http.h"

#include <algorithm>
#include <cstring>

namespace platform::memory {
namespace {

class MemoryAnswer final : public HttpAnswer {
 public:
  MemoryAnswer(MemoryHttp& http, ScriptedAnswer script) : http_(http), script_(std::move(script)) {
    ++http_.answers_open;
  }
  ~MemoryAnswer() override {
    --http_.answers_open;
    http_.Log("release answer");
  }

  ReadStatus Read(char* buffer, std::size_t capacity, std::size_t* count) override {
    *count = 0;
    std::size_t limit = script_.body.size();
    if (script_.fail_after_bytes) limit = std::min(limit, *script_.fail_after_bytes);
    if (position_ >= limit) {
      return script_.fail_after_bytes && *script_.fail_after_bytes <= script_.body.size()
                 ? ReadStatus::kFailed
                 : ReadStatus::kEnd;
    }
    std::size_t n = std::min({capacity, script_.chunk_bytes, limit - position_});
    std::memcpy(buffer, script_.body.data() + position_, n);
    position_ += n;
    *count = n;
    return ReadStatus::kData;
  }

 private:
  MemoryHttp& http_;
  ScriptedAnswer script_;
  std::size_t position_ = 0;
};

class MemorySession final : public HttpSession {
 public:
  explicit MemorySession(MemoryHttp& http) : http_(http) { ++http_.sessions_opened; }
  ~MemorySession() override {
    ++http_.sessions_closed;
    http_.Log("close session");
  }

  std::unique_ptr<HttpAnswer> OpenUrl(const std::string& url) override {
    http_.opened_urls.push_back(url);
    http_.Log("open " + url);
    ScriptedAnswer script = http_.default_answer;
    if (!http_.answers.empty()) {
      script = std::move(http_.answers.front());
      http_.answers.pop_front();
    }
    if (script.unreachable) return nullptr;
    return std::make_unique<MemoryAnswer>(http_, std::move(script));
  }

 private:
  MemoryHttp& http_;
};

}  // namespace

std::unique_ptr<HttpSession> MemoryHttp::OpenSession() {
  Log("session");
  if (session_fails) return nullptr;
  return std::make_unique<MemorySession>(*this);
}

void MemoryHttp::DeleteUrlCacheEntry(const std::string& url) {
  deleted_cache_entries.push_back(url);
  Log("delete cache " + url);
}

}  // namespace platform::memory
