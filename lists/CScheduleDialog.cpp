#include "CScheduleDialog.h"

#include "CPersistDateTime.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlDateTime.h"
#include "win32/controls/CtlMessages.h"

namespace {

struct DurationItem {
    const char* text;
    int hours;
    int minutes;
};

constexpr DurationItem kDurations[] = {
    {"1 Minute", 0, 1},   {"2 Minutes", 0, 2},  {"5 Minutes", 0, 5}, {"10 Minutes", 0, 10}, {"15 Minutes", 0, 15},
    {"30 Minutes", 0, 30}, {"1 Hour", 1, 0},     {"2 Hours", 2, 0},   {"3 Hours", 3, 0},     {"4 Hours", 4, 0},
};
constexpr int kInitialDuration = 6;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    constexpr DWORD box = BS_AUTOCHECKBOX | WS_TABSTOP;
    return U::Make("Schedule Recording", 230, 116,
                   {U::Item("Button", "Set Recording Start", CScheduleDialog::kStartBoxId, box, 7, 7, 120, 10),
                    U::Item("Static", "Date", -1, 0, 7, 22, 30, 8),
                    U::Item(DATETIMEPICK_CLASS, "", CScheduleDialog::kStartDateId, WS_TABSTOP, 40, 20, 80, 12),
                    U::Item("Static", "Time", -1, 0, 125, 22, 22, 8),
                    U::Item(DATETIMEPICK_CLASS, "", CScheduleDialog::kStartTimeId, DTS_TIMEFORMAT | WS_TABSTOP, 150, 20,
                            70, 12),
                    U::Item("Button", "Set Recording Stop", CScheduleDialog::kStopBoxId, box, 7, 40, 120, 10),
                    U::Item("Static", "Date", -1, 0, 7, 55, 30, 8),
                    U::Item(DATETIMEPICK_CLASS, "", CScheduleDialog::kStopDateId, WS_TABSTOP, 40, 53, 80, 12),
                    U::Item("Static", "Time", -1, 0, 125, 55, 22, 8),
                    U::Item(DATETIMEPICK_CLASS, "", CScheduleDialog::kStopTimeId, DTS_TIMEFORMAT | WS_TABSTOP, 150, 53,
                            70, 12),
                    U::Item("Static", "Duration", -1, 0, 7, 74, 30, 8),
                    U::Item("ComboBox", "", CScheduleDialog::kDurationId, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 40,
                            72, 80, 100),
                    U::Item("Button", "Set Stop Time", CScheduleDialog::kSetStopId, BS_PUSHBUTTON | WS_TABSTOP, 125, 71,
                            70, 14),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 116, 96, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 172, 96, 50, 14)});
}

CTime MomentOf(CPersistDateTime& moment)
{
    return CTime(moment.GetYear(), moment.GetMonth(), moment.GetDay(), moment.GetHour(), moment.GetMinute(),
                 moment.GetSecond());
}

} // namespace

BEGIN_MESSAGE_MAP(CScheduleDialog, CDialog)
    ON_BN_CLICKED(kStartBoxId, OnCheckStart)
    ON_BN_CLICKED(kStopBoxId, OnCheckStop)
    ON_BN_CLICKED(kSetStopId, OnButtonSetduration)
END_MESSAGE_MAP()

void CScheduleDialog::RegisterTemplate()
{
    UDialogTemplates::Register(IDD, MakeTemplate);
}

CScheduleDialog::CScheduleDialog(CWnd* parent) : CDialog((RegisterTemplate(), static_cast<UINT>(IDD)), parent)
{
}

bool CScheduleDialog::PromptSchedule(CScheduler& schedule, bool recordingRunning)
{
    CScheduleDialog dialog;
    dialog.SetSchedule(schedule);
    dialog.SetRecording(recordingRunning);
    if (dialog.DoModal() != IDOK)
        return false;
    schedule = dialog.GetSchedule();
    return true;
}

void CScheduleDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kStartBoxId, mStartBox);
    DDX_Control(dx, kStopBoxId, mStopBox);
    DDX_Control(dx, kStartDateId, mStartDate);
    DDX_Control(dx, kStartTimeId, mStartTime);
    DDX_Control(dx, kStopDateId, mStopDate);
    DDX_Control(dx, kStopTimeId, mStopTime);
    DDX_Control(dx, kDurationId, mDuration);
    DDX_Control(dx, kSetStopId, mSetStop);
}

BOOL CScheduleDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const DurationItem& item : kDurations)
        mDuration.AddString(item.text);
    SetInitialStart();
    SetInitialStop();
    mDuration.SetCurSel(kInitialDuration);
    return TRUE;
}

