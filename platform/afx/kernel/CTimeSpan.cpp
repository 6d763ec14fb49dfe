#include "afx/kernel/CTimeSpan.h"

CString CTimeSpan::Format(const char* format) const
{
    CString out;
    for (const char* p = format ? format : ""; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
            continue;
        }
        switch (*++p) {
        case 'D': out.AppendFormat("%lld", static_cast<long long>(GetDays())); break;
        case 'H': out.AppendFormat("%02ld", static_cast<long>(GetHours())); break;
        case 'M': out.AppendFormat("%02ld", static_cast<long>(GetMinutes())); break;
        case 'S': out.AppendFormat("%02ld", static_cast<long>(GetSeconds())); break;
        case '%': out += '%'; break;
        default: out += '%'; out += *p; break;
        }
    }
    return out;
}
