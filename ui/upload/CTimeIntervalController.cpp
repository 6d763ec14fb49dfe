#include "CTimeIntervalController.h"

#include "CEntryCombo.h"
#include "CTimedAction.h"
#include "TListenedReference.h"
#include "UComboChoices.h"

#include <cstdlib>

CTimeIntervalController::CTimeIntervalController()
{
    mExpectedType = FourCharCode("tmda");
}

CTimeIntervalController::~CTimeIntervalController()
{
    RetargetListenedReference<CEntryCombo>(*this, m_interval, nullptr);
}

CTimedAction* CTimeIntervalController::GetAction() const
{
    return static_cast<CTimedAction*>(GetObjectA());
}

void CTimeIntervalController::SetControls(CEntryCombo* interval)
{
    RetargetListenedReference(*this, m_interval, interval);
}

CString CTimeIntervalController::GetIntervalText(int seconds)
{
    if (seconds == 0) return CString("-");
    CString text;
    text.Format("%d second", seconds);
    return text;
}

void CTimeIntervalController::PopulateIntervalCombo()
{
    if (!m_interval) return;
    m_interval->ResetContent();
    for (int seconds : {3, 4, 5, 6, 8, 10, 12, 15, 20, 30, 40, 60, 120}) {
        const int index = m_interval->AddString(GetIntervalText(seconds));
        m_interval->SetItemData(index, static_cast<DWORD_PTR>(seconds));
    }
}

void CTimeIntervalController::ReflectInterval()
{
    if (!GetAction() || !m_interval) return;
    const CString text = GetIntervalText(GetAction()->GetInterval());
    if (!UComboChoices::SelectExact(m_interval, text)) m_interval->SetWindowText(text);
}

void CTimeIntervalController::EnterInterval()
{
    CTimedAction* action = GetAction();
    if (!action || !m_interval) return;
    const int selected = m_interval->GetCurSel();
    if (selected < 0) return;
    const auto seconds = static_cast<unsigned short>(m_interval->GetItemData(selected));
    if (!action->SetInterval(seconds)) ReflectInterval();
}

void CTimeIntervalController::EnterIntervalByEdit()
{
    CTimedAction* action = GetAction();
    if (!action || !m_interval) return;
    CString text;
    m_interval->GetWindowText(text);
    // Leading digits count; a text without them is 0, which the record refuses.
    const unsigned long seconds = std::strtoul(text, nullptr, 10);
    action->SetInterval(static_cast<unsigned short>(seconds > 0xFFFF ? 0xFFFF : seconds));
    ReflectInterval();
}

void CTimeIntervalController::Refresh()
{
    PopulateIntervalCombo();
    ReflectInterval();
}

bool CTimeIntervalController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CTimedAction::kIntervalChangedNotice) {
        ReflectInterval();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}

bool CTimeIntervalController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && m_interval && p == m_interval->Identity()) {
        EnterIntervalByEdit();
        return true;
    }
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_interval, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
