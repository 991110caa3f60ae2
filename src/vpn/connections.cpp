#include "vpn/connections.h"

#include "vpn/cp949_text.h"
#include "vpn/vpn_entry.h"

namespace vpn {
namespace {

template <class Matches>
std::optional<platform::RasConnHandle> LastConnection(platform::Ras& ras, Matches matches) {
  platform::RasConnectionList list = ras.EnumerateConnections();
  if (list.code != platform::kRasSuccess) return std::nullopt;
  std::optional<platform::RasConnHandle> found;
  for (const platform::RasConnection& connection : list.connections) {
    if (matches(connection.entry_name)) found = connection.handle;
  }
  return found;
}

}  // namespace

std::optional<platform::RasConnHandle> FindOwnConnection(platform::Ras& ras) {
  return LastConnection(ras, [](const std::string& name) {
    return name == kL2tpEntryName || name == kPptpEntryName;
  });
}

std::optional<platform::RasConnHandle> FindConnection(platform::Ras& ras,
                                                      const std::string& entry_name) {
  return LastConnection(
      ras, [&](const std::string& name) { return EqualsIgnoringCase(name, entry_name); });
}

void HangUpOwnConnection(platform::Ras& ras, platform::RasConnHandle connection) {
  if (!connection) {
    std::optional<platform::RasConnHandle> own = FindOwnConnection(ras);
    if (!own) return;
    connection = *own;
  }
  ras.HangUp(connection);
}

}  // namespace vpn
