#pragma once
// The "Download" and "Demo" pop-ups of web links in a main window's menu bar, read
// once from "links.ini" in the common application-data folder.
#include "CDownloadLinkSection.h"
#include "CPointerList.h"

class CWnd;

class CLinksMenu {
public:
    explicit CLinksMenu(int firstCommandId);
    CLinksMenu(const CLinksMenu&) = delete;
    CLinksMenu& operator=(const CLinksMenu&) = delete;
    ~CLinksMenu();

    // Adds the pop-ups to window's menu bar (one with more than two items).
    void Attach(CWnd* window);
    bool OnCommand(int id);

    int GetCategoryCount() const { return m_categories.GetItemCount(); }
    CLinkSection* GetCategory(int index) const { return static_cast<CLinkSection*>(m_categories.GetAt(index)); }
    CDownloadLinkSection& GetDownloads(int index) { return index == 0 ? m_download0 : m_download1; }

private:
    void Read();

    int m_firstCommandId;
    CPointerList m_categories;
    CDownloadLinkSection m_download0{0};
    CDownloadLinkSection m_download1{1};
};
