// The bad-IP report call: one IP reported with the user's note.
#pragma once

#include <string>

#include "platform/line_reader.h"
#include "platform/platform.h"

namespace api {

enum class ReportOutcome {
  kAccepted,     // first decisive line "TRUE"
  kRefused,      // first decisive line "FALSE"
  kIpRefused,    // first decisive line "FALSE2"
  kError,        // the answer ended without a decisive line
  kUnreachable,  // the URL could not be opened, or the transport failed while reading
};

struct ReportRequest {
  std::string user_id;
  std::string ip;
  std::string note;  // CP949, as typed
};

ReportOutcome ParseReportAnswer(platform::LineSource& lines);

// The note travels as UTF-8, URL-encoded.
std::string ReportUrl(const std::string& host, const ReportRequest& request,
                      platform::CodePages& codepages, const std::string& computer_name,
                      const std::string& timestamp);

// Runs on a worker thread.
ReportOutcome CallReport(platform::Platform& os, const std::string& host,
                         const ReportRequest& request);

}  // namespace api
