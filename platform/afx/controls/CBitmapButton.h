#pragma once
// The class library's bitmap button: an owner-drawn button showing one of four bitmaps
// (normal, selected, focused, disabled).
#include "afx/gdi/CBitmap.h"
#include "afx/controls/CButton.h"

class CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
    CBitmapButton() = default;
    // True when the normal bitmap loaded; a zero id or null name leaves that bitmap out.
    BOOL LoadBitmaps(UINT up, UINT down = 0, UINT focus = 0, UINT disabled = 0);
    BOOL LoadBitmaps(LPCTSTR up, LPCTSTR down = nullptr, LPCTSTR focus = nullptr, LPCTSTR disabled = nullptr);
    // Sizes the button to its normal bitmap.
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
