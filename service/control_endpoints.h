#pragma once

#include <string>

#include "contract_store.h"
#include "faults.h"
#include "http_reply.h"
#include "request_log.h"
#include "request_target.h"

namespace velmar::service {

constexpr std::string_view kControlPrefix = "/__control/";

// What the control endpoints act on; owned by the service, which outlives every request.
struct ControlTargets {
  ContractStore& store;
  RequestLog& log;
  FaultTable& faults;
};

// Answers a request whose path starts with kControlPrefix (endpoints in README.md).
Reply AnswerControl(const RequestTarget& request, ControlTargets targets);

}  // namespace velmar::service
