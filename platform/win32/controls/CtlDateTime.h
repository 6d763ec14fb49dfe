#pragma once
// The date and time picker: one moment, shown as a date or (DTS_TIMEFORMAT) a time of day.
#include "win32/controls/CtlModel.h"

#define DATETIMEPICK_CLASSA "SysDateTimePick32"
#define DATETIMEPICK_CLASS DATETIMEPICK_CLASSA
#define DTS_SHORTDATEFORMAT 0x0000
#define DTS_UPDOWN 0x0001
#define DTS_SHOWNONE 0x0002
#define DTS_LONGDATEFORMAT 0x0004
#define DTS_TIMEFORMAT 0x0009
#define DTM_FIRST 0x1000
#define DTM_GETSYSTEMTIME (DTM_FIRST + 1)
#define DTM_SETSYSTEMTIME (DTM_FIRST + 2)
#define GDT_ERROR (-1)
#define GDT_VALID 0
#define GDT_NONE 1
#define DTN_FIRST (0U - 760U)
#define DTN_DATETIMECHANGE (DTN_FIRST + 1)

struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags;
    SYSTEMTIME st;
};

class CtlDateTime : public CtlModel {
public:
    explicit CtlDateTime(DWORD style = 0);

    const SYSTEMTIME& Time() const { return m_time; }
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    // A user's pick: the shown part (date, or time of day with DTS_TIMEFORMAT) takes the
    // given moment's, and the parent hears DTN_DATETIMECHANGE.
    void UserPick(const SYSTEMTIME& time);

private:
    SYSTEMTIME m_time{};
};
