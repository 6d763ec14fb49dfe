#include "UProgressDisplay.h"
#include "CWindowsProgressAction.h"
#include "UTimecodeUtils.h"
#include "UWindowsUtils.h"
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {

constexpr int kTexts[] = {UProgressDisplay::kMainText,   UProgressDisplay::kMainElapsed,
                          UProgressDisplay::kMainLeft,   UProgressDisplay::kDetailText,
                          UProgressDisplay::kDetailElapsed, UProgressDisplay::kDetailLeft};

// Whole seconds; a negative or absurd time reads as 0 instead of wrapping.
ULONG Seconds(double seconds)
{
    return seconds >= 0 && seconds < 4294967295.0 ? static_cast<ULONG>(seconds) : 0;
}

int Percent(double progress)
{
    double percent = progress * 100 + 0.5;
    return percent <= 0 ? 0 : percent >= 100 ? 100 : static_cast<int>(percent);
}

// Before a whole second has passed the estimate has nothing to go on and reads 0.
CString TimeLeft(double progress, double passed, double estimate)
{
    if (progress < 0.01 || passed < 1) return CString();
    return CString("Estimated time left: ") + UTimecodeUtils::FullFormat(Seconds(estimate));
}

void SetBar(CWnd* host, int id, int percent)
{
    if (CWnd* bar = host->GetDlgItem(id)) bar->SendMessage(PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

} // namespace

std::vector<MvDialogItem> UProgressDisplay::Items(short y)
{
    using U = UDialogTemplates;
    return {U::Item("Static", "", kMainText, SS_LEFTNOWORDWRAP, 7, y, 226, 9),
            U::Item(PROGRESS_CLASS, "", kMainBar, WS_BORDER, 7, static_cast<short>(y + 11), 226, 10),
            U::Item("Static", "", kMainElapsed, 0, 7, static_cast<short>(y + 23), 60, 9),
            U::Item("Static", "", kMainLeft, SS_RIGHT, 73, static_cast<short>(y + 23), 160, 9),
            U::Item("Static", "", kDetailText, SS_LEFTNOWORDWRAP, 7, static_cast<short>(y + 38), 226, 9),
            U::Item(PROGRESS_CLASS, "", kDetailBar, WS_BORDER, 7, static_cast<short>(y + 49), 226, 10),
            U::Item("Static", "", kDetailElapsed, 0, 7, static_cast<short>(y + 61), 60, 9),
            U::Item("Static", "", kDetailLeft, SS_RIGHT, 73, static_cast<short>(y + 61), 160, 9)};
}

void UProgressDisplay::Clear(CWnd* host)
{
    if (!host) return;
    for (int id : kTexts) UWindowsUtils::SetWindowTextA(host->GetDlgItem(id), "");
    for (int id : {kMainBar, kDetailBar})
        if (CWnd* bar = host->GetDlgItem(id)) bar->SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    UWindowsUtils::ShowWindow(host->GetDlgItem(kDetailText), false);
    UWindowsUtils::ShowWindow(host->GetDlgItem(kDetailBar), false);
}

void UProgressDisplay::Update(CWnd* host, CWindowsProgressAction* action)
{
    if (!host || !action) return;
    UWindowsUtils::SetWindowTextA(host->GetDlgItem(kMainText), action->GetText());
    const double passed = action->GetPassedTime();
    UWindowsUtils::SetWindowTextA(host->GetDlgItem(kMainElapsed), UTimecodeUtils::FormatTime(Seconds(passed)));
    double estimate = action->GetEstimateTime();
    double progress = action->GetProgress();
    UWindowsUtils::SetWindowTextA(host->GetDlgItem(kMainLeft), TimeLeft(progress, passed, estimate));
    SetBar(host, kMainBar, Percent(progress));

    double detailProgress = 0;
    const char* detail = action->GetDetail(detailProgress);
    bool hasDetail = detail != nullptr;
    UWindowsUtils::ShowWindow(host->GetDlgItem(kDetailText), hasDetail);
    UWindowsUtils::ShowWindow(host->GetDlgItem(kDetailBar), hasDetail);
    if (!hasDetail) {
        for (int id : {kDetailText, kDetailElapsed, kDetailLeft})
            UWindowsUtils::SetWindowTextA(host->GetDlgItem(id), "");
        SetBar(host, kDetailBar, 0);
        return;
    }
    // The texts come from a rotating buffer: copy before the next call reuses it.
    CString detailText = detail;
    UWindowsUtils::SetWindowTextA(host->GetDlgItem(kDetailText), detailText);
    const double detailPassed = action->GetDetailPassedTime();
    UWindowsUtils::SetWindowTextA(host->GetDlgItem(kDetailElapsed), UTimecodeUtils::FormatTime(Seconds(detailPassed)));
    UWindowsUtils::SetWindowTextA(host->GetDlgItem(kDetailLeft),
                                  TimeLeft(detailProgress, detailPassed, action->GetDetailEstimateTime()));
    SetBar(host, kDetailBar, Percent(detailProgress));
}
