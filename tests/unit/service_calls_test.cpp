// The five service calls end to end on the memory platform: the URL each
// sends and the outcome each makes of the answers the service can give.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/contract_info_call.h"
#include "api/contract_list_call.h"
#include "api/login_call.h"
#include "api/logout_call.h"
#include "api/report_call.h"
#include "memory_os.h"

namespace {

constexpr char kHost[] = "127.0.0.1:18431";
constexpr char kBase[] = "http://127.0.0.1:18431/client/static/";

struct LoginCase {
  std::string body;
  bool unreachable;
  api::LoginOutcome outcome;
};

TEST(LoginCall, OutcomeForEachKindOfAnswer) {
  const LoginCase cases[] = {
      {"TRUE", false, api::LoginOutcome::kAccepted},
      {"TRUE\n", false, api::LoginOutcome::kAccepted},
      {"TRUE\r\n", false, api::LoginOutcome::kAccepted},
      {"a\nb\nTRUE\nFALSE\n", false, api::LoginOutcome::kAccepted},
      {"FALSE\n", false, api::LoginOutcome::kRefused},
      {"", false, api::LoginOutcome::kRefused},
      {"True\n", false, api::LoginOutcome::kRefused},
      {"TRUE \n", false, api::LoginOutcome::kRefused},
      {" TRUE\n", false, api::LoginOutcome::kRefused},
      {"<html><body>500 Internal Server Error</body></html>", false,
       api::LoginOutcome::kRefused},
      {"", true, api::LoginOutcome::kUnreachable},
  };
  for (const LoginCase& c : cases) {
    test::MemoryOs m;
    if (c.unreachable) m.Unreachable();
    else m.Answer(c.body);
    EXPECT_EQ(api::CallLogin(m.os, kHost, {"abc", "digest", "A1B2C3"}), c.outcome) << c.body;
    EXPECT_EQ(m.kernel.slept_ms, 1000u);
  }
}

TEST(LoginCall, AReadFailureBeforeTrueCountsAsUnreachable) {
  test::MemoryOs m;
  platform::memory::ScriptedAnswer answer;
  answer.body = "FALSE\nTRUE\n";
  answer.fail_after_bytes = 4;
  m.http.answers.push_back(answer);
  EXPECT_EQ(api::CallLogin(m.os, kHost, {"abc", "d", "v"}), api::LoginOutcome::kUnreachable);
}

TEST(LoginCall, SendsItsKeysInOrderWithEachValueEncoded) {
  test::MemoryOs m;
  m.kernel.computer_name = "PC1";
  m.Answer("TRUE\n");
  api::CallLogin(m.os, kHost, {"a&b=c d", "0123456789abcdef0123456789abcdef", "A1B2C3"});
  ASSERT_EQ(m.http.opened_urls.size(), 1u);
  EXPECT_EQ(m.http.opened_urls[0],
            std::string(kBase) +
                "api_login.php?id=a%26b%3Dc+d&pwd=0123456789abcdef0123456789abcdef&nn=PC1"
                "&v_num=A1B2C3&rnd=201435972&ver=V1.0");
}

struct ListCase {
  const char* name;
  std::string body;
  api::ContractList::Kind kind;
  std::vector<std::string> ips;  // top row first
  bool malformed;
};

std::string Record(const std::string& ip, const std::string& busy = "0",
                   const std::string& server = "10.0.0.1") {
  return ip + "#KVELT#2099-01-01#KVELT#memo#KVELT#" + busy + "#KVELT#u#KVELT#p#KVELT#" + server +
         "\n";
}

class ContractListAnswers : public testing::TestWithParam<ListCase> {};

TEST_P(ContractListAnswers, GiveTheirListOutcome) {
  const ListCase& c = GetParam();
  test::MemoryOs m;
  if (c.kind == api::ContractList::Kind::kUnreachable) m.Unreachable();
  else m.Answer(c.body);
  api::ContractList list = api::CallContractList(m.os, kHost, "abc");
  EXPECT_EQ(list.kind, c.kind);
  std::vector<std::string> ips;
  for (const api::ContractRow& row : list.rows) ips.push_back(row.ip);
  EXPECT_EQ(ips, c.ips);
  EXPECT_EQ(list.malformed, c.malformed);
}

using Kind = api::ContractList::Kind;
INSTANTIATE_TEST_SUITE_P(
    Table, ContractListAnswers,
    testing::Values(
        ListCase{"unreachable", "", Kind::kUnreachable, {}, false},
        ListCase{"empty_body", "", Kind::kNoList, {}, false},
        ListCase{"false", "FALSE\n", Kind::kNoList, {}, false},
        ListCase{"error_page", "<html>404</html>\n", Kind::kNoList, {}, false},
        ListCase{"true_alone", "TRUE\n", Kind::kReplaced, {}, false},
        ListCase{"two_records_reversed", "\nnoise\nTRUE\n" + Record("A") + Record("B"),
                 Kind::kReplaced, {"B", "A"}, false},
        ListCase{"five_separators",
                 "TRUE\n" + Record("A") + "B#KVELT#x#KVELT#m#KVELT#0#KVELT#u#KVELT#p\n",
                 Kind::kReplaced, {}, true},
        ListCase{"blank_line_after_records", "TRUE\n" + Record("A") + "\n", Kind::kReplaced, {},
                 true}),
    [](const testing::TestParamInfo<ListCase>& info) { return info.param.name; });

TEST(ContractListCall, FieldsGoToTheirColumnsAndTheSeventhKeepsSeparators) {
  test::MemoryOs m;
  // The memo arrives as UTF-8 and is shown in CP949.
  m.Answer("TRUE\n1.2.3.4#KVELT#2099-12-31#KVELT#\xED\x85\x8C\xEC\x8A\xA4\xED\x8A\xB8"
           "#KVELT#1#KVELT#vu#KVELT#vp#KVELT#srv#KVELT#tail\n");
  api::ContractList list = api::CallContractList(m.os, kHost, "abc");
  ASSERT_EQ(list.rows.size(), 1u);
  const api::ContractRow& row = list.rows[0];
  EXPECT_EQ(row.ip, "1.2.3.4");
  EXPECT_EQ(row.expiry, "2099-12-31");
  EXPECT_EQ(row.memo, "테스트");
  EXPECT_EQ(row.status, api::kStatusInUse);
  EXPECT_EQ(row.vpn_user, "vu");
  EXPECT_EQ(row.vpn_password, "vp");
  EXPECT_EQ(row.vpn_server, "srv#KVELT#tail");
}

TEST(ContractListCall, OnlyABusyFlagOfExactlyOneReadsInUse) {
  for (const char* busy : {"1", "0", "01", " 1", ""}) {
    test::MemoryOs m;
    m.Answer("TRUE\n" + Record("A", busy));
    api::ContractList list = api::CallContractList(m.os, kHost, "abc");
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].status,
              std::string(busy) == "1" ? api::kStatusInUse : api::kStatusFree)
        << "busy '" << busy << "'";
  }
}

