#include "CAppControlController.h"

#include "CAppControl.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"

CAppControlController::CAppControlController()
{
    mExpectedType = FourCharCode("hotk");
}

CAppControl* CAppControlController::GetAppControl() const
{
    return static_cast<CAppControl*>(GetObjectA());
}

void CAppControlController::SetControls(CButton* minimize)
{
    m_minimize = minimize;
}

void CAppControlController::ReflectMinimize()
{
    if (GetAppControl()) UWindowsUtils::SetCheck(m_minimize, GetAppControl()->GetMinimize());
}

void CAppControlController::EnterMinimize()
{
    if (GetAppControl() && m_minimize && !GetAppControl()->SetMinimize(UWindowsUtils::GetCheck(m_minimize)))
        ReflectMinimize();
}

void CAppControlController::Refresh()
{
    ReflectMinimize();
}

char* CAppControlController::GetText()
{
    return UStringBuffer::Text(GetAppControl() && GetAppControl()->GetMinimize() ? "Minimize" : "");
}

bool CAppControlController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CAppControl::kMinimizeChangedNotice) {
        ReflectMinimize();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
