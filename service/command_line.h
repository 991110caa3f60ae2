#pragma once

#include <optional>
#include <string>

namespace velmar::service {

struct CommandLine {
  int port = -1;  // 0: any free port
  std::string seed_path;
  std::string log_path;              // empty: memory log only
  std::optional<std::string> today;  // YYYY-MM-DD; none: the local date
};

constexpr const char* kUsage =
    "usage: velmar-service --port N --seed FILE [--log FILE] [--today YYYY-MM-DD]";

// False, with `error` set, on an unknown option, a missing or bad value, or a missing
// --port or --seed.
bool ParseCommandLine(int argc, const char* const* argv, CommandLine* command_line,
                      std::string* error);

}  // namespace velmar::service
