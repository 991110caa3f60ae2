// velmar-service: the reference service the client's tests and demo talk to, on loopback.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "command_line.h"
#include "http_server.h"
#include "loopback_listener.h"
#include "seed_file.h"
#include "service.h"
#include "stop_signal.h"

namespace velmar::service {
namespace {

constexpr int kExitBadArguments = 2;
constexpr int kExitCannotListen = 3;
constexpr size_t kMaxSeedBytes = 16 * 1024 * 1024;

bool LoadSeed(const std::string& path, std::vector<Account>* accounts, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read the seed " + path;
    return false;
  }
  std::string text;
  char chunk[64 * 1024];
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
    text.append(chunk, static_cast<size_t>(file.gcount()));
    if (text.size() > kMaxSeedBytes) {
      *error = path + ": larger than 16 MiB";
      return false;
    }
  }
  if (!ParseSeed(text, accounts, error)) {
    *error = path + ": " + *error;
    return false;
  }
  return true;
}

int Run(int argc, char** argv) {
  CommandLine command_line;
  std::string error;
  if (!ParseCommandLine(argc, argv, &command_line, &error)) {
    std::cerr << "velmar-service: " << error << "\n" << kUsage << "\n";
    return kExitBadArguments;
  }
  std::vector<Account> accounts;
  if (!LoadSeed(command_line.seed_path, &accounts, &error)) {
    std::cerr << "velmar-service: " << error << "\n";
    return kExitBadArguments;
  }

  Service service(std::move(accounts), command_line.today);
  if (!command_line.log_path.empty() && !service.log().OpenFile(command_line.log_path, &error)) {
    std::cerr << "velmar-service: " << error << "\n";
    return kExitBadArguments;
  }

  StopSignal stop;
  if (!stop.ok()) {
    std::cerr << "velmar-service: cannot create the stop pipe\n";
    return kExitCannotListen;
  }
  stop.InstallSignalHandlers();

  LoopbackListener listener;
  if (!listener.Open(command_line.port, &error)) {
    std::cerr << "velmar-service: " << error << "\n";
    return kExitCannotListen;
  }
  // Whoever started the service waits for this line before sending its first request.
  std::printf("listening on 127.0.0.1:%d\n", listener.port());
  std::fflush(stdout);

  HttpServer server([&service](std::string_view method, std::string_view target) {
    return service.Handle(method, target);
  });
  server.Serve(listener.fd(), stop);
  return 0;
}

}  // namespace
}  // namespace velmar::service

int main(int argc, char** argv) { return velmar::service::Run(argc, argv); }
