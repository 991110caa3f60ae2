#include "civil_date.h"

#include <cstdio>
#include <ctime>

namespace velmar::service {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool IsCalendarDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (!IsDigit(text[i])) return false;
  }
  const int year = Number(text.substr(0, 4));
  const int month = Number(text.substr(5, 2));
  const int day = Number(text.substr(8, 2));
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

std::string LocalDateToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[40];  // room for any int the fields could hold
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  return text;
}

}  // namespace velmar::service
