#include "platform/win32/wininet_http.h"

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/win32/owned_handle.h"
#include "platform/win32/windows_api.h"

// After the Windows headers, which it needs.
#include <wininet.h>
#undef DeleteUrlCacheEntry  // a member of the HTTP port; the call is made as ...A

namespace platform::win32 {
namespace {

using InternetHandle = OwnedHandle<HINTERNET, InternetCloseHandle>;

// The request's context value, the same for every handle: nothing is asynchronous.
constexpr DWORD_PTR kContext = 1;

// A header of the answer as a number; nothing when it is absent or not a number.
std::optional<DWORD> NumericHeader(HINTERNET answer, DWORD header) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD header_index = 0;
  if (!::HttpQueryInfoA(answer, header | HTTP_QUERY_FLAG_NUMBER, &value, &size, &header_index)) {
    return std::nullopt;
  }
  return value;
}

// Whether the server answered at all. Any status, 404 and 500 included, is an
// answer; a connection closed before the status line is not, though Wine's
// WinINet opens such a URL, with the status 0 and no body, instead of failing.
bool HasStatusLine(HINTERNET answer) {
  std::optional<DWORD> status = NumericHeader(answer, HTTP_QUERY_STATUS_CODE);
  return status && *status != 0;
}

// An answer keeps its session's handle alive: the session owns the connection
// the answer reads from, and closing it would close the answer's handle too.
using SharedSession = std::shared_ptr<const InternetHandle>;

class WinInetAnswer final : public HttpAnswer {
 public:
  WinInetAnswer(SharedSession session, InternetHandle url)
      : session_(std::move(session)),
        url_(std::move(url)),
        declared_length_(NumericHeader(url_.get(), HTTP_QUERY_CONTENT_LENGTH)) {}

  ReadStatus Read(char* buffer, std::size_t capacity, std::size_t* count) override {
    *count = 0;
    // InternetReadFile takes a DWORD count; larger requests are served in parts.
    DWORD wanted = capacity > MAXDWORD ? MAXDWORD : static_cast<DWORD>(capacity);
    DWORD read = 0;
    if (!::InternetReadFile(url_.get(), buffer, wanted, &read)) return ReadStatus::kFailed;
    if (read == 0) {
      // WinINet ends a body quietly when the connection drops; the length the
      // server announced tells a cut-short body from a whole one.
      bool cut_short = declared_length_ && received_ < *declared_length_;
      return cut_short ? ReadStatus::kFailed : ReadStatus::kEnd;
    }
    if (read > wanted) read = wanted;
    received_ += read;
    *count = read;
    return ReadStatus::kData;
  }

 private:
  SharedSession session_;  // declared first, so closed after the URL's handle
  InternetHandle url_;
  std::optional<DWORD> declared_length_;  // Content-Length, when the server sent one
  std::uint64_t received_ = 0;
};

class WinInetSession final : public HttpSession {
 public:
  explicit WinInetSession(InternetHandle session)
      : session_(std::make_shared<const InternetHandle>(std::move(session))) {}

  std::unique_ptr<HttpAnswer> OpenUrl(const std::string& url) override {
    HINTERNET opened = ::InternetOpenUrlA(session_->get(), url.c_str(), nullptr, 0,
                                          INTERNET_FLAG_TRANSFER_ASCII, kContext);
    if (opened == nullptr) return nullptr;
    InternetHandle answer(opened);
    if (!HasStatusLine(answer.get())) return nullptr;
    return std::make_unique<WinInetAnswer>(session_, std::move(answer));
  }

 private:
  SharedSession session_;
};

}  // namespace

std::unique_ptr<HttpSession> WinInetHttp::OpenSession() {
  HINTERNET session =
      ::InternetOpenA(user_agent_.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (session == nullptr) return nullptr;
  return std::make_unique<WinInetSession>(InternetHandle(session));
}

void WinInetHttp::DeleteUrlCacheEntry(const std::string& url) {
  // Nothing to do when the answer was never cached: the result does not matter.
  ::DeleteUrlCacheEntryA(url.c_str());
}

}  // namespace platform::win32
