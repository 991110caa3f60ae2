// A console program that makes the client's service calls through the real
// Windows backends, for the demo: what a user's login, list, check, report
// and logout send and get, before the dialogs exist.
#include <cstdio>
#include <string>

#include "api/contract_info_call.h"
#include "api/contract_list_call.h"
#include "api/identity.h"
#include "api/login_call.h"
#include "api/logout_call.h"
#include "api/report_call.h"
#include "app/build_config.h"
#include "platform/win32/win32_platform.h"

namespace {

const char* LoginText(api::LoginOutcome outcome) {
  switch (outcome) {
    case api::LoginOutcome::kAccepted: return "accepted (1124)";
    case api::LoginOutcome::kRefused: return "refused (1125)";
    case api::LoginOutcome::kUnreachable: return "unreachable (1126)";
  }
  return "?";
}

const char* ReportText(api::ReportOutcome outcome) {
  switch (outcome) {
    case api::ReportOutcome::kAccepted: return "accepted";
    case api::ReportOutcome::kRefused: return "refused";
    case api::ReportOutcome::kIpRefused: return "IP refused";
    case api::ReportOutcome::kError: return "no decisive line";
    case api::ReportOutcome::kUnreachable: return "unreachable";
  }
  return "?";
}

const char* StateText(api::ContractState state) {
  switch (state) {
    case api::ContractState::kNoEffect: return "valid";
    case api::ContractState::kExpired: return "expired";
    case api::ContractState::kClearAll: return "malformed answer";
  }
  return "?";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: velmar-demo-client ID PASSWORD WRONG-PASSWORD\n");
    return 2;
  }
  platform::win32::Win32Platform win32;
  platform::Platform& os = win32.ports();
  // The terminal shows UTF-8; the program's strings are CP949.
  auto shown = [&](const std::string& cp949) { return os.codepages.AnsiToUtf8(cp949); };

  const std::string id = argv[1];
  const std::string serial = api::VolumeSerialText(os.kernel);
  std::printf("service %s, computer %s, volume serial %s\n", app::kApiHost,
              os.kernel.GetComputerName().c_str(), serial.c_str());

  api::LoginRequest wrong{id, api::MakeMd5Hex(argv[3]), serial};
  std::printf("login with a wrong password: %s\n",
              LoginText(api::CallLogin(os, app::kApiHost, wrong)));
  api::LoginRequest right{id, api::MakeMd5Hex(argv[2]), serial};
  api::LoginOutcome login = api::CallLogin(os, app::kApiHost, right);
  std::printf("login with the right password: %s\n", LoginText(login));
  if (login != api::LoginOutcome::kAccepted) return 1;

  api::ContractList list = api::CallContractList(os, app::kApiHost, id);
  std::printf("contract list, top row first:\n");
  for (const api::ContractRow& row : list.rows) {
    api::ContractState state = api::CallContractInfo(os, app::kApiHost, id, row.ip);
    std::printf("  %-15s %-10s %s | %s | check: %s\n", row.ip.c_str(), row.expiry.c_str(),
                shown(row.status).c_str(), shown(row.memo).c_str(), StateText(state));
  }
  if (!list.rows.empty()) {
    api::ReportRequest report{id, list.rows.front().ip, "가 연결이 자주 끊깁니다"};
    std::printf("report of %s with a Korean note: %s\n", report.ip.c_str(),
                ReportText(api::CallReport(os, app::kApiHost, report)));
  }
  api::CallLogout(os, app::kApiHost, id);
  std::printf("logout sent\n");
  return 0;
}
