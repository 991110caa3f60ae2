#pragma once

#include <string>
#include <string_view>

namespace velmar::service {

// True for a YYYY-MM-DD text that names a real day of the Gregorian calendar. Valid texts order
// as strings the way their days order in time, which is how expiry dates are compared.
bool IsCalendarDate(std::string_view text);

// The current day on the local clock, as YYYY-MM-DD.
std::string LocalDateToday();

}  // namespace velmar::service
