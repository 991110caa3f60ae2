// HTTP GET over POSIX sockets, for the native build: the request core runs
// over a real network against the reference service, as it does on Windows.
#pragma once

#include "platform/http.h"

namespace platform::posix {

class SocketHttp final : public Http {
 public:
  std::unique_ptr<HttpSession> OpenSession() override;
  void DeleteUrlCacheEntry(const std::string&) override {}  // nothing is cached
};

}  // namespace platform::posix