void CScheduleDialog::ShowPickers(CDateTimeCtrl& date, CDateTimeCtrl& time, const CTime& moment)
{
    SYSTEMTIME shown{};
    shown.wYear = static_cast<WORD>(moment.GetYear());
    shown.wMonth = static_cast<WORD>(moment.GetMonth());
    shown.wDay = static_cast<WORD>(moment.GetDay());
    shown.wHour = static_cast<WORD>(moment.GetHour());
    shown.wMinute = static_cast<WORD>(moment.GetMinute());
    shown.wSecond = static_cast<WORD>(moment.GetSecond());
    date.SetTime(&shown);
    time.SetTime(&shown);
}

CTime CScheduleDialog::ReadPickers(CDateTimeCtrl& date, CDateTimeCtrl& time)
{
    SYSTEMTIME day{};
    SYSTEMTIME clock{};
    date.GetTime(&day);
    time.GetTime(&clock);
    return CTime(day.wYear, day.wMonth, day.wDay, clock.wHour, clock.wMinute, clock.wSecond);
}

void CScheduleDialog::SetInitialStart()
{
    CTime start = MomentOf(mSchedule.GetStartTime());
    CTime now = CTime::GetCurrentTime();
    if (start < now) {
        // The start of the hour after the present one.
        CTime later = now + CTimeSpan(3600);
        start = later - CTimeSpan(later.GetMinute() * 60 + later.GetSecond());
    }
    ShowPickers(mStartDate, mStartTime, start);
    if (mRecording) {
        mStartBox.SetCheck(BST_UNCHECKED);
        mStartBox.EnableWindow(FALSE);
        mStartDate.EnableWindow(FALSE);
        mStartTime.EnableWindow(FALSE);
        return;
    }
    bool on = mSchedule.GetStartOn();
    mStartBox.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    mStartDate.EnableWindow(on);
    mStartTime.EnableWindow(on);
    mDuration.EnableWindow(on);
    mSetStop.EnableWindow(on);
}

void CScheduleDialog::SetInitialStop()
{
    CTime stop = MomentOf(mSchedule.GetStopTime());
    CTime start = GetStartTimeFromControl();
    if (start >= stop)
        stop = start + CTimeSpan(3600);
    ShowPickers(mStopDate, mStopTime, stop);
    bool on = mSchedule.GetStopOn();
    mStopBox.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    EnableStop(on);
}

void CScheduleDialog::EnableStop(bool on)
{
    mStopDate.EnableWindow(on);
    mStopTime.EnableWindow(on);
    mDuration.EnableWindow(on);
    mSetStop.EnableWindow(on);
}

CTime CScheduleDialog::GetStartTimeFromControl()
{
    return ReadPickers(mStartDate, mStartTime);
}

CTime CScheduleDialog::GetStopTimeFromControl()
{
    return ReadPickers(mStopDate, mStopTime);
}

void CScheduleDialog::OnCheckStart()
{
    bool on = mStartBox.GetCheck() == BST_CHECKED;
    mStartDate.EnableWindow(on);
    mStartTime.EnableWindow(on);
}

void CScheduleDialog::OnCheckStop()
{
    EnableStop(mStopBox.GetCheck() == BST_CHECKED);
}

void CScheduleDialog::OnButtonSetduration()
{
    int selected = mDuration.GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(std::size(kDurations)))
        return;
    const DurationItem& item = kDurations[selected];
    CTime stop = GetStartTimeFromControl() + CTimeSpan(item.hours * 3600 + item.minutes * 60);
    ShowPickers(mStopDate, mStopTime, stop);
}

void CScheduleDialog::TakeMoment(CPersistDateTime& target, const CTime& moment)
{
    target.SetYear(static_cast<unsigned short>(moment.GetYear()));
    target.SetMonth(static_cast<unsigned char>(moment.GetMonth()));
    target.SetDay(static_cast<unsigned char>(moment.GetDay()));
    target.SetHour(static_cast<unsigned short>(moment.GetHour()));
    target.SetMinute(static_cast<unsigned char>(moment.GetMinute()));
    target.SetSecond(static_cast<unsigned char>(moment.GetSecond()));
}

bool CScheduleDialog::ValidateSchedule()
{
    bool startOn = mStartBox.GetCheck() == BST_CHECKED;
    bool stopOn = mStopBox.GetCheck() == BST_CHECKED;
    mSchedule.SetStartOn(startOn);
    mSchedule.SetStopOn(stopOn);
    CTime start = GetStartTimeFromControl();
    CTime stop = GetStopTimeFromControl();
    TakeMoment(mSchedule.GetStartTime(), start);
    TakeMoment(mSchedule.GetStopTime(), stop);
    CTime now = CTime::GetCurrentTime();
    if (startOn) {
        if (start <= now) {
            AfxMessageBox("Error, the start time already passed");
            return false;
        }
        if (stopOn && stop <= start) {
            AfxMessageBox("Error, the stop time is set to be before or same as the start time.");
            return false;
        }
    } else if (stopOn && stop <= now) {
        AfxMessageBox("Error, the stop time already passed");
        return false;
    }
    return true;
}

void CScheduleDialog::OnOK()
{
    if (ValidateSchedule())
        CDialog::OnOK();
}
