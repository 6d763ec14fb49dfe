#pragma once
// A themed button drawn from one shared bitmap of five states (focused, default, normal,
// pressed, disabled) stretched around a 4-pixel border, with its corners cut away after the
// shape of the first state's corners.
#include "CTooltipButton.h"
#include "afx/gdi/CRgn.h"

class CDC;

class CXpButton : public CTooltipButton {
public:
    static constexpr UINT kStateBitmapId = 10088;
    static constexpr int kBorder = 4;

    CXpButton();
    ~CXpButton() override;

    static void Load();
    void Unload();
    bool LoadRegion();
    void UnloadRegion();
    HICON SetIcon(HICON icon);
    static int GetPixelSize(int bitsPerPixel);
    static int GetDrawIndex(bool selected, bool focused, bool disabled, bool isDefault);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    bool DrawButton(CDC* dc, int state);
    void DrawInfo(CDC* dc, bool pressed, bool disabled);
    void BuildDisabledIcon();

    static HBITMAP sButtonBitmap;
    static HDC sButtonDc;
    static int sButtonBitmapWidth;
    static int sButtonBitmapHeight;
    static int sReferenceCount;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnClose();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    int m_iconWidth = 0;
    int m_iconHeight = 0;
    CRgn m_region;
    HICON m_disabledIcon = nullptr;
    bool m_counted = false;
};
