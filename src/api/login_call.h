// The login call: does this ID belong to this password digest?
#pragma once

#include <string>

#include "platform/line_reader.h"
#include "platform/platform.h"

namespace api {

// The values are the command ids the login dialog receives.
enum class LoginOutcome {
  kAccepted = 1124,
  kRefused = 1125,
  kUnreachable = 1126,
};

struct LoginRequest {
  std::string user_id;
  std::string password_digest;
  std::string volume_serial;
};

// Accepted as soon as a line is exactly "TRUE"; refused when the lines run out
// first; a transport failure while reading counts as unreachable.
LoginOutcome ParseLoginAnswer(platform::LineSource& lines);

std::string LoginUrl(const std::string& host, const LoginRequest& request,
                     const std::string& computer_name, const std::string& timestamp);

// Runs on a worker thread.
LoginOutcome CallLogin(platform::Platform& os, const std::string& host,
                       const LoginRequest& request);

}  // namespace api
