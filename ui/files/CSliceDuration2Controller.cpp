#include "CSliceDuration2Controller.h"

#include "CEntryField.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

CSliceDuration2Controller::CSliceDuration2Controller()
{
    mExpectedType = FourCharCode("sldu");
}

CSliceDuration2* CSliceDuration2Controller::GetSlice() const
{
    return static_cast<CSliceDuration2*>(GetObjectA());
}

void CSliceDuration2Controller::SetMoreControls(CButton* linkPrevious, CButton* linkNext)
{
    m_linkPrevious = linkPrevious;
    m_linkNext = linkNext;
    Refresh();
}

void CSliceDuration2Controller::EnterStartTime()
{
    CSliceDuration2* slice = GetSlice();
    if (slice && m_file && m_start && !m_file->SetStart(slice, FieldTime(m_start))) ReflectStartTime();
}

void CSliceDuration2Controller::EnterEndTime()
{
    CSliceDuration2* slice = GetSlice();
    if (slice && m_file && m_end && !m_file->SetEnd(slice, FieldTime(m_end))) ReflectEndTime();
}

void CSliceDuration2Controller::ReflectLinkPrevious()
{
    CSliceDuration2* slice = GetSlice();
    CSliceDuration2* previous = slice && m_file ? m_file->GetPrevious(slice) : nullptr;
    UWindowsUtils::ShowWindow(m_linkPrevious, previous != nullptr);
    if (previous) UWindowsUtils::SetCheck(m_linkPrevious, previous->GetLinkNext());
}

void CSliceDuration2Controller::ReflectLinkNext()
{
    CSliceDuration2* slice = GetSlice();
    const bool hasNext = slice && m_file && m_file->GetNext(slice);
    UWindowsUtils::ShowWindow(m_linkNext, hasNext);
    if (hasNext) UWindowsUtils::SetCheck(m_linkNext, slice->GetLinkNext());
}

void CSliceDuration2Controller::EnterLinkPrevious()
{
    if (GetSlice() && m_file && m_linkPrevious)
        m_file->SetLinkPrevious(GetSlice(), UWindowsUtils::GetCheck(m_linkPrevious));
    ReflectLinkPrevious();
}

void CSliceDuration2Controller::EnterLinkNext()
{
    if (GetSlice() && m_file && m_linkNext) m_file->SetLinkNext(GetSlice(), UWindowsUtils::GetCheck(m_linkNext));
    ReflectLinkNext();
}

void CSliceDuration2Controller::Refresh()
{
    CDuration2Controller::Refresh();
    ReflectLinkPrevious();
    ReflectLinkNext();
}

bool CSliceDuration2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CSliceDuration2::kLinkNextChangedNotice) {
        ReflectLinkNext();
        return true;
    }
    return CDuration2Controller::Respond(code, sender, a, b);
}
