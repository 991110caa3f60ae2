#include "service.h"

#include <utility>

#include "api_calls.h"
#include "civil_date.h"
#include "control_endpoints.h"
#include "fault_replies.h"
#include "request_target.h"
#include "web_pages.h"

namespace velmar::service {
namespace {

enum class Endpoint { kLogin, kContractList, kContractInfo, kLogout, kReport, kBanner, kBoard };

struct Route {
  std::string_view path;
  const std::vector<std::string_view>* keys;
  Endpoint endpoint;
};

const std::vector<std::string_view> kBoardKeys = {"type", "agent"};
const std::vector<std::string_view> kNoKeys;

const Route kRoutes[] = {
    {"/client/static/api_login.php", &kLoginKeys, Endpoint::kLogin},
    {"/client/static/api_contract_list.php", &kContractListKeys, Endpoint::kContractList},
    {"/client/static/api_contract_info.php", &kContractInfoKeys, Endpoint::kContractInfo},
    {"/client/static/api_logout.php", &kLogoutKeys, Endpoint::kLogout},
    {"/client/static/api_blackip_add_exec.php", &kReportKeys, Endpoint::kReport},
    {"/client/banner_static.html", &kNoKeys, Endpoint::kBanner},
    {"/client/api_board.php", &kBoardKeys, Endpoint::kBoard},
};

const Route* FindRoute(std::string_view path) {
  for (const Route& route : kRoutes) {
    if (route.path == path) return &route;
  }
  return nullptr;
}

bool IsBoardQuery(const RequestTarget& request) {
  const std::string* type = request.Find("type");
  const std::string* agent = request.Find("agent");
  return type != nullptr && *type == "0" && agent != nullptr && *agent == "vpn";
}

Reply Answer(const Route* route, const RequestTarget& request, ContractStore& store,
             const std::string& today) {
  if (route == nullptr) return ErrorPage(404);
  switch (route->endpoint) {
    case Endpoint::kLogin:
      return AnswerLogin(store, request);
    case Endpoint::kContractList:
      return AnswerContractList(store, request);
    case Endpoint::kContractInfo:
      return AnswerContractInfo(store, request, today);
    case Endpoint::kLogout:
      return AnswerLogout(request);
    case Endpoint::kReport:
      return AnswerBadIpReport(store, request);
    case Endpoint::kBanner:
      return HtmlReply(BannerPage());
    case Endpoint::kBoard:
      return IsBoardQuery(request) ? HtmlReply(NoticeBoardPage()) : ErrorPage(404);
  }
  return ErrorPage(404);
}

}  // namespace

Service::Service(std::vector<Account> accounts, std::optional<std::string> fixed_today)
    : store_(std::move(accounts)), fixed_today_(std::move(fixed_today)) {}

std::string Service::Today() const { return fixed_today_ ? *fixed_today_ : LocalDateToday(); }

Reply Service::Handle(std::string_view method, std::string_view target) {
  const Route* route = FindRoute(TargetPath(target));
  const RequestTarget request = ParseRequestTarget(target, route ? *route->keys : kNoKeys);
  if (request.path.compare(0, kControlPrefix.size(), kControlPrefix) == 0) {
    return AnswerControl(request, {store_, log_, faults_});
  }

  log_.Append(FormatLogLine(request));
  Reply normal = method != "GET" ? ErrorPage(405) : Answer(route, request, store_, Today());
  const std::optional<Fault> fault = faults_.Take(request.path);
  return fault ? ApplyFault(*fault, std::move(normal)) : normal;
}

}  // namespace velmar::service
