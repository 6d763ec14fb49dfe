#pragma once
// A caption with the pages shown under it; listens to its pages.
#include "CListener.h"
#include "CPointerList.h"
#include "afx/CString.h"

class CPanel;

class CPanelInfo : public CListener {
public:
    CPanelInfo() = default;
    CPanelInfo(const CPanelInfo&) = default;
    CPanelInfo& operator=(const CPanelInfo&) = default;

    // A null page is ignored.
    virtual void AddChildPanel(CPanel* panel);
    // True when at least one page is enabled.
    virtual bool PanelsEnabled();

    bool Contains(CPanel* panel) const;
    // A page destroyed before its holder is dropped from the list.
    bool ListenToMessage(long message, const void* p, const void* q) override;
    // Pages whose windows do not exist yet are skipped.
    void Show(bool show);
    void SetText(const char* text) { m_text = text ? text : ""; }
    CString& GetText() { return m_text; }

    int GetChildCount() const { return m_children.GetItemCount(); }
    CPanel* GetChild(int index) const { return static_cast<CPanel*>(m_children.GetAt(index)); }

protected:
    CString m_text;
    CPointerList m_children;
};
