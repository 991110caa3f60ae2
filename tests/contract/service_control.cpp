#include "service_control.h"

#include <chrono>
#include <memory>

namespace contract {
namespace {

// Removes the URL's cache entry when the request is done, on every path.
struct CacheEntryGuard {
  platform::Http& http;
  const std::string& url;
  ~CacheEntryGuard() { http.DeleteUrlCacheEntry(url); }
};

}  // namespace

std::string PercentEncode(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : bytes) {
    auto c = static_cast<unsigned char>(ch);
    bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (plain) {
      out.push_back(ch);
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0x0F]);
    }
  }
  return out;
}

std::string ServiceControl::FreshUrl(const std::string& target) {
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  char joiner = target.find('?') == std::string::npos ? '?' : '&';
  return "http://" + host_ + target + joiner + "rnd=" + std::to_string(ticks) + "x" +
         std::to_string(fresh_++);
}

std::optional<AnswerLines> ServiceControl::Lines(const std::string& url) {
  CacheEntryGuard guard{http_, url};
  std::unique_ptr<platform::HttpSession> session = http_.OpenSession();
  if (!session) return std::nullopt;
  std::unique_ptr<platform::HttpAnswer> answer = session->OpenUrl(url);
  if (!answer) return std::nullopt;
  platform::LineReader reader(*answer);
  AnswerLines result;
  std::string line;
  while ((result.end = reader.ReadLine(line)) == platform::LineStatus::kLine) {
    result.lines.push_back(line);
  }
  return result;
}

std::optional<std::string> ServiceControl::Body(const std::string& url) {
  CacheEntryGuard guard{http_, url};
  std::unique_ptr<platform::HttpSession> session = http_.OpenSession();
  if (!session) return std::nullopt;
  std::unique_ptr<platform::HttpAnswer> answer = session->OpenUrl(url);
  if (!answer) return std::nullopt;
  std::string body;
  char buffer[4096];
  for (;;) {
    std::size_t count = 0;
    platform::ReadStatus status = answer->Read(buffer, sizeof buffer, &count);
    if (status == platform::ReadStatus::kFailed) return std::nullopt;
    body.append(buffer, count);
    if (status == platform::ReadStatus::kEnd) return body;
  }
}

bool ServiceControl::Ok(const std::string& control_target) {
  std::optional<std::string> body = Body("http://" + host_ + control_target);
  return body && body->rfind("OK", 0) == 0;
}

bool ServiceControl::Fault(const std::string& path, const std::string& kind_and_args) {
  return Ok("/__control/fault?path=" + PercentEncode(path) + "&kind=" + kind_and_args);
}

bool ServiceControl::Reset() { return Ok("/__control/reset") && Ok("/__control/clear_log"); }

std::vector<std::string> ServiceControl::LoggedRequests(const std::string& path) {
  std::vector<std::string> found;
  std::optional<std::string> log = Body("http://" + host_ + "/__control/log");
  if (!log) return found;
  std::size_t pos = 0;
  while (pos < log->size()) {
    std::size_t end = log->find('\n', pos);
    if (end == std::string::npos) end = log->size();
    std::string line = log->substr(pos, end - pos);
    if (line.rfind(path + "\t", 0) == 0) found.push_back(line);
    pos = end + 1;
  }
  return found;
}

}  // namespace contract
