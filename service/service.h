#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts.h"
#include "contract_store.h"
#include "faults.h"
#include "http_reply.h"
#include "request_log.h"

namespace velmar::service {

// The whole service behind the HTTP layer: routes a request to its answer, logs it and lets an
// armed fault reshape the reply. Handle may run on many connection threads at once.
class Service {
 public:
  // `fixed_today` (YYYY-MM-DD) replaces the local date in expiry checks when given.
  Service(std::vector<Account> accounts, std::optional<std::string> fixed_today);

  RequestLog& log() { return log_; }

  Reply Handle(std::string_view method, std::string_view target);

 private:
  std::string Today() const;

  ContractStore store_;
  RequestLog log_;
  FaultTable faults_;
  const std::optional<std::string> fixed_today_;
};

}  // namespace velmar::service
