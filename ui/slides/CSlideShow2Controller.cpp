#include "CSlideShow2Controller.h"

#include "CEntryCombo.h"
#include "CSlideShow2.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UValueTexts.h"
#include "UWindowsUtils.h"
#include "afx/controls/CStatic.h"

#include <cstdio>
#include <cstdlib>

namespace {

const MvValueText kDurationTypes[] = {
    {0, "Adjust automatically according to the audio"},
    {1, "Specify for all slides"},
    {2, "Specify for each slide"},
};

const char* const kDurationItems[] = {"1", "2", "3", "4", "5"};

} // namespace

CSlideShow2Controller::CSlideShow2Controller()
{
    mExpectedType = FourCharCode("slsh");
}

CSlideShow2Controller::~CSlideShow2Controller()
{
    RetargetListenedReference<CEntryCombo>(*this, m_duration, nullptr);
}

CSlideShow2* CSlideShow2Controller::GetSlideShow() const
{
    return static_cast<CSlideShow2*>(GetObjectA());
}

void CSlideShow2Controller::SetControls(CComboBox* durationType, CEntryCombo* duration)
{
    m_durationType = durationType;
    RetargetListenedReference(*this, m_duration, duration);
}

void CSlideShow2Controller::SetStatics(CStatic* durationUnit)
{
    m_durationUnit = durationUnit;
}

void CSlideShow2Controller::PopulateDurationTypeCombo()
{
    UValueTexts::Populate(m_durationType, kDurationTypes);
}

CString CSlideShow2Controller::GetDurationTypeText(long type)
{
    return UValueTexts::TextOf(kDurationTypes, LONG(type));
}

long CSlideShow2Controller::GetDurationType(CComboBox* combo)
{
    CString text;
    if (combo && UComboChoices::GetSelectedText(combo, text))
        for (const MvValueText& entry : kDurationTypes)
            if (text == entry.text) return entry.value;
    return CSlideShow2::kSlideDurationSame;
}

void CSlideShow2Controller::PopulateDurationCombo()
{
    if (!m_duration) return;
    UComboChoices::Clear(m_duration);
    for (const char* item : kDurationItems) UComboChoices::Add(m_duration, item);
}

void CSlideShow2Controller::ReflectDurationType()
{
    CSlideShow2* show = GetSlideShow();
    if (!show) return;
    if (m_durationType) {
        const CString text = GetDurationTypeText(show->GetDurationType());
        if (!UComboChoices::SelectExact(m_durationType, text)) m_durationType->SetWindowText(text);
    }
    // One duration for the whole show is only asked for when every slide shares it.
    const bool same = show->GetDurationType() == CSlideShow2::kSlideDurationSame;
    UWindowsUtils::ShowWindow(m_duration, same);
    UWindowsUtils::ShowWindow(m_durationUnit, same);
}

void CSlideShow2Controller::ReflectDuration()
{
    CSlideShow2* show = GetSlideShow();
    if (!show || !m_duration) return;
    char text[64];
    std::snprintf(text, sizeof text, "%f", show->GetSlideDuration());
    m_duration->SetWindowText(text);
}

void CSlideShow2Controller::EnterDurationType()
{
    CSlideShow2* show = GetSlideShow();
    if (show && !show->SetDurationType(GetDurationType(m_durationType))) ReflectDurationType();
}

void CSlideShow2Controller::EnterDurationText(const char* text)
{
    CSlideShow2* show = GetSlideShow();
    if (show && !show->SetSlideDuration(std::atof(text))) ReflectDuration();
}

void CSlideShow2Controller::EnterDuration()
{
    if (!m_duration) return;
    CString text;
    UComboChoices::GetSelectedText(m_duration, text);
    EnterDurationText(text);
}

void CSlideShow2Controller::EnterDurationByEditing()
{
    if (!m_duration) return;
    CString text;
    m_duration->GetWindowText(text);
    EnterDurationText(text);
}

void CSlideShow2Controller::Refresh()
{
    PopulateDurationTypeCombo();
    ReflectDurationType();
    PopulateDurationCombo();
    ReflectDuration();
}

bool CSlideShow2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CSlideShow2::kDurationTypeChangedNotice: ReflectDurationType(); return true;
    case CSlideShow2::kSlideDurationChangedNotice: ReflectDuration(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CSlideShow2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && m_duration && p == m_duration->Identity()) {
        EnterDurationByEditing();
        return true;
    }
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_duration, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
