// The service's readers of request targets, request lines, seed files and dates, called
// directly with tables of cases.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "civil_date.h"
#include "fault_replies.h"
#include "http_request.h"
#include "request_target.h"
#include "seed_file.h"

namespace velmar::service {
namespace {

using Params = std::vector<std::pair<std::string, std::string>>;

Params ParamsOf(const RequestTarget& target) {
  Params params;
  for (const QueryParam& param : target.params) params.emplace_back(param.key, param.value);
  return params;
}

TEST(RequestTargetTest, SplitsAndDecodesParametersInOrder) {
  const std::vector<std::string_view> id_and_pwd = {"id", "pwd"};
  struct Case {
    std::string target;
    std::vector<std::string_view> known_keys;
    std::string path;
    std::string raw_query;
    Params params;
  };
  const std::vector<Case> cases = {
      {"/p", {}, "/p", "", {}},
      {"/p?", {}, "/p", "", {}},
      {"/p?a=1&b=&c", {}, "/p", "a=1&b=&c", {{"a", "1"}, {"b", ""}, {"c", ""}}},
      {"/p?x=%EA%b0%80+a", {}, "/p", "x=%EA%b0%80+a", {{"x", "\xEA\xB0\x80 a"}}},
      {"/p?x=100%&y=%4g%2", {}, "/p", "x=100%&y=%4g%2", {{"x", "100%"}, {"y", "%4g%2"}}},
      {"/p?x=a=b?c", {}, "/p", "x=a=b?c", {{"x", "a=b?c"}}},
      {"/p?%69d=1", {}, "/p", "%69d=1", {{"id", "1"}}},
      {"/p?a=1&&b=2&", {}, "/p", "a=1&&b=2&", {{"a", "1"}, {"b", "2"}}},
      // An unencoded ID that holds "&" stays whole when the keys are known...
      {"/p?id=a&b=c d&pwd=x",
       id_and_pwd,
       "/p",
       "id=a&b=c d&pwd=x",
       {{"id", "a&b=c d"}, {"pwd", "x"}}},
      {"/p?id=a&&pwd=x", id_and_pwd, "/p", "id=a&&pwd=x", {{"id", "a&"}, {"pwd", "x"}}},
      {"/p?zz=1&id=2", id_and_pwd, "/p", "zz=1&id=2", {{"zz", "1"}, {"id", "2"}}},
      // ...and is split when they are not.
      {"/p?id=a&b=c d&pwd=x",
       {},
       "/p",
       "id=a&b=c d&pwd=x",
       {{"id", "a"}, {"b", "c d"}, {"pwd", "x"}}},
  };
  for (const Case& c : cases) {
    const RequestTarget parsed = ParseRequestTarget(c.target, c.known_keys);
    EXPECT_EQ(parsed.path, c.path) << c.target;
    EXPECT_EQ(parsed.raw_query, c.raw_query) << c.target;
    EXPECT_EQ(ParamsOf(parsed), c.params) << c.target;
  }
}

TEST(RequestTargetTest, FindGivesTheFirstOfRepeatedKeys) {
  const RequestTarget parsed = ParseRequestTarget("/p?a=1&a=2", {});
  ASSERT_NE(parsed.Find("a"), nullptr);
  EXPECT_EQ(*parsed.Find("a"), "1");
  EXPECT_EQ(parsed.Find("b"), nullptr);
}

TEST(RequestLineTest, TakesTheTargetBetweenFirstAndLastBlank) {
  struct Case {
    std::string head;
    bool valid;
    std::string method;
    std::string target;
  };
  const Case cases[] = {
      {"GET /a?b=1 HTTP/1.1\r\nHost: x\r\n\r\n", true, "GET", "/a?b=1"},
      {"GET /a?id=a b&c=\xB0\xA1 HTTP/1.0\n\n", true, "GET", "/a?id=a b&c=\xB0\xA1"},
      {"GET /a\r\n\r\n", false, "", ""},
      {"GET /a FTP/1.1\r\n\r\n", false, "", ""},
      {"GET  HTTP/1.1\r\n\r\n", false, "", ""},
      {"", false, "", ""},
  };
  for (const Case& c : cases) {
    const auto line = ParseRequestLine(c.head);
    ASSERT_EQ(line.has_value(), c.valid) << c.head;
    if (!line) continue;
    EXPECT_EQ(line->method, c.method);
    EXPECT_EQ(line->target, c.target);
  }
}

TEST(RequestLineTest, HeadEndsAtTheFirstBlankLine) {
  EXPECT_EQ(FindHeadEnd("GET / HTTP/1.1\r\nA: b\r\n\r\nrest"), 24u);
  EXPECT_EQ(FindHeadEnd("GET / HTTP/1.1\n\n"), 16u);
  EXPECT_EQ(FindHeadEnd("GET / HTTP/1.1\r\nA: b\r\n"), std::nullopt);
  EXPECT_EQ(FindHeadEnd(""), std::nullopt);
}

TEST(SeedFileTest, ReadsAccountsAndContracts) {
  const std::string seed =
      "\xEF\xBB\xBF# comment\r\n"
      "\n"
      "account  demo\t0123456789abcdef0123456789abcdef  \r\n"
      "  # indented comment\n"
      "contract demo 10.0.0.1|2099-12-31|\xED\x85\x8C\xEC\x8A\xA4\xED\x8A\xB8 a%7Cb|1|u|p|s\n"
      "contract demo 10.0.0.2|2000-02-29||0|||\n"
      "account a%26b%3Dc%20d%25 ffffffffffffffffffffffffffffffff\n"
      "contract a%26b%3Dc%20d%25 10.0.0.3|2099-01-01|m|0|u|p|s";
  std::vector<Account> accounts;
  std::string error;
  ASSERT_TRUE(ParseSeed(seed, &accounts, &error)) << error;
  ASSERT_EQ(accounts.size(), 2u);
  EXPECT_EQ(accounts[0].id, "demo");
  EXPECT_EQ(accounts[0].password_digest, "0123456789abcdef0123456789abcdef");
  ASSERT_EQ(accounts[0].contracts.size(), 2u);
  const Contract& first = accounts[0].contracts[0];
  EXPECT_EQ(first.ip, "10.0.0.1");
  EXPECT_EQ(first.expiry, "2099-12-31");
  EXPECT_EQ(first.memo, "\xED\x85\x8C\xEC\x8A\xA4\xED\x8A\xB8 a|b");
  EXPECT_TRUE(first.busy);
  EXPECT_EQ(first.vpn_user, "u");
  EXPECT_EQ(first.vpn_password, "p");
  EXPECT_EQ(first.server, "s");
  EXPECT_EQ(accounts[0].contracts[1].memo, "");
  EXPECT_FALSE(accounts[0].contracts[1].busy);
  EXPECT_EQ(accounts[1].id, "a&b=c d%");
  EXPECT_EQ(accounts[1].contracts.size(), 1u);
}

TEST(SeedFileTest, NamesTheLineAndTheFault) {
  const std::string account = "account demo 0123456789abcdef0123456789abcdef\n";
  struct Case {
    std::string seed;
    std::string error;
  };
  const Case cases[] = {
      {"accounts demo x\n", "line 1: unknown keyword \"accounts\""},
      {"account demo\n", "line 1: expected: account <id> <md5hex>"},
      {account.substr(0, account.size() - 1) + " extra\n", "line 1: expected: account"},
      {"account demo 0123456789ABCDEF0123456789abcdef\n", "line 1: the digest must be 32"},
      {"account demo 0123456789abcdef0123456789abcde\n", "line 1: the digest must be 32"},
      {account + "\n" + account, "line 3: account \"demo\" is declared twice"},
      {"contract demo 1.2.3.4|2099-01-01|m|0|u|p|s\n", "line 1: contract for undeclared"},
      {account + "contract demo 1.2.3.4|2099-01-01|m|0|u|p\n", "line 2: expected 7 fields"},
      {account + "contract demo 1.2.3.4|2099-01-01|m|0|u|p|s|t\n", "line 2: expected 7 fields"},
      {account + "contract demo |2099-01-01|m|0|u|p|s\n", "line 2: the IP is empty"},
      {account + "contract demo 1.2.3.4|2023-02-29|m|0|u|p|s\n", "line 2: the expiry must be"},
      {account + "contract demo 1.2.3.4|2099-01-01|m|2|u|p|s\n", "line 2: the busy flag"},
      {account + "contract demo 1.2.3.4|2099-01-01|m| 1|u|p|s\n", "line 2: the busy flag"},
  };
  for (const Case& c : cases) {
    std::vector<Account> accounts;
    std::string error;
    EXPECT_FALSE(ParseSeed(c.seed, &accounts, &error)) << c.seed;
    EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.seed;
  }
}

TEST(CivilDateTest, AcceptsOnlyRealDaysInTheIsoForm) {
  const std::pair<const char*, bool> cases[] = {
      {"2024-02-29", true},   {"2000-02-29", true},  {"2023-02-29", false}, {"2100-02-29", false},
      {"2024-04-30", true},   {"2024-04-31", false}, {"2024-12-31", true},  {"2024-13-01", false},
      {"2024-00-10", false},  {"2024-01-00", false}, {"2024-1-01", false},  {"2024/01/01", false},
      {"2024-01-01 ", false}, {"", false},           {"20x4-01-01", false},
  };
  for (const auto& [text, valid] : cases) EXPECT_EQ(IsCalendarDate(text), valid) << text;
}

TEST(FaultBodiesTest, OversizedBodyHasExactlyTheAskedSize) {
  for (size_t size : {0u, 1u, 4u, 5u, 6u, 30u, 1000u}) {
    const std::string body = OversizedBody(size);
    EXPECT_EQ(body.size(), size);
    EXPECT_EQ(body.substr(0, 5), std::string("TRUE\n").substr(0, size));
  }
}

}  // namespace
}  // namespace velmar::service
