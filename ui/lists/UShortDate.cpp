#include "UShortDate.h"

#include <clocale>
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
    locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (user) {
        strftime_l(text, sizeof text, "%x", &date, user);
        freelocale(user);
    } else {
        std::strftime(text, sizeof text, "%x", &date);
    }
    return text;
}
