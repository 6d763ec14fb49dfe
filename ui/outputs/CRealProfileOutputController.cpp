#include "CRealProfileOutputController.h"

#include "CMediaOutput2.h"
#include "CRealProfile.h"
#include "CRealSystem.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"

CRealProfileOutputController::CRealProfileOutputController()
{
    mExpectedType = FourCharCode("mdo2");
}

CRealProfileOutputController::~CRealProfileOutputController()
{
    RetargetListenedReference<CRealOutput>(*this, m_output, nullptr);
}

CMediaOutput2* CRealProfileOutputController::GetMediaOutput() const
{
    return static_cast<CMediaOutput2*>(GetObjectA());
}

void CRealProfileOutputController::SetObjectSelf(CPersistObject* object)
{
    CObjectController2::SetObjectSelf(object);
    SetOutput(GetMediaOutput() ? &GetMediaOutput()->GetRealOutput() : nullptr);
}

void CRealProfileOutputController::SetOutput(CRealOutput* output)
{
    RetargetListenedReference(*this, m_output, output);
}

bool CRealProfileOutputController::WantsVideo() const
{
    return GetMediaOutput() && GetMediaOutput()->GetWantsVideo();
}

CRealProfile* CRealProfileOutputController::GetProfile()
{
    if (!m_output || !CRealSystem::sSystem) return nullptr;
    return CRealSystem::sSystem->FindProfile(m_output->GetProfile());
}

void CRealProfileOutputController::PopulateProfileCombo()
{
    UComboChoices::Clear(m_profile);
    CRealSystem* system = CRealSystem::sSystem;
    for (int i = 0; system && i < system->GetProfileCount(); ++i) {
        CRealProfile* profile = system->GetProfile(i);
        if (profile && profile->GetHasVideo() == WantsVideo()) UComboChoices::Add(m_profile, profile->GetName());
    }
}

void CRealProfileOutputController::ReflectProfile()
{
    if (m_output) UComboChoices::SelectExactOrPrefix(m_profile, m_output->GetProfile());
}

void CRealProfileOutputController::EnterProfile()
{
    CString name;
    if (!m_output || !UComboChoices::GetSelectedText(m_profile, name)) return;
    if (!m_output->SetProfile(name)) ReflectProfile();
}

void CRealProfileOutputController::SetDefaultProfile()
{
    if (!m_output || !CRealSystem::sSystem) return;
    // A kept audience must be of the kind the list offers, or switching video would strand it.
    CRealProfile* current = GetProfile();
    if (current && current->GetHasVideo() == WantsVideo()) return;
    if (CRealProfile* first = CRealSystem::sSystem->FindFirst(!WantsVideo())) m_output->SetProfile(first->GetName());
}

void CRealProfileOutputController::SetDefault()
{
    SetDefaultProfile();
}

void CRealProfileOutputController::Refresh()
{
    PopulateProfileCombo();
    ReflectProfile();
}

char* CRealProfileOutputController::GetText()
{
    return UStringBuffer::Text(m_output ? m_output->GetProfile() : CString());
}

bool CRealProfileOutputController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CMediaOutput2::kWantsVideoChangedNotice:
    case CMediaOutput2::kWantsAudioChangedNotice:
        SetDefault();
        Refresh();
        return true;
    case CRealOutput::kProfileChangedNotice:
        ReflectProfile();
        return true;
    default:
        return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CRealProfileOutputController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_output, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
