#include "api/logout_call.h"

#include "api/request_core.h"

namespace api {

std::string LogoutUrl(const std::string& host, const std::string& user_id,
                      const std::string& computer_name, const std::string& timestamp) {
  return BuildUrl(host, "api_logout.php",
                  {{"id", user_id}, {"nn", computer_name}, {"rnd", timestamp}}, "");
}

void CallLogout(platform::Platform& os, const std::string& host, const std::string& user_id) {
  RequestStamp stamp = TakeRequestStamp(os.kernel);
  PerformRequest(os, LogoutUrl(host, user_id, stamp.computer_name, stamp.timestamp), nullptr);
}

}  // namespace api
