#include "api/request_core.h"

#include <memory>

namespace api {
namespace {

constexpr std::uint32_t kWaitBeforeOpenMs = 1000;

std::string_view UpToNul(std::string_view text) {
  std::size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

bool IsKeptByEncoder(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.';
}

bool IsAsciiBlank(unsigned char c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }

bool IsCp949LeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

std::string RequestTimestamp(const platform::LocalTime& time) {
  return std::to_string(time.year) + std::to_string(time.month) + std::to_string(time.day) +
         std::to_string(time.hour) + std::to_string(time.minute) + std::to_string(time.second);
}

std::string UrlEncode(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char ch : bytes) {
    auto c = static_cast<unsigned char>(ch);
    if (IsKeptByEncoder(c)) {
      out.push_back(ch);
    } else if (IsAsciiBlank(c)) {
      out.push_back('+');
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0x0F]);
    }
  }
  return out;
}

std::string AnsiToUtf8(platform::CodePages& codepages, std::string_view ansi) {
  return codepages.AnsiToUtf8(UpToNul(ansi));
}

std::string Utf8ToAnsi(platform::CodePages& codepages, std::string_view utf8) {
  return codepages.Utf8ToAnsi(UpToNul(utf8));
}

std::string BuildUrl(std::string_view host, std::string_view script,
                     const std::vector<QueryKey>& keys, std::string_view version_tag) {
  std::string url = "http://";
  url.append(host).append("/client/static/").append(script);
  char joiner = '?';
  for (const QueryKey& key : keys) {
    url.push_back(joiner);
    url.append(key.key).push_back('=');
    url.append(UrlEncode(key.value));
    joiner = '&';
  }
  url.append(version_tag);
  return url;
}

std::size_t FindSeparator(std::string_view text, std::size_t from) {
  constexpr std::string_view kSeparator = kFieldSeparator;
  std::size_t i = from;
  while (i < text.size()) {
    if (text.compare(i, kSeparator.size(), kSeparator) == 0) return i;
    bool double_byte = IsCp949LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    i += double_byte ? 2 : 1;
  }
  return std::string_view::npos;
}

Transport PerformRequest(platform::Platform& os, const std::string& url,
                         const AnswerReader& read_answer) {
  // Declared first so that it runs last: the cache entry goes on every path,
  // after the session and the answer have been released.
  struct CacheEntryDeleter {
    platform::Http& http;
    const std::string& url;
    ~CacheEntryDeleter() { http.DeleteUrlCacheEntry(url); }
  } delete_cache_entry{os.http, url};

  std::unique_ptr<platform::HttpSession> session = os.http.OpenSession();
  if (!session) return Transport::kUnreachable;
  os.kernel.Sleep(kWaitBeforeOpenMs);
  std::unique_ptr<platform::HttpAnswer> answer = session->OpenUrl(url);
  if (!answer) return Transport::kUnreachable;
  if (read_answer) {
    platform::LineReader lines(*answer);
    read_answer(lines);
  }
  answer.reset();
  session.reset();
  return Transport::kAnswered;
}

RequestStamp TakeRequestStamp(platform::Kernel& kernel) {
  return RequestStamp{RequestTimestamp(kernel.GetLocalTime()), kernel.GetComputerName()};
}

}  // namespace api
