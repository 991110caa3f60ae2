// The logout call: tells the service; the answer is never read.
#pragma once

#include <string>

#include "platform/platform.h"

namespace api {

std::string LogoutUrl(const std::string& host, const std::string& user_id,
                      const std::string& computer_name, const std::string& timestamp);

// Runs on a worker thread. Reports nothing: an unreachable service is silent.
void CallLogout(platform::Platform& os, const std::string& host, const std::string& user_id);

}  // namespace api
