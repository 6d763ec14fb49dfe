#include "CLinksMenu.h"

#include "CIniProfile.h"
#include "CLinkEntry.h"
#include "CRegistry.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UDirectoryUtils.h"
#include "afx/windows/CMenu.h"
#include "afx/windows/CWnd.h"
#include "win32/dialogs/Menu.h"

#include <cstdio>
#include <string>

namespace {
CString Numbered(const char* format, int n)
{
    char text[48];
    std::snprintf(text, sizeof text, format, n);
    return CString(text);
}

// Inserts popup before the last item of the bar; the bar then owns it.
void InsertBeforeLast(CMenu* bar, CMenu& popup, const char* caption)
{
    int count = bar->GetMenuItemCount();
    bar->InsertMenu(static_cast<UINT>(count - 1), MF_BYPOSITION | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(popup.GetSafeHmenu()), caption);
    popup.Detach();
}

CString CaptionBeforeLast(CMenu* bar)
{
    CString text;
    int count = bar->GetMenuItemCount();
    if (count >= 2) bar->GetMenuString(static_cast<UINT>(count - 2), text, MF_BYPOSITION);
    return text;
}
} // namespace

CLinksMenu::CLinksMenu(int firstCommandId) : m_firstCommandId(firstCommandId)
{
    Read();
}

CLinksMenu::~CLinksMenu()
{
    for (int i = 0; i < GetCategoryCount(); ++i) delete GetCategory(i);
}

void CLinksMenu::Read()
{
    std::string path = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
    CIniProfile profile;
    profile.SetIniFile(path.c_str());
    for (int n = 0;; ++n) {
        CString section = Numbered("Category %d", n);
        CString caption = CRegistry(section, "name", &profile).GetTextValue("");
        if (caption.IsEmpty()) break;
        auto* category = new CLinkSection(caption);
        m_categories.Add(category);
        for (const CString& tag : CLinkSection::ReadTags(section, &profile)) category->AddEntry(tag);
    }
    if (!StApplicationId::sId) return;
    const char* product = UApplicationUtils::GetShortApplicationName(StApplicationId::Id());
    for (CDownloadLinkSection* downloads : {&m_download0, &m_download1}) {
        for (const CString& tag : CLinkSection::ReadTags(downloads->GetCaption(), &profile)) {
            DWORD byDefault = CRegistry(tag, "default", &profile).GetValue(0);
            if (CRegistry(tag, product, &profile).GetValue(byDefault) != 0) downloads->AddEntry(tag);
        }
    }
}

void CLinksMenu::Attach(CWnd* window)
{
    CMenu* bar = window && window->m_hWnd ? window->GetMenu() : nullptr;
    if (!bar || bar->GetMenuItemCount() <= 2) return;
    int counter = m_firstCommandId;

    // An existing "Download" pop-up is kept, not doubled.
    if (CaptionBeforeLast(bar) != "Download") {
        CMenu popup;
        popup.CreatePopupMenu();
        if (m_download0.AppendTo(popup, counter) > 0) {
            if (m_download1.GetEntryCount() > 0) popup.AppendMenu(MF_SEPARATOR);
            m_download1.AppendTo(popup, counter);
            InsertBeforeLast(bar, popup, "Download");
        } else {
            popup.DestroyMenu();
        }
    }

    if (CaptionBeforeLast(bar) != "Demo") {
        CMenu demo;
        demo.CreatePopupMenu();
        bool any = false;
        for (int i = 0; i < GetCategoryCount(); ++i) {
            CLinkSection* category = GetCategory(i);
            CMenu sub;
            sub.CreatePopupMenu();
            if (category->AppendTo(sub, counter) == 0) {
                sub.DestroyMenu();
                continue;
            }
            demo.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.GetSafeHmenu()), category->GetCaption());
            sub.Detach();
            any = true;
        }
        if (any) InsertBeforeLast(bar, demo, "Demo");
        else demo.DestroyMenu();
    }
    window->DrawMenuBar();
}

bool CLinksMenu::OnCommand(int id)
{
    for (int i = 0; i < GetCategoryCount(); ++i)
        if (GetCategory(i)->OnCommand(id)) return true;
    return m_download0.OnCommand(id) || m_download1.OnCommand(id);
}
