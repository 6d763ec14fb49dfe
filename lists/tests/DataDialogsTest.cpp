#include "CDataPropertiesDialog.h"
#include "CPersistDateTime.h"
#include "CPropertyValue.h"
#include "CScheduleDialog.h"
#include "afx/controls/CListCtrl.h"
#include "afx/kernel/CTime.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlDateTime.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CTime Shown(HWND dialog, int dateId, int timeId)
{
    const SYSTEMTIME& day = CtlModelAs<CtlDateTime>(::GetDlgItem(dialog, dateId))->Time();
    const SYSTEMTIME& clock = CtlModelAs<CtlDateTime>(::GetDlgItem(dialog, timeId))->Time();
    return CTime(day.wYear, day.wMonth, day.wDay, clock.wHour, clock.wMinute, clock.wSecond);
}

void Pick(HWND dialog, int dateId, int timeId, const CTime& moment)
{
    SYSTEMTIME t{};
    t.wYear = WORD(moment.GetYear());
    t.wMonth = WORD(moment.GetMonth());
    t.wDay = WORD(moment.GetDay());
    t.wHour = WORD(moment.GetHour());
    t.wMinute = WORD(moment.GetMinute());
    t.wSecond = WORD(moment.GetSecond());
    CtlModelAs<CtlDateTime>(::GetDlgItem(dialog, dateId))->UserPick(t);
    CtlModelAs<CtlDateTime>(::GetDlgItem(dialog, timeId))->UserPick(t);
}

void Click(HWND dialog, int id)
{
    CtlModelAs<CtlButton>(::GetDlgItem(dialog, id))->UserClick();
}

bool Checked(HWND dialog, int id)
{
    return ::SendMessageA(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetMoment(CPersistDateTime& target, const CTime& moment)
{
    target.SetYear(WORD(moment.GetYear()));
    target.SetMonth(BYTE(moment.GetMonth()));
    target.SetDay(BYTE(moment.GetDay()));
    target.SetHour(WORD(moment.GetHour()));
    target.SetMinute(BYTE(moment.GetMinute()));
    target.SetSecond(BYTE(moment.GetSecond()));
}

CTime Moment(CPersistDateTime& moment)
{
    return CTime(moment.GetYear(), moment.GetMonth(), moment.GetDay(), moment.GetHour(), moment.GetMinute(),
                 moment.GetSecond());
}

std::vector<std::string> ShownBoxes()
{
    std::vector<std::string> texts;
    for (const auto& box : MvTakeShownMessageBoxes()) texts.push_back(box.text);
    return texts;
}

TEST(ScheduleDialog, APastStartOpensAtTheNextHourAndCancelKeepsTheSchedule)
{
    CScheduler schedule;
    SetMoment(schedule.GetStartTime(), CTime::GetCurrentTime() - CTimeSpan(2 * 86400));
    schedule.SetStartOn(true);
    CTime shownStart;
    CTime shownStop;
    std::string caption;
    int duration = -1;
    MvScriptModal([&](HWND h) {
        char text[64] = {};
        ::GetWindowTextA(h, text, sizeof text);
        caption = text;
        shownStart = Shown(h, CScheduleDialog::kStartDateId, CScheduleDialog::kStartTimeId);
        shownStop = Shown(h, CScheduleDialog::kStopDateId, CScheduleDialog::kStopTimeId);
        duration = int(::SendMessageA(::GetDlgItem(h, CScheduleDialog::kDurationId), CB_GETCURSEL, 0, 0));
        EXPECT_TRUE(Checked(h, CScheduleDialog::kStartBoxId));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(h, CScheduleDialog::kStartDateId)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(h, CScheduleDialog::kStopDateId))) << "stop is off";
        Click(h, IDCANCEL);
    });
    CScheduler before = schedule;
    EXPECT_FALSE(CScheduleDialog::PromptSchedule(schedule, false));
    EXPECT_EQ(caption, "Schedule Recording");
    CTime later = CTime::GetCurrentTime() + CTimeSpan(3600);
    CTime nextHour = later - CTimeSpan(later.GetMinute() * 60 + later.GetSecond());
    EXPECT_EQ(shownStart, nextHour);
    EXPECT_EQ(shownStop, nextHour + CTimeSpan(3600)) << "a stop not after the start moves an hour past it";
    EXPECT_EQ(duration, 6);
    EXPECT_EQ(Moment(schedule.GetStartTime()), Moment(before.GetStartTime()));
}

