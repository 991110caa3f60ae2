#include "web_pages.h"

// The pages hold Korean text. The build turns ordinary narrow literals into CP949, but u8
// literals are always UTF-8, which is what the pages declare; this check keeps it that way.
static_assert(u8"가"[0] == '\xEA' && u8"가"[1] == '\xB0' && u8"가"[2] == '\x80',
              "u8 literals must be UTF-8");

namespace velmar::service {
namespace {

std::string Page(const char* title, const char* style, const char* body) {
  std::string page = "<!DOCTYPE html>\n<html lang=\"ko\">\n<head>\n<meta charset=\"utf-8\">\n";
  page.append("<title>").append(title).append("</title>\n");
  page.append("<style>").append(style).append("</style>\n</head>\n<body>\n");
  page.append(body);
  page.append("</body>\n</html>\n");
  return page;
}

}  // namespace

std::string BannerPage() {
  return Page(u8"배너",
              "body{margin:0;background:#1d2433;color:#e8ecf4;font:13px sans-serif;}"
              ".banner{padding:10px 14px;}.banner b{color:#7fc4ff;}",
              u8"<div class=\"banner\"><b>velmarVPN 전용 IP</b><br>"
              u8"고정 IP를 더 빠르고 안전하게 이용하세요.</div>\n");
}

std::string NoticeBoardPage() {
  return Page(u8"공지사항",
              "body{margin:0;font:12px sans-serif;}ul{margin:2px 6px;padding:0;list-style:none;}"
              "li{padding:2px 0;border-bottom:1px solid #ddd;}.date{color:#888;float:right;}",
              u8"<ul class=\"notices\">\n"
              u8"<li><span class=\"date\">2024-05-02</span>서버 점검 안내</li>\n"
              u8"<li><span class=\"date\">2024-04-15</span>새 버전이 나왔습니다</li>\n"
              u8"</ul>\n");
}

}  // namespace velmar::service
