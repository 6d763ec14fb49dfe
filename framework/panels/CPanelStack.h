#pragma once
// Shows one page at a time in the place of a placeholder control; the pages are
// chosen by caption from a combo box, or stepped with Previous and Next.
#include "CListener.h"
#include "CPointerList.h"
#include "afx/CString.h"

class CComboBox;
class CPanel;
class CStackPanelInfo;
class CStatic;
class CWnd;

class CPanelStack : public CListener {
public:
    CPanelStack() = default;
    CPanelStack(const CPanelStack&) = default;
    CPanelStack& operator=(const CPanelStack&) = default;
    ~CPanelStack() override;

    // Before AddPanel; the combo may be null.
    void SetWindows(CWnd* host, CComboBox* combo, CStatic* placeholder);
    // One page with one panel, listed in the order of the calls.
    virtual void AddPanel(CStackPanelInfo* page, CPanel* panel, const char* caption);

    CStackPanelInfo* Find(const char* caption) const;
    CString GetSelectedText(int index) const;
    // Keeps the combo's items equal to the captions of the pages with an enabled panel.
    void Arrange();
    void First();
    // Shows the chosen page's panels and hides every other page's.
    void Select();
    bool CanPrevious() const;
    bool CanNext() const;
    void Previous();
    void Next();
    void Reset();

    int GetPageCount() const { return m_pages.GetItemCount(); }
    CStackPanelInfo* GetPage(int index) const { return static_cast<CStackPanelInfo*>(m_pages.GetAt(index)); }

    bool ListenToMessage(long message, const void* p, const void* q) override;

private:
    CWnd* m_host = nullptr;
    CComboBox* m_combo = nullptr;
    CStatic* m_placeholder = nullptr;
    CPointerList m_pages;
};