TEST(ContractListCall, ADroppedConnectionLeavesTheListAlone) {
  test::MemoryOs m;
  platform::memory::ScriptedAnswer answer;
  answer.body = "TRUE\n" + Record("A") + Record("B");
  answer.fail_after_bytes = answer.body.size() - 3;
  m.http.answers.push_back(answer);
  EXPECT_EQ(api::CallContractList(m.os, kHost, "abc").kind, Kind::kUnreachable);
}

TEST(ContractListCall, Url) {
  test::MemoryOs m;
  m.Answer("FALSE\n");
  api::CallContractList(m.os, kHost, "abc");
  EXPECT_EQ(m.http.opened_urls.at(0),
            std::string(kBase) + "api_contract_list.php?id=abc&nn=PC1&rnd=201435972");
}

struct InfoCase {
  std::string body;
  api::ContractState state;
};

TEST(ContractInfoCall, StateForEachKindOfAnswer) {
  using S = api::ContractState;
  const InfoCase cases[] = {
      {"TRUE\nx#KVELT#0#KVELT#\n", S::kExpired},
      {"TRUE\nx#KVELT#0#KVELT#rest#KVELT#more", S::kExpired},
      {"TRUE\nx#KVELT#1#KVELT#\n", S::kNoEffect},
      {"TRUE\nx#KVELT#0\n", S::kClearAll},
      {"TRUE\nnothing\n", S::kClearAll},
      {"TRUE\n", S::kClearAll},
      {"TRUE", S::kClearAll},
      {"TRUE\nx#KVELT#00#KVELT#\n", S::kNoEffect},
      {"TRUE\nx#KVELT# 0#KVELT#\n", S::kNoEffect},
      {"TRUE\nx#KVELT##KVELT#\n", S::kNoEffect},
      {"TRUE\na#KVELT#1#KVELT#\nTRUE\nb#KVELT#0#KVELT#\n", S::kExpired},
      {"TRUE\na#KVELT#1#KVELT#\nTRUE\n", S::kClearAll},
      {"FALSE\n", S::kNoEffect},
      {"", S::kNoEffect},
      {"<html>500</html>", S::kNoEffect},
  };
  for (const InfoCase& c : cases) {
    test::MemoryOs m;
    m.Answer(c.body);
    EXPECT_EQ(api::CallContractInfo(m.os, kHost, "abc", "1.2.3.4"), c.state) << c.body;
  }
  test::MemoryOs m;
  m.Unreachable();
  EXPECT_EQ(api::CallContractInfo(m.os, kHost, "abc", "1.2.3.4"), S::kNoEffect);
  EXPECT_EQ(m.http.opened_urls.at(0),
            std::string(kBase) + "api_contract_info.php?id=abc&ip=1.2.3.4&nn=PC1&rnd=201435972");
}

