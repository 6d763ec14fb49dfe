#include "CWmOutput2Controller.h"

#include "CMediaOutput2.h"
#include "UComboChoices.h"

#include <cstdio>
#include <cstdlib>

void CWmOutput2Controller::SetControls(CComboBox* version, CComboBox* profile)
{
    m_version = version;
    m_profile = profile;
}

const UWmProfiles::Version* CWmOutput2Controller::GetVersion() const
{
    return m_output ? UWmProfiles::Find(m_output->GetVersion()) : nullptr;
}

const UWmProfiles::Profile* CWmOutput2Controller::GetProfile() const
{
    const UWmProfiles::Version* version = GetVersion();
    return version ? version->Find(m_output->GetProfile()) : nullptr;
}

CString CWmOutput2Controller::GetVersionText(unsigned short version)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", version);
    return text;
}

unsigned short CWmOutput2Controller::GetVersion(const char* text)
{
    const long value = text ? std::strtol(text, nullptr, 10) : 0;
    return value < 0 || value > 0xFFFF ? 0 : static_cast<unsigned short>(value);
}

void CWmOutput2Controller::PopulateVersionCombo()
{
    UComboChoices::Clear(m_version);
    if (const std::vector<UWmProfiles::Version>* versions = UWmProfiles::Versions())
        for (const UWmProfiles::Version& v : *versions) UComboChoices::Add(m_version, GetVersionText(v.number));
}

void CWmOutput2Controller::PopulateProfileCombo()
{
    UComboChoices::Clear(m_profile);
    const UWmProfiles::Version* version = GetVersion();
    if (!version) return;
    for (const UWmProfiles::Profile& p : version->profiles)
        if (p.hasVideo == WantsVideo()) UComboChoices::Add(m_profile, p.name);
}

void CWmOutput2Controller::ReflectVersion()
{
    if (!m_output) return;
    UComboChoices::SelectExactOrPrefix(m_version, GetVersionText(m_output->GetVersion()));
    PopulateProfileCombo();
    ReflectProfile();
}

void CWmOutput2Controller::ReflectProfile()
{
    if (m_output) UComboChoices::SelectExactOrPrefix(m_profile, m_output->GetProfile());
}

void CWmOutput2Controller::EnterVersion()
{
    CString text;
    if (!m_output || !UComboChoices::GetSelectedText(m_version, text)) return;
    if (!m_output->SetVersion(GetVersion(text))) ReflectVersion();
}

void CWmOutput2Controller::EnterProfile()
{
    CString text;
    if (!m_output || !UComboChoices::GetSelectedText(m_profile, text)) return;
    if (!m_output->SetProfile(text)) ReflectProfile();
}

void CWmOutput2Controller::SetDefaultProfile()
{
    const UWmProfiles::Version* version = GetVersion();
    if (!version) return;
    // A kept profile must be of the kind the list offers, or switching video would strand it.
    const UWmProfiles::Profile* current = GetProfile();
    if (current && current->hasVideo == WantsVideo()) return;
    if (const UWmProfiles::Profile* first = version->FindFirst(!WantsVideo())) m_output->SetProfile(first->name);
}

void CWmOutput2Controller::SetDefault()
{
    const std::vector<UWmProfiles::Version>* versions = UWmProfiles::Versions();
    if (!m_output || !versions) return;
    if (!GetVersion() && !versions->empty()) m_output->SetVersion(versions->front().number);
    SetDefaultProfile();
}

void CWmOutput2Controller::Refresh()
{
    PopulateVersionCombo();
    ReflectVersion();
}

bool CWmOutput2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CWmOutput2::kVersionChangedNotice:
        SetDefaultProfile();
        ReflectVersion();
        return true;
    case CWmOutput2::kProfileChangedNotice:
        ReflectProfile();
        return true;
    default:
        return TProfileOutputController::Respond(code, sender, a, b);
    }
}
