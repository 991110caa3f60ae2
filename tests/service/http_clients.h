#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar::service::testing {

// An answer as an independent HTTP client (cpp-httplib) read it. `received` is false when the
// client got no complete answer: a dropped or cut-short connection.
struct Fetched {
  bool received = false;
  int status = 0;
  std::string content_type;
  std::string body;
};

// GET of `target` (path and query, sent as given, nothing encoded).
Fetched Fetch(int port, const std::string& target);

// Sends `request` byte for byte and returns everything the service sent until it closed the
// connection.
std::string ExchangeRaw(int port, std::string_view request);

// A GET request head for `target`, unencoded, as the client writes it.
std::string GetRequest(std::string_view target);

// An answer split from the bytes on the wire; the body is what arrived, whatever the head
// announced.
struct WireAnswer {
  int status = 0;
  std::string head;
  std::optional<size_t> content_length;
  std::string body;
};

std::optional<WireAnswer> ParseWireAnswer(std::string_view bytes);

}  // namespace velmar::service::testing