TEST(LogoutCall, SendsOneRequestAndReadsNothing) {
  test::MemoryOs m;
  m.Answer("TRUE\n");
  api::CallLogout(m.os, kHost, "abc");
  EXPECT_EQ(m.http.opened_urls,
            std::vector<std::string>{std::string(kBase) +
                                     "api_logout.php?id=abc&nn=PC1&rnd=201435972"});
  test::MemoryOs down;
  down.Unreachable();
  api::CallLogout(down.os, kHost, "abc");  // silent
  EXPECT_EQ(down.http.deleted_cache_entries.size(), 1u);
}

struct ReportCase {
  std::string body;
  api::ReportOutcome outcome;
};

TEST(ReportCall, TheFirstDecisiveLineWins) {
  using R = api::ReportOutcome;
  const ReportCase cases[] = {
      {"TRUE\n", R::kAccepted},
      {"TRUE\r\n", R::kAccepted},
      {"FALSE\n", R::kRefused},
      {"FALSE2\n", R::kIpRefused},
      {"other\nFALSE2\nTRUE\n", R::kIpRefused},
      {"x\nFALSE\nTRUE\n", R::kRefused},
      {"true\n", R::kError},
      {" TRUE\n", R::kError},
      {"", R::kError},
      {"<html>500</html>\n", R::kError},
  };
  for (const ReportCase& c : cases) {
    test::MemoryOs m;
    m.Answer(c.body);
    EXPECT_EQ(api::CallReport(m.os, kHost, {"abc", "1.2.3.4", "note"}), c.outcome) << c.body;
  }
  test::MemoryOs m;
  m.Unreachable();
  EXPECT_EQ(api::CallReport(m.os, kHost, {"abc", "1.2.3.4", "note"}), R::kUnreachable);
}

TEST(ReportCall, TheNoteTravelsAsEncodedUtf8) {
  struct Case {
    std::string note, content;
  } cases[] = {
      {"\xB0\xA1 a", "%EA%B0%80+a"},
      {"a&b=c", "a%26b%3Dc"},
      {"   ", "+++"},
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    m.Answer("TRUE\n");
    api::CallReport(m.os, kHost, {"abc", "1.2.3.4", c.note});
    EXPECT_EQ(m.http.opened_urls.at(0),
              std::string(kBase) + "api_blackip_add_exec.php?id=abc&pc=PC1&black_ip=1.2.3.4"
                                   "&content=" + c.content + "&rnd=201435972&ver=V1.1");
  }
}

}  // namespace
