#include "CLinkSection.h"

#include "CLinkEntry.h"
#include "CRegistry.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "afx/windows/CMenu.h"
#include "win32/dialogs/Menu.h"

CLinkSection::CLinkSection(const char* caption) : m_caption(caption ? caption : "") {}

CLinkSection::~CLinkSection()
{
    for (int i = 0; i < GetEntryCount(); ++i) delete GetEntry(i);
}

void CLinkSection::AddEntry(const char* tag)
{
    m_entries.Add(new CLinkEntry(tag));
}

CLinkEntry* CLinkSection::GetEntry(int index) const
{
    return static_cast<CLinkEntry*>(m_entries.GetAt(index));
}

std::vector<CString> CLinkSection::ReadTags(const char* section, CIniProfile* profile)
{
    std::vector<CString> tags;
    for (int k = 0;; ++k) {
        CString tag = CRegistry(section, k, profile).GetTextValue("");
        if (tag.IsEmpty()) break;
        tags.push_back(tag);
    }
    return tags;
}

int CLinkSection::AppendTo(CMenu& menu, int& counter)
{
    int added = 0;
    for (int i = 0; i < GetEntryCount(); ++i) {
        CLinkEntry* entry = GetEntry(i);
        if (entry->IsCurrentProduct()) continue;
        entry->SetCommandId(counter);
        menu.AppendMenu(MF_STRING, static_cast<UINT_PTR>(counter++), entry->GetTag());
        ++added;
    }
    return added;
}

bool CLinkSection::OnCommand(int id)
{
    for (int i = 0; i < GetEntryCount(); ++i) {
        CLinkEntry* entry = GetEntry(i);
        if (entry->GetCommandId() != id || id == 0) continue;
        UShellUtils::Open(UWebAddresses::GetAddressByTag(entry->GetTag()));
        return true;
    }
    return false;
}