TEST(ScheduleDialog, AStopAtTheStartIsRefusedUntilTheDurationButtonMovesIt)
{
    CScheduler schedule;
    CTime start = CTime::GetCurrentTime() + CTimeSpan(86400);
    MvScriptModal([&](HWND h) {
        Click(h, CScheduleDialog::kStartBoxId);
        Click(h, CScheduleDialog::kStopBoxId);
        Pick(h, CScheduleDialog::kStartDateId, CScheduleDialog::kStartTimeId, start);
        Pick(h, CScheduleDialog::kStopDateId, CScheduleDialog::kStopTimeId, start);
        Click(h, IDOK);
        EXPECT_TRUE(::IsWindow(h)) << "the dialog stays open";
        EXPECT_EQ(ShownBoxes(),
                  (std::vector<std::string>{"Error, the stop time is set to be before or same as the start time."}));
        CtlModelAs<CtlComboBox>(::GetDlgItem(h, CScheduleDialog::kDurationId))->UserPick(7);
        Click(h, CScheduleDialog::kSetStopId);
        EXPECT_EQ(Shown(h, CScheduleDialog::kStopDateId, CScheduleDialog::kStopTimeId), start + CTimeSpan(2 * 3600));
        Click(h, IDOK);
    });
    MvTakeShownMessageBoxes();
    EXPECT_TRUE(CScheduleDialog::PromptSchedule(schedule, false));
    EXPECT_TRUE(schedule.GetStartOn());
    EXPECT_TRUE(schedule.GetStopOn());
    EXPECT_EQ(Moment(schedule.GetStartTime()), start);
    EXPECT_EQ(Moment(schedule.GetStopTime()), start + CTimeSpan(2 * 3600));
    EXPECT_TRUE(ShownBoxes().empty());
}

TEST(ScheduleDialog, PastTimesAreRefusedOnlyWhereTheyAreSwitchedOn)
{
    CTime past = CTime::GetCurrentTime() - CTimeSpan(600);
    CScheduler schedule;
    // Both off: any times will do.
    MvScriptModal([&](HWND h) {
        Pick(h, CScheduleDialog::kStopDateId, CScheduleDialog::kStopTimeId, past);
        Click(h, IDOK);
    });
    MvTakeShownMessageBoxes();
    EXPECT_TRUE(CScheduleDialog::PromptSchedule(schedule, false));
    EXPECT_TRUE(ShownBoxes().empty());
    EXPECT_FALSE(schedule.GetStartOn());
    EXPECT_FALSE(schedule.GetStopOn());

    // A start in the past, then (start off) a stop in the past.
    MvScriptModal([&](HWND h) {
        Click(h, CScheduleDialog::kStartBoxId);
        Pick(h, CScheduleDialog::kStartDateId, CScheduleDialog::kStartTimeId, past);
        Click(h, IDOK);
        Click(h, CScheduleDialog::kStartBoxId);
        Click(h, CScheduleDialog::kStopBoxId);
        Pick(h, CScheduleDialog::kStopDateId, CScheduleDialog::kStopTimeId, past);
        Click(h, IDOK);
        Click(h, IDCANCEL);
    });
    EXPECT_FALSE(CScheduleDialog::PromptSchedule(schedule, false));
    EXPECT_EQ(ShownBoxes(), (std::vector<std::string>{"Error, the start time already passed",
                                                      "Error, the stop time already passed"}));
}

TEST(ScheduleDialog, WhileRecordingTheStartIsOffAndLocked)
{
    CScheduler schedule;
    schedule.SetStartOn(true);
    schedule.SetStopOn(true);
    SetMoment(schedule.GetStopTime(), CTime::GetCurrentTime() + CTimeSpan(7200));
    MvScriptModal([&](HWND h) {
        EXPECT_FALSE(Checked(h, CScheduleDialog::kStartBoxId));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(h, CScheduleDialog::kStartBoxId)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(h, CScheduleDialog::kStartTimeId)));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(h, CScheduleDialog::kStopTimeId)));
        Click(h, IDOK);
    });
    MvTakeShownMessageBoxes();
    EXPECT_TRUE(CScheduleDialog::PromptSchedule(schedule, true));
    EXPECT_FALSE(schedule.GetStartOn());
    EXPECT_TRUE(schedule.GetStopOn());
}

TEST(DataPropertiesDialog, ShowsEachPropertyAsANameAndAValue)
{
    CDataPropertiesDialog dialog;
    dialog.GetProperties().AddProperty("Width", "640");
    dialog.GetProperties().AddProperty("Codec", "");
    std::vector<std::string> rows;
    std::vector<std::string> headers;
    std::string caption;
    MvScriptModal([&](HWND h) {
        char text[64] = {};
        ::GetWindowTextA(h, text, sizeof text);
        caption = text;
        auto* list = static_cast<CListCtrl*>(CWnd::FromHandle(::GetDlgItem(h, CDataPropertiesDialog::kListId)));
        for (int i = 0; i < list->GetItemCount(); ++i)
            rows.push_back(std::string(list->GetItemText(i, 0)) + "|" + std::string(list->GetItemText(i, 1)));
        for (int c = 0; c < 2; ++c) {
            char name[32] = {};
            LVCOLUMN column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = name;
            column.cchTextMax = sizeof name;
            list->GetColumn(c, &column);
            headers.push_back(std::string(name) + ":" + std::to_string(column.cx));
        }
        // A value's own change notice is not the changed-object notice: the row keeps its text.
        dialog.GetProperties().GetValue(0)->SetValue("720");
        rows.push_back(std::string(list->GetItemText(0, 1)));
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(caption, "Properties");
    EXPECT_EQ(headers, (std::vector<std::string>{"Property:80", "Value:160"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"Width|640", "Codec|", "640"}));
    CPropertyValue* value = dialog.GetProperties().GetValue(0);
    EXPECT_STREQ(dialog.GetListControl().GetObjectText(value, 2, false), "Error");
    EXPECT_STREQ(dialog.GetListControl().GetObjectText(value, 1, false), "720");
}

} // namespace
