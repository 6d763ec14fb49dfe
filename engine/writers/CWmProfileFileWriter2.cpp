#include "CWmProfileFileWriter2.h"

#include "CWmProfile2.h"
#include "CWmProfileVersion.h"
#include "CWmProfilesInfo.h"

#include <memory>

CWmProfileFileWriter2::CWmProfileFileWriter2(CDirectShowGraph* graph, const char* name) : CWmAsfWriter(graph, name)
{
}

bool CWmProfileFileWriter2::SetupBeforeConnect() { return m_profileName.IsEmpty() || ApplyStoredProfile(); }

CWmProfile2* CWmProfileFileWriter2::Adjust(const CWmProfile2& found) const
{
    return GetWantsAudio() ? found.CloneProfile() : found.CloneVideoOnly();
}

bool CWmProfileFileWriter2::ApplyStoredProfile()
{
    CWmProfileVersion* version =
        CWmProfilesInfo::sInfo ? CWmProfilesInfo::sInfo->Find(static_cast<unsigned short>(m_profileVersion)) : nullptr;
    CWmProfile2* found = version ? version->Find(m_profileName) : nullptr;
    if (!found) return false;
    std::unique_ptr<CWmProfile2> copy(Adjust(*found));
    return copy && ApplyProfile(copy->GetProfile());
}
