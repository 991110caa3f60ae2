#include "command_line.h"

#include <string_view>

#include "civil_date.h"

namespace velmar::service {
namespace {

bool ParsePort(std::string_view text, int* port) {
  if (text.empty() || text.size() > 5) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value > 65535) return false;
  *port = value;
  return true;
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, CommandLine* command_line,
                      std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc) {
      *error = "missing value after " + std::string(option);
      return false;
    }
    const std::string value = argv[++i];
    if (option == "--port") {
      if (!ParsePort(value, &command_line->port)) {
        *error = "bad port " + value;
        return false;
      }
    } else if (option == "--seed") {
      command_line->seed_path = value;
    } else if (option == "--log") {
      command_line->log_path = value;
    } else if (option == "--today") {
      if (!IsCalendarDate(value)) {
        *error = "bad date " + value + ", expected YYYY-MM-DD";
        return false;
      }
      command_line->today = value;
    } else {
      *error = "unknown option " + std::string(option);
      return false;
    }
  }
  if (command_line->port < 0 || command_line->seed_path.empty()) {
    *error = "--port and --seed are required";
    return false;
  }
  return true;
}

}  // namespace velmar::service
