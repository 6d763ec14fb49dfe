#pragma once
// The main window of applications whose main window is a dialog: tray icon, links
// menu, stored place, the application's settings ("Data.xml") loaded at start and
// saved at close, expandable panels below its controls and "About" in the system menu.
#include "CDialogPanelManager.h"
#include "CLinksMenu.h"
#include "CPersistDataHost.h"
#include "CTaskBarDialog2.h"

class CCmdUI;

class CApplicationDialog : public CTaskBarDialog2, public CPersistDataHost {
public:
    static constexpr UINT kFirstLink = 0xD000;
    static constexpr UINT kLastLink = 0xD014;

    CApplicationDialog(unsigned templateId, CWnd* parent);
    ~CApplicationDialog() override;

    // Called at close, after the settings were saved.
    virtual void Close() {}

    BOOL OnInitDialog() override;
    CDialogPanelManager& GetPanelManager() { return m_panels; }
    CLinksMenu& GetLinksMenu() { return m_links; }
    bool IsPlaced() const { return m_placed; }
    void SetIconPlaceholder(CWnd* placeholder) { m_iconPlaceholder = placeholder; }
    void SetPlacementMode(int mode) { m_placementMode = mode; }
    void SetApplicationIcon(HICON icon) { m_icon = icon; }

    static CApplicationDialog* sDialog;

protected:
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    void OnClose();
    void OnFileOpen();
    void OnFileSave();
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnLink(UINT id);
    void OnUpdateLink(CCmdUI* ui);

    DECLARE_MESSAGE_MAP()

    CLinksMenu m_links{static_cast<int>(kFirstLink)};
    CDialogPanelManager m_panels;
    CWnd* m_iconPlaceholder = nullptr;
    int m_placementMode = 0;
    HICON m_icon = nullptr;
    bool m_placed = false;
};
