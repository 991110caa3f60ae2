#include "api/report_call.h"

#include "api/request_core.h"

namespace api {

ReportOutcome ParseReportAnswer(platform::LineSource& lines) {
  std::string line;
  for (;;) {
    switch (lines.ReadLine(line)) {
      case platform::LineStatus::kLine:
        if (line == kTrueToken) return ReportOutcome::kAccepted;
        if (line == "FALSE") return ReportOutcome::kRefused;
        if (line == "FALSE2") return ReportOutcome::kIpRefused;
        break;
      case platform::LineStatus::kEnd:
        return ReportOutcome::kError;
      case platform::LineStatus::kFailed:
        return ReportOutcome::kUnreachable;
    }
  }
}

std::string ReportUrl(const std::string& host, const ReportRequest& request,
                      platform::CodePages& codepages, const std::string& computer_name,
                      const std::string& timestamp) {
  return BuildUrl(host, "api_blackip_add_exec.php",
                  {{"id", request.user_id},
                   {"pc", computer_name},
                   {"black_ip", request.ip},
                   {"content", AnsiToUtf8(codepages, request.note)},
                   {"rnd", timestamp}},
                  "&ver=V1.1");
}

ReportOutcome CallReport(platform::Platform& os, const std::string& host,
                         const ReportRequest& request) {
  RequestStamp stamp = TakeRequestStamp(os.kernel);
  std::string url = ReportUrl(host, request, os.codepages, stamp.computer_name, stamp.timestamp);
  ReportOutcome outcome = ReportOutcome::kUnreachable;
  PerformRequest(os, url, [&](platform::LineSource& lines) { outcome = ParseReportAnswer(lines); });
  return outcome;
}

}  // namespace api
