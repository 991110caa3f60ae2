// The HTTP port over WinINet: one Internet session per request, answers read
// with InternetReadFile.
#pragma once

#include <string>

#include "platform/http.h"

namespace platform::win32 {

class WinInetHttp final : public Http {
 public:
  // `user_agent` is what the requests name themselves: the program's name.
  explicit WinInetHttp(std::string user_agent) : user_agent_(std::move(user_agent)) {}

  std::unique_ptr<HttpSession> OpenSession() override;
  void DeleteUrlCacheEntry(const std::string& url) override;

 private:
  std::string user_agent_;
};

}  // namespace platform::win32
