#include "control_endpoints.h"

#include <optional>
#include <utility>

#include "civil_date.h"

namespace velmar::service {
namespace {

Reply Ok() { return TextReply("OK\n"); }

Reply Refuse(int status, const std::string& why) {
  Reply reply = TextReply(why + "\n");
  reply.status = status;
  return reply;
}

Reply ArmFault(const RequestTarget& request, FaultTable& faults) {
  std::string error;
  std::optional<FaultOrder> order = ParseFaultOrder(request, &error);
  if (!order) return Refuse(400, error);
  if (order->path.compare(0, kControlPrefix.size(), kControlPrefix) == 0) {
    return Refuse(400, "control paths cannot be faulted");
  }
  faults.Arm(std::move(*order));
  return Ok();
}

Reply ChangeContract(const RequestTarget& request, ContractStore& store) {
  const std::string* ip = request.Find("ip");
  const std::string* busy = request.Find("busy");
  const std::string* expiry = request.Find("expiry");
  if (ip == nullptr || (busy == nullptr && expiry == nullptr)) {
    return Refuse(400, "ip and busy or expiry are required");
  }
  std::optional<bool> new_busy;
  if (busy != nullptr) {
    if (*busy != "0" && *busy != "1") return Refuse(400, "busy must be 0 or 1");
    new_busy = *busy == "1";
  }
  std::optional<std::string> new_expiry;
  if (expiry != nullptr) {
    if (!IsCalendarDate(*expiry)) return Refuse(400, "expiry must be a date YYYY-MM-DD");
    new_expiry = *expiry;
  }
  if (!store.UpdateContract(*ip, new_busy, new_expiry)) return Refuse(404, "no contract " + *ip);
  return Ok();
}

Reply ListReports(const ContractStore& store) {
  std::string text;
  for (const BadIpReport& report : store.Reports()) {
    text += EscapeLogValue(report.id) + "\t" + EscapeLogValue(report.pc) + "\t" +
            EscapeLogValue(report.black_ip) + "\t" + EscapeLogValue(report.content) + "\n";
  }
  return TextReply(text);
}

}  // namespace

Reply AnswerControl(const RequestTarget& request, ControlTargets targets) {
  const std::string_view name = std::string_view(request.path).substr(kControlPrefix.size());
  if (name == "log") return TextReply(targets.log.Text());
  if (name == "clear_log") {
    targets.log.Clear();
    return Ok();
  }
  if (name == "fault") return ArmFault(request, targets.faults);
  if (name == "reset") {
    targets.faults.Clear();
    return Ok();
  }
  if (name == "contract") return ChangeContract(request, targets.store);
  if (name == "reports") return ListReports(targets.store);
  if (name == "quit") {
    Reply reply = Ok();
    reply.stop_server_after = true;
    return reply;
  }
  return Refuse(404, "no control endpoint " + request.path);
}

}  // namespace velmar::service
