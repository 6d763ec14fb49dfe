#include "CTargetPlatformNotesController.h"

#include "CTargetPlatform.h"
#include "UFieldValues.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CStatic.h"

CTargetPlatformNotesController::CTargetPlatformNotesController()
{
    mExpectedType = FourCharCode("tpla");
}

CTargetPlatform* CTargetPlatformNotesController::GetPlatform() const
{
    return static_cast<CTargetPlatform*>(GetObjectA());
}

void CTargetPlatformNotesController::ReflectNotes()
{
    if (GetPlatform()) UWindowsUtils::SetWindowTextA(m_notes, GetPlatform()->GetNotes());
}

void CTargetPlatformNotesController::EnterNotes()
{
    if (!GetPlatform() || !m_notes) return;
    if (!GetPlatform()->SetNotes(UFieldValues::GetText(m_notes))) ReflectNotes();
}

void CTargetPlatformNotesController::Refresh()
{
    ReflectNotes();
}

char* CTargetPlatformNotesController::GetText()
{
    return UStringBuffer::Text(kSummary);
}

bool CTargetPlatformNotesController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CTargetPlatform::kNotesChangedNotice) {
        ReflectNotes();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
