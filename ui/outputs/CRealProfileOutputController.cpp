#include "CRealProfileOutputController.h"

#include "CMediaOutput2.h"
#include "CRealProfile.h"
#include "CRealSystem.h"
#include "UComboChoices.h"

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

bool CRealProfileOutputController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CRealOutput::kProfileChangedNotice:
        ReflectProfile();
        return true;
    default:
        return TProfileOutputController::Respond(code, sender, a, b);
    }
}
