#include "CDuration2Controller.h"

#include "CDuration.h"
#include "CEntryField.h"
#include "TListenedReference.h"
#include "UTimecodeUtils.h"
#include "UWindowsUtils.h"

CDuration2Controller::CDuration2Controller()
{
    mExpectedType = FourCharCode("dura");
}

CDuration2Controller::~CDuration2Controller()
{
    RetargetListenedReference<CEntryField>(*this, m_start, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_end, nullptr);
}

CDuration* CDuration2Controller::GetDuration() const
{
    return static_cast<CDuration*>(GetObjectA());
}

void CDuration2Controller::SetControls(CEntryField* start, CEntryField* end)
{
    RetargetListenedReference(*this, m_start, start);
    RetargetListenedReference(*this, m_end, end);
    Refresh();
}

double CDuration2Controller::FieldTime(CEntryField* field)
{
    CString text;
    field->GetWindowText(text);
    return UTimecodeUtils::Parse(text);
}

void CDuration2Controller::ReflectStartTime()
{
    UWindowsUtils::EnableWindow(m_start, true);
    UWindowsUtils::SetWindowTextA(m_start, GetDuration() ? UTimecodeUtils::Format(GetDuration()->GetStart()) : "");
}

void CDuration2Controller::ReflectEndTime()
{
    UWindowsUtils::EnableWindow(m_end, true);
    UWindowsUtils::SetWindowTextA(m_end, GetDuration() ? UTimecodeUtils::Format(GetDuration()->GetEnd()) : "");
}

void CDuration2Controller::EnterStartTime()
{
    if (GetDuration() && m_start && !GetDuration()->SetStart(FieldTime(m_start))) ReflectStartTime();
}

void CDuration2Controller::EnterEndTime()
{
    if (GetDuration() && m_end && !GetDuration()->SetEnd(FieldTime(m_end))) ReflectEndTime();
}

void CDuration2Controller::Refresh()
{
    ReflectStartTime();
    ReflectEndTime();
}

bool CDuration2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CDuration::kStartChangedNotice: ReflectStartTime(); return true;
    case CDuration::kEndChangedNotice: ReflectEndTime(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CDuration2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_start && p == m_start->Identity()) {
            EnterStartTime();
            return true;
        }
        if (m_end && p == m_end->Identity()) {
            EnterEndTime();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_start, p);
        ForgetDyingReference(m_end, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
