#pragma once

#include <string>

namespace velmar::service {

// The two pages the client shows in its web panels, as UTF-8 HTML.
std::string BannerPage();
std::string NoticeBoardPage();

}  // namespace velmar::service
