#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmar::service {

// What the server sends back for one request. Handlers build it as a value; the connection code
// carries it out, so the misbehaviours a fault asks for are decided without touching a socket.
struct Reply {
  enum class Delivery {
    kComplete,  // head and the whole body
    kCutShort,  // head announcing declared_length bytes, then only `body`, then the close
    kNothing,   // close the connection without sending a byte
  };

  int status = 200;
  std::string content_type = "text/plain; charset=utf-8";
  std::string body;
  Delivery delivery = Delivery::kComplete;
  size_t declared_length = 0;          // used by kCutShort only
  std::chrono::milliseconds delay{0};  // waited before anything is sent
  bool stop_server_after = false;
};

Reply TextReply(std::string body);
Reply HtmlReply(std::string body);
// A small HTML page "<code> <reason>" with that status.
Reply ErrorPage(int status);

// The reason phrase of a status code; a generic one for codes without a usual phrase.
std::string_view ReasonPhrase(int status);

// The status line and headers of `reply`, up to and including the blank line.
std::string FormatHead(const Reply& reply);

}  // namespace velmar::service
