#include "http_reply.h"

#include <utility>

namespace velmar::service {

Reply TextReply(std::string body) {
  Reply reply;
  reply.body = std::move(body);
  return reply;
}

Reply HtmlReply(std::string body) {
  Reply reply;
  reply.content_type = "text/html; charset=utf-8";
  reply.body = std::move(body);
  return reply;
}

Reply ErrorPage(int status) {
  const std::string title = std::to_string(status) + " " + std::string(ReasonPhrase(status));
  Reply reply = HtmlReply("<html><body>" + title + "</body></html>");
  reply.status = status;
  return reply;
}

std::string_view ReasonPhrase(int status) {
  struct Phrase {
    int status;
    std::string_view text;
  };
  static constexpr Phrase kPhrases[] = {
      {200, "OK"},
      {204, "No Content"},
      {301, "Moved Permanently"},
      {302, "Found"},
      {400, "Bad Request"},
      {403, "Forbidden"},
      {404, "Not Found"},
      {405, "Method Not Allowed"},
      {408, "Request Timeout"},
      {500, "Internal Server Error"},
      {502, "Bad Gateway"},
      {503, "Service Unavailable"},
      {504, "Gateway Timeout"},
  };
  for (const Phrase& phrase : kPhrases) {
    if (phrase.status == status) return phrase.text;
  }
  return status < 400 ? "Other" : "Error";
}

std::string FormatHead(const Reply& reply) {
  const size_t length =
      reply.delivery == Reply::Delivery::kCutShort ? reply.declared_length : reply.body.size();
  std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " ";
  head.append(ReasonPhrase(reply.status));
  head.append("\r\nContent-Type: ").append(reply.content_type);
  head.append("\r\nContent-Length: ").append(std::to_string(length));
  head.append("\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n");
  return head;
}

}  // namespace velmar::service
