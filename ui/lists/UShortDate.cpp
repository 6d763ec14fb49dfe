#include "UShortDate.h"

#include <ctime>
#include <locale.h>

CString UShortDate::Format(int year, int month, int day)
{
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_isdst = -1;
    // The time part stays zero.
    char text[64] = {};
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (!locale) locale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
    if (locale) {
        strftime_l(text, sizeof text, "%x", &date, locale);
        freelocale(locale);
    }
    return text;
}
