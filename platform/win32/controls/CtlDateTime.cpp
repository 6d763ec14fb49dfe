#include "win32/controls/CtlDateTime.h"

#include "win32/controls/CtlWindow.h"
#include "win32/kernel/KernelTime.h"

namespace {

SYSTEMTIME Now()
{
    SYSTEMTIME time{};
    GetLocalTime(&time);
    time.wMilliseconds = 0;
    return time;
}

bool Plausible(const SYSTEMTIME& time)
{
    return time.wMonth >= 1 && time.wMonth <= 12 && time.wDay >= 1 && time.wDay <= 31 && time.wHour < 24 &&
           time.wMinute < 60 && time.wSecond < 60;
}

const bool kRegistered = CtlRegisterClass(DATETIMEPICK_CLASS, [](const CREATESTRUCTA& create) -> CtlModel* {
    return new CtlDateTime(static_cast<DWORD>(create.style));
});

} // namespace

CtlDateTime::CtlDateTime(DWORD style) : CtlModel(style), m_time(Now())
{
}

LRESULT CtlDateTime::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case DTM_GETSYSTEMTIME:
        if (auto* out = reinterpret_cast<SYSTEMTIME*>(lParam)) {
            *out = m_time;
            return GDT_VALID;
        }
        return GDT_ERROR;
    case DTM_SETSYSTEMTIME: {
        auto* in = reinterpret_cast<const SYSTEMTIME*>(lParam);
        if (wParam != GDT_VALID || !in || !Plausible(*in))
            return FALSE;
        m_time = *in;
        m_time.wMilliseconds = 0;
        Changed();
        return TRUE;
    }
    }
    handled = false;
    return 0;
}

void CtlDateTime::UserPick(const SYSTEMTIME& time)
{
    if (!Plausible(time))
        return;
    if ((Style() & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) {
        m_time.wHour = time.wHour;
        m_time.wMinute = time.wMinute;
        m_time.wSecond = time.wSecond;
    } else {
        m_time.wYear = time.wYear;
        m_time.wMonth = time.wMonth;
        m_time.wDay = time.wDay;
        m_time.wDayOfWeek = time.wDayOfWeek;
    }
    Changed();
    NMDATETIMECHANGE notice{};
    notice.dwFlags = GDT_VALID;
    notice.st = m_time;
    Notify(notice.nmhdr, DTN_DATETIMECHANGE);
}
