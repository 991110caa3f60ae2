#pragma once

#include <cstddef>
#include <string>

#include "faults.h"
#include "http_reply.h"

namespace velmar::service {

// The reply that goes out instead of `normal` while `fault` is armed.
Reply ApplyFault(const Fault& fault, Reply normal);

// "TRUE\n" followed by garbage lines, exactly `bytes` long (cut short when `bytes` is under 5).
// No garbage line is a token the client looks for, nor holds the record separator.
std::string OversizedBody(size_t bytes);

// "TRUE\n" followed by one line of `bytes` bytes that never ends with a line feed.
std::string OversizedLineBody(size_t bytes);

}  // namespace velmar::service
