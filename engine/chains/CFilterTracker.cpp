#include "CFilterTracker.h"

#include "CFilterCheck.h"
#include "TPersistListSearch.h"

CFilterTracker CFilterTracker::sFilterTracker;

CFilterTracker::CFilterTracker()
{
    m_checks.SetChildClassId(CFilterCheck::kType);
}

CFilterCheck* CFilterTracker::Find(const GUID& id) const
{
    return FindInPersistList<CFilterCheck>(m_checks, [&](const CFilterCheck& check) { return check.GetId() == id; });
}

bool CFilterTracker::IsTested(const GUID& id, bool& installed) const
{
    const CFilterCheck* check = Find(id);
    if (!check) return false;
    installed = check->GetInstalled();
    return true;
}

void CFilterTracker::Add(const GUID& id, bool installed)
{
    auto* check = new CFilterCheck;
    check->SetId(id);
    check->SetInstalled(installed);
    m_checks.Add(check);
}
