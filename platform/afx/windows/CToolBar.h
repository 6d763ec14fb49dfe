#pragma once
// A tool bar as a model: buttons with command ids, styles and states. A backend
// shows them and calls PressButton when the user clicks one.
#include "afx/windows/CControlBar.h"

#include <vector>

#define TBBS_BUTTON 0x0000
#define TBBS_SEPARATOR 0x0001
#define TBBS_CHECKBOX 0x0002
#define TBBS_GROUP 0x0004
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_CHECKED 0x0100
#define TBBS_PRESSED 0x0200
#define TBBS_DISABLED 0x0400
#define TBBS_INDETERMINATE 0x0800
#define TBBS_HIDDEN 0x1000

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = 0, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect borders = CRect(0, 0, 0, 0), UINT id = AFX_IDW_TOOLBAR);
    ~CToolBar() override;
    // The buttons of a registered tool bar resource (0 marks a separator), with the
    // program's bitmap of the same id as their pictures when there is one.
    BOOL LoadToolBar(UINT resourceId);
    // The buttons' pictures side by side, image n at n times the image width (16 x 15
    // unless SetSizes says otherwise); the bar owns the bitmap.
    BOOL LoadBitmap(UINT resourceId);
    void SetSizes(SIZE button, SIZE image);
    HBITMAP GetBitmap() const { return m_bitmap; }
    SIZE GetImageSize() const { return m_imageSize; }
    BOOL SetButtons(const UINT* ids, int count);

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    UINT GetButtonStyle(int index) const;       // style and state bits
    void SetButtonStyle(int index, UINT style);
    void GetButtonInfo(int index, UINT& id, UINT& style, int& image) const;
    void SetButtonInfo(int index, UINT id, UINT style, int image);
    BOOL SetButtonText(int index, LPCTSTR text);
    CString GetButtonText(int index) const;
    // A click on button index: a command to the owner frame unless disabled.
    BOOL PressButton(int index);

    int GetBarHeight() const override { return 28; }
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

private:
    struct Button {
        UINT id;
        UINT style;
        int image;
        CString text;
    };
    std::vector<Button> m_buttons;
    HBITMAP m_bitmap = nullptr;
    SIZE m_imageSize{16, 15};
};
