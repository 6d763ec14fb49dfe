#pragma once
// A status bar as a model: panes with ids and texts; pane 0 shows the prompts.
#include "afx/windows/CControlBar.h"

#include <vector>

#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_OWNERDRAW 0x1000
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    // Panes for ids; ID_SEPARATOR makes an empty pane, other ids take their string resource.
    BOOL SetIndicators(const UINT* ids, int count);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
    CString GetPaneText(int index) const;
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    UINT GetPaneStyle(int index) const;
    void SetPaneStyle(int index, UINT style);

    int GetBarHeight() const override { return 20; }
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct Pane {
        UINT id;
        UINT style;
        int width;
        CString text;
    };
    std::vector<Pane> m_panes;
};
