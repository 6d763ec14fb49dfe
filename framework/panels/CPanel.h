#pragma once
// A page: a modeless child dialog from a template that lives inside a host window
// (frame, dialog, tab control, expandable panel or panel stack) and tells the host
// about itself by broadcasts.
#include "CBroadcaster.h"
#include "afx/windows/CDialog.h"

class CTabCtrl;

enum : long {
    kPanelExpandMessage = 775340,
    kPanelCollapseMessage = 775341,
    kPanelEnabledChangedMessage = 775342,
    kPanelObjectChangedMessage = 834002340,
};

class CPanel : public CDialog, public CBroadcaster {
public:
    CPanel(unsigned id, CWnd* parent);

    // False for a null host or a template that cannot be made; the panel stays hidden:
    // the host shows it.
    bool CreateInWindow(CWnd* host);
    bool CreateInWindow(CTabCtrl* host);
    void FitInWindow(CWnd* host);
    void FitInWindow(CTabCtrl* host);

    // Changes only on a new value: OnEnable, then 775342.
    void SetEnable(bool enable);
    CRect& GetNativeRect() { return m_nativeRect; }
    unsigned GetId() const { return m_id; }
    void SetId(unsigned id) { m_id = id; }

    // Commands go only through the panel's own map; hosts fall back to their own.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void DoDataExchange(CDataExchange*) override {}
    // Enter and Escape neither close nor hide a page.
    void OnOK() override {}
    void OnCancel() override {}

    virtual void OnEnable(bool) {}
    virtual bool IsEnabled() { return m_enabled; }
    virtual bool ValidateData() { return true; }
    virtual void Refresh() {}
    // One line that sums up the page's settings.
    virtual CString GetDetailedText(bool& valid);

private:
    bool CreateDetached(CWnd* host);

    unsigned m_id;
    CRect m_nativeRect;
    bool m_enabled = true;
};
