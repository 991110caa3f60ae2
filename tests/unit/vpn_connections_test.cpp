// The look-ups of active connections and the hang-up of the client's own.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "memory_os.h"
#include "vpn/connections.h"

namespace {

using platform::RasConnection;
using platform::RasConnHandle;

// Connections named `names`, with the handles 0x100, 0x200, ... in order.
std::vector<RasConnection> Named(const std::vector<std::string>& names) {
  std::vector<RasConnection> connections;
  for (std::size_t i = 0; i < names.size(); ++i) {
    connections.push_back(RasConnection{RasConnHandle{0x100 * (i + 1)}, names[i], "vpn", "dev"});
  }
  return connections;
}

std::optional<std::uintptr_t> Value(std::optional<RasConnHandle> handle) {
  if (!handle) return std::nullopt;
  return handle->value;
}

TEST(VpnConnections, OwnConnectionIsAnExactNameAndTheLastOneWins) {
  struct Case {
    std::vector<std::string> names;
    std::optional<std::uintptr_t> own;
  } cases[] = {
      {{"velmar-PPTP", "velmar-L2TP"}, 0x200},
      {{"velmar-L2TP", "velmar-PPTP"}, 0x200},
      {{"velmar-L2TP", "Office"}, 0x100},
      {{"Office", "velmar-PPTP", "Home"}, 0x200},
      {{"VELMAR-PPTP", "velmar-l2tp"}, std::nullopt},
      {{"velmar-PPTP ", "velmar-L2TP2", "velmar"}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    m.ras.connections = Named(c.names);
    EXPECT_EQ(Value(vpn::FindOwnConnection(m.ras)), c.own) << testing::PrintToString(c.names);
  }
}

TEST(VpnConnections, ConnectionByNameIgnoresLetterCase) {
  struct Case {
    std::vector<std::string> names;
    const char* wanted;
    std::optional<std::uintptr_t> found;
  } cases[] = {
      {{"Velmar-pptp"}, "velmar-PPTP", 0x100},
      {{"velmar-PPTP", "VELMAR-PPTP"}, "velmar-pptp", 0x200},
      {{"velmar-L2TP"}, "velmar-PPTP", std::nullopt},
      {{"velmar-PPTP2"}, "velmar-PPTP", std::nullopt},
      {{""}, "", 0x100},
      // Hangul compares exactly, and a second byte that happens to be an
      // ASCII letter is part of its character, not a letter.
      {{"\xBF\xAC\xB0\xE1-A"}, "\xBF\xAC\xB0\xE1-a", 0x100},
      {{"\xB0\x41"}, "\xB0\x61", std::nullopt},
      {{"\xB0\x41"
        "b"},
       "\xB0\x41"
       "B",
       0x100},
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    m.ras.connections = Named(c.names);
    EXPECT_EQ(Value(vpn::FindConnection(m.ras, c.wanted)), c.found)
        << testing::PrintToString(c.names) << " / " << c.wanted;
  }
}

TEST(VpnConnections, ListingThatFailsFindsNothing) {
  test::MemoryOs m;
  m.ras.connections = Named({"velmar-PPTP"});
  m.ras.connection_enumeration_failure = 603;
  EXPECT_FALSE(vpn::FindOwnConnection(m.ras));
  EXPECT_FALSE(vpn::FindConnection(m.ras, "velmar-PPTP"));
}

TEST(VpnConnections, HangUpTakesTheGivenHandleOrElseTheLastOwnConnection) {
  {
    test::MemoryOs m;  // a known handle is hung up without looking further
    m.ras.connections = Named({"velmar-PPTP"});
    vpn::HangUpOwnConnection(m.ras, RasConnHandle{0x999});
    EXPECT_EQ(m.log.entries, std::vector<std::string>{"ras hang up 2457"});
    EXPECT_EQ(m.ras.connections.size(), 1u);
  }
  {
    test::MemoryOs m;  // none given: the own connection listed last
    m.ras.connections = Named({"velmar-L2TP", "Office", "velmar-PPTP", "Home"});
    vpn::HangUpOwnConnection(m.ras, RasConnHandle{});
    ASSERT_EQ(m.ras.hang_ups.size(), 1u);
    EXPECT_EQ(m.ras.hang_ups[0].value, 0x300u);
  }
  {
    test::MemoryOs m;  // no own connection: nothing is hung up
    m.ras.connections = Named({"Office", "VELMAR-PPTP"});
    vpn::HangUpOwnConnection(m.ras, RasConnHandle{});
    EXPECT_TRUE(m.ras.hang_ups.empty());
    EXPECT_EQ(m.ras.connections.size(), 2u);
  }
}

}  // namespace
