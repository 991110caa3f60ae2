#include "api/login_call.h"

#include "api/request_core.h"

namespace api {

LoginOutcome ParseLoginAnswer(platform::LineSource& lines) {
  std::string line;
  for (;;) {
    switch (lines.ReadLine(line)) {
      case platform::LineStatus::kLine:
        if (line == kTrueToken) return LoginOutcome::kAccepted;
        break;
      case platform::LineStatus::kEnd:
        return LoginOutcome::kRefused;
      case platform::LineStatus::kFailed:
        return LoginOutcome::kUnreachable;
    }
  }
}

std::string LoginUrl(const std::string& host, const LoginRequest& request,
                     const std::string& computer_name, const std::string& timestamp) {
  return BuildUrl(host, "api_login.php",
                  {{"id", request.user_id},
                   {"pwd", request.password_digest},
                   {"nn", computer_name},
                   {"v_num", request.volume_serial},
                   {"rnd", timestamp}},
                  "&ver=V1.0");
}

LoginOutcome CallLogin(platform::Platform& os, const std::string& host,
                       const LoginRequest& request) {
  RequestStamp stamp = TakeRequestStamp(os.kernel);
  std::string url = LoginUrl(host, request, stamp.computer_name, stamp.timestamp);
  LoginOutcome outcome = LoginOutcome::kUnreachable;
  PerformRequest(os, url, [&](platform::LineSource& lines) { outcome = ParseLoginAnswer(lines); });
  return outcome;
}

}  // namespace api
