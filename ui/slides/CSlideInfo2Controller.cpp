#include "CSlideInfo2Controller.h"

#include "CAspectRatioController.h"
#include "CAspectRatioInfo2.h"
#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CSlideInfo2.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UWindowsUtils.h"
#include "afx/controls/CStatic.h"

#include <cstdio>
#include <cstdlib>

CSlideInfo2Controller::CSlideInfo2Controller()
{
    mExpectedType = FourCharCode("slif");
}

CSlideInfo2Controller::~CSlideInfo2Controller()
{
    RetargetListenedReference<CAspectRatioInfo2>(*this, m_ratio, nullptr);
    RetargetListenedReference<CEntryCombo>(*this, m_aspectRatio, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_duration, nullptr);
}

CSlideInfo2* CSlideInfo2Controller::GetSlide() const
{
    return static_cast<CSlideInfo2*>(GetObjectA());
}

void CSlideInfo2Controller::SetObjectSelf(CPersistObject* object)
{
    CObjectController2::SetObjectSelf(object);
    CSlideInfo2* slide = GetSlide();
    RetargetListenedReference(*this, m_ratio, slide ? &slide->GetAspectRatio() : nullptr);
}

void CSlideInfo2Controller::SetControls(CStatic* filePath, CEntryCombo* aspectRatio, CEntryField* duration)
{
    m_filePath = filePath;
    RetargetListenedReference(*this, m_aspectRatio, aspectRatio);
    RetargetListenedReference(*this, m_duration, duration);
}

void CSlideInfo2Controller::SetStatics(CStatic* first, CStatic* second)
{
    m_firstStatic = first;
    m_secondStatic = second;
}

// The slide's ratios are the ones the aspect ratio page offers, in the same words.
void CSlideInfo2Controller::PopulateAspectRatioCombo()
{
    CAspectRatioController::PopulateAspectRatioCombo(m_aspectRatio);
}

CString CSlideInfo2Controller::GetAspectRatioText(double ratio)
{
    return CAspectRatioController::GetAspectRatioText(ratio);
}

double CSlideInfo2Controller::GetAspectRatio(CComboBox* combo)
{
    return CAspectRatioController::GetAspectRatio(combo);
}

double CSlideInfo2Controller::GetAspectRatioByEditing(CComboBox* combo)
{
    return CAspectRatioController::GetAspectRatioByEditing(combo);
}

void CSlideInfo2Controller::ReflectFilePath()
{
    CSlideInfo2* slide = GetSlide();
    UWindowsUtils::SetWindowTextA(m_filePath, slide ? static_cast<const char*>(slide->GetFilePath().GetFilePath()) : "");
}

void CSlideInfo2Controller::ReflectAspectRatio()
{
    if (!m_ratio || !m_aspectRatio) return;
    const CString text = GetAspectRatioText(m_ratio->GetInput());
    if (!UComboChoices::SelectExact(m_aspectRatio, text)) m_aspectRatio->SetWindowText(text);
}

void CSlideInfo2Controller::ReflectDuration()
{
    CSlideInfo2* slide = GetSlide();
    if (!slide || !m_duration) return;
    char text[64];
    std::snprintf(text, sizeof text, "%f", slide->GetDuration());
    UWindowsUtils::SetWindowTextA(m_duration, text);
}

void CSlideInfo2Controller::EnterAspectRatio()
{
    if (m_ratio && !m_ratio->SetInput(GetAspectRatio(m_aspectRatio))) ReflectAspectRatio();
}

void CSlideInfo2Controller::EnterAspectRatioByEditing()
{
    if (m_ratio && !m_ratio->SetInput(GetAspectRatioByEditing(m_aspectRatio))) ReflectAspectRatio();
}

void CSlideInfo2Controller::EnterDuration()
{
    CSlideInfo2* slide = GetSlide();
    if (!slide || !m_duration) return;
    CString text;
    m_duration->GetWindowText(text);
    if (!slide->SetDuration(std::atof(text))) ReflectDuration();
}

void CSlideInfo2Controller::Refresh()
{
    PopulateAspectRatioCombo();
    ReflectAspectRatio();
    ReflectDuration();
}

bool CSlideInfo2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CAspectRatioInfo2::kInputChangedNotice: ReflectAspectRatio(); return true;
    case CSlideInfo2::kDurationChangedNotice: ReflectDuration(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CSlideInfo2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_aspectRatio && p == m_aspectRatio->Identity()) {
            EnterAspectRatioByEditing();
            return true;
        }
        if (m_duration && p == m_duration->Identity()) {
            EnterDuration();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        // The slide's aspect ratio dies as a member, before the slide's own notice.
        ForgetDyingReference(m_ratio, p);
        ForgetDyingReference(m_aspectRatio, p);
        ForgetDyingReference(m_duration, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
