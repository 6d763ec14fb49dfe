#include "CVideoCropController.h"

#include "CEntryField.h"
#include "CVideoTrack.h"
#include "TListenedReference.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"

#include <cstdio>
#include <cstdlib>

namespace {
unsigned short FieldNumber(CEntryField* field)
{
    CString text;
    field->GetWindowText(text);
    const long value = std::atol(text);
    return static_cast<unsigned short>(value < 0 ? 0 : value > 65535 ? 65535 : value);
}
} // namespace

CVideoCropController::CVideoCropController()
{
    mExpectedType = FourCharCode("vtrk");
}

CVideoCropController::~CVideoCropController()
{
    for (CEntryField** field : {&m_left, &m_top, &m_right, &m_bottom})
        RetargetListenedReference<CEntryField>(*this, *field, nullptr);
}

CVideoTrack* CVideoCropController::GetTrack() const
{
    return static_cast<CVideoTrack*>(GetObjectA());
}

void CVideoCropController::SetControls(CEntryField* left, CEntryField* top, CEntryField* right, CEntryField* bottom)
{
    RetargetListenedReference(*this, m_left, left);
    RetargetListenedReference(*this, m_top, top);
    RetargetListenedReference(*this, m_right, right);
    RetargetListenedReference(*this, m_bottom, bottom);
}

void CVideoCropController::ReflectLeft()
{
    if (GetTrack()) UWindowsUtils::SetWindowTextA(m_left, static_cast<int>(GetTrack()->GetCropLeft()));
}

void CVideoCropController::ReflectTop()
{
    if (GetTrack()) UWindowsUtils::SetWindowTextA(m_top, static_cast<int>(GetTrack()->GetCropTop()));
}

void CVideoCropController::ReflectRight()
{
    if (GetTrack()) UWindowsUtils::SetWindowTextA(m_right, static_cast<int>(GetTrack()->GetCropRight()));
}

void CVideoCropController::ReflectBottom()
{
    if (GetTrack()) UWindowsUtils::SetWindowTextA(m_bottom, static_cast<int>(GetTrack()->GetCropBottom()));
}

void CVideoCropController::EnterLeft()
{
    if (GetTrack() && m_left && !GetTrack()->SetCropLeft(FieldNumber(m_left))) ReflectLeft();
}

void CVideoCropController::EnterTop()
{
    if (GetTrack() && m_top && !GetTrack()->SetCropTop(FieldNumber(m_top))) ReflectTop();
}

void CVideoCropController::EnterRight()
{
    if (GetTrack() && m_right && !GetTrack()->SetCropRight(FieldNumber(m_right))) ReflectRight();
}

void CVideoCropController::EnterBottom()
{
    if (GetTrack() && m_bottom && !GetTrack()->SetCropBottom(FieldNumber(m_bottom))) ReflectBottom();
}

void CVideoCropController::ResetCrop()
{
    if (GetTrack()) GetTrack()->ResetCrop();
}

void CVideoCropController::Refresh()
{
    ReflectLeft();
    ReflectTop();
    ReflectRight();
    ReflectBottom();
}

char* CVideoCropController::GetText()
{
    CVideoTrack* track = GetTrack();
    if (!track) return UStringBuffer::Text("");
    const int left = track->GetCropLeft();
    const int top = track->GetCropTop();
    const int right = track->GetCropRight();
    const int bottom = track->GetCropBottom();
    const CVideoInfo2& info = track->GetVideoInfo();
    const bool whole = left == 0 && top == 0 && right == info.GetWidth() && bottom == info.GetHeight();
    if (right == 0 || bottom == 0 || whole) return UStringBuffer::Text("");
    char text[80];
    std::snprintf(text, sizeof text, "Cropping %d, %d, %d, %d", left, top, right, bottom);
    return UStringBuffer::Text(text);
}

bool CVideoCropController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CVideoTrack::kCropLeftChangedNotice: ReflectLeft(); return true;
    case CVideoTrack::kCropTopChangedNotice: ReflectTop(); return true;
    case CVideoTrack::kCropRightChangedNotice: ReflectRight(); return true;
    case CVideoTrack::kCropBottomChangedNotice: ReflectBottom(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CVideoCropController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        struct Entry {
            CEntryField* field;
            void (CVideoCropController::*enter)();
        };
        for (Entry entry : {Entry{m_left, &CVideoCropController::EnterLeft}, Entry{m_top, &CVideoCropController::EnterTop},
                            Entry{m_right, &CVideoCropController::EnterRight},
                            Entry{m_bottom, &CVideoCropController::EnterBottom}}) {
            if (entry.field && p == entry.field->Identity()) {
                (this->*entry.enter)();
                return true;
            }
        }
    }
    if (message == kBroadcasterDyingMessage)
        for (CEntryField** field : {&m_left, &m_top, &m_right, &m_bottom}) ForgetDyingReference(*field, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
