#include "loopback_listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velmar::service {

LoopbackListener::~LoopbackListener() {
  if (fd_ >= 0) close(fd_);
}

bool LoopbackListener::Open(int port, std::string* error) {
  const std::string where = "127.0.0.1:" + std::to_string(port);
  fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) {
    *error = std::string("cannot create a socket: ") + std::strerror(errno);
    return false;
  }
  // Lets a restarted service take its port back while old connections sit in TIME_WAIT.
  const int on = 1;
  setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);

  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(fd_, SOMAXCONN) != 0) {
    *error = "cannot listen on " + where + ": " + std::strerror(errno);
    return false;
  }
  socklen_t length = sizeof address;
  if (getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    *error = std::string("cannot read the bound port: ") + std::strerror(errno);
    return false;
  }
  port_ = ntohs(address.sin_port);
  return true;
}

}  // namespace velmar::service
