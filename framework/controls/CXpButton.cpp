#include "CXpButton.h"

#include "UBitmapUtils.h"
#include "afx/gdi/CDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"
#include "win32/gdi/Paint.h"
#include "win32/gdi/Region.h"

#include <cstring>
#include <vector>

#ifndef MV_FRAMEWORK_RESOURCES
#define MV_FRAMEWORK_RESOURCES ""
#endif

HBITMAP CXpButton::sButtonBitmap = nullptr;
HDC CXpButton::sButtonDc = nullptr;
int CXpButton::sButtonBitmapWidth = 0;
int CXpButton::sButtonBitmapHeight = 0;
int CXpButton::sReferenceCount = 0;

BEGIN_MESSAGE_MAP(CXpButton, CTooltipButton)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The framework library's resources lie in its resource folder.
HINSTANCE FrameworkModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = GetModuleHandle("mvframe.dll");
        if (m && *MV_FRAMEWORK_RESOURCES) MvSetResourceFolder(m, MV_FRAMEWORK_RESOURCES);
        return m;
    }();
    return module;
}

} // namespace

CXpButton::CXpButton()
{
    Load();
    m_counted = true;
}

CXpButton::~CXpButton()
{
    if (m_hWnd) DestroyWindow();
    Unload();
    if (m_disabledIcon) DestroyIcon(m_disabledIcon);
}

void CXpButton::Load()
{
    if (++sReferenceCount != 1) return;
    sButtonBitmap = LoadBitmapA(FrameworkModule(), MAKEINTRESOURCEA(kStateBitmapId));
    if (!sButtonBitmap) return;
    BITMAP info{};
    GetObjectA(sButtonBitmap, sizeof info, &info);
    sButtonBitmapWidth = info.bmWidth / 5;
    sButtonBitmapHeight = info.bmHeight;
    if (!sButtonDc) sButtonDc = CreateCompatibleDC(nullptr);
    SelectObject(sButtonDc, sButtonBitmap);
}

void CXpButton::Unload()
{
    UnloadRegion();
    if (!m_counted) return;
    m_counted = false;
    if (--sReferenceCount > 0) return;
    if (sButtonDc) DeleteDC(sButtonDc);
    if (sButtonBitmap) DeleteObject(sButtonBitmap);
    sButtonDc = nullptr;
    sButtonBitmap = nullptr;
    sButtonBitmapWidth = sButtonBitmapHeight = 0;
}

int CXpButton::GetPixelSize(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 8: return 1;
    case 15:
    case 16: return 2;
    case 24: return 3;
    case 32: return 4;
    default: return 0;
    }
}

int CXpButton::GetDrawIndex(bool selected, bool focused, bool disabled, bool isDefault)
{
    if (disabled) return 4;
    if (selected) return 3;
    if (focused) return 0;
    return isDefault ? 1 : 2;
}

bool CXpButton::LoadRegion()
{
    if (!sButtonBitmap) return false;
    if (m_region.GetSafeHandle()) return true;
    if (!m_hWnd) return false;
    BITMAP info{};
    GetObjectA(sButtonBitmap, sizeof info, &info);
    int pixel = GetPixelSize(info.bmBitsPixel);
    int W = sButtonBitmapWidth, H = sButtonBitmapHeight;
    if (pixel == 0 || W < kBorder || H < kBorder || info.bmWidthBytes <= 0) return false;
    std::vector<unsigned char> bits(size_t(info.bmWidthBytes) * size_t(H));
    if (GetBitmapBits(sButtonBitmap, LONG(bits.size()), bits.data()) <= 0) return false;
    auto at = [&](int x, int y) { return bits.data() + size_t(y) * size_t(info.bmWidthBytes) + size_t(x) * size_t(pixel); };
    const unsigned char* transparent = at(0, 0);

    CRect client;
    GetClientRect(&client);
    int w = client.Width(), h = client.Height();
    m_region.CreateRectRgn(0, 0, w, h);
    auto cut = [&](int x, int y) {
        CRgn dot;
        dot.CreateRectRgn(x, y, x + 1, y + 1);
        m_region.CombineRgn(&m_region, &dot, RGN_XOR);
    };
    for (int i = 0; i < kBorder; ++i) {
        int rows[2] = {i, H - kBorder + i};
        int clientRows[2] = {i, h - kBorder + i};
        for (int k = 0; k < 2; ++k) {
            for (int x = 0; x < kBorder; ++x) {
                if (std::memcmp(at(x, rows[k]), transparent, size_t(pixel)) == 0) cut(x, clientRows[k]);
                int right = W - kBorder + x;
                if (std::memcmp(at(right, rows[k]), transparent, size_t(pixel)) == 0) cut(w - W + right, clientRows[k]);
            }
        }
    }
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, m_region, nullptr, RGN_COPY);
    if (!SetWindowRgn(m_hWnd, copy, TRUE)) DeleteObject(copy);
    ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    return true;
}

void CXpButton::UnloadRegion()
{
    if (m_region.GetSafeHandle()) m_region.DeleteObject();
}

HICON CXpButton::SetIcon(HICON icon)
{
    m_iconWidth = m_iconHeight = 0;
    return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
}

void CXpButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || !item->hDC) return;
    UINT state = item->itemState;
    int index = GetDrawIndex(state & ODS_SELECTED, state & ODS_FOCUS, state & ODS_DISABLED, state & ODS_DEFAULT);
    if (!LoadRegion()) {
        CTooltipButton::DrawItem(item);
        return;
    }
    CDC* dc = CDC::FromHandle(item->hDC);
    dc->SelectClipRgn(&m_region);
    DrawButton(dc, index);
    DrawInfo(dc, state & ODS_SELECTED, state & ODS_DISABLED);
    dc->SelectClipRgn(nullptr);
}

bool CXpButton::DrawButton(CDC* dc, int state)
{
    if (!dc || !sButtonDc) return false;
    CRect client;
    GetClientRect(&client);
    const int b = kBorder;
    int w = client.Width(), h = client.Height();
    int W = sButtonBitmapWidth, H = sButtonBitmapHeight;
    int sx = state * W;
    HDC to = dc->GetSafeHdc();
    auto part = [&](int x, int y, int cx, int cy, int fx, int fy, int fcx, int fcy) {
        StretchBlt(to, x, y, cx, cy, sButtonDc, sx + fx, fy, fcx, fcy, SRCCOPY);
    };
    part(0, 0, b, b, 0, 0, b, b);                                   // corners
    part(w - b, 0, b, b, W - b, 0, b, b);
    part(0, h - b, b, b, 0, H - b, b, b);
    part(w - b, h - b, b, b, W - b, H - b, b, b);
    part(b, 0, w - 2 * b, b, b, 0, W - 2 * b, b);                   // top and bottom edges
    part(b, h - b, w - 2 * b, b, b, H - b, W - 2 * b, b);
    part(0, b, b, h - 2 * b, 0, b, b, H - 2 * b);                   // left and right edges
    part(w - b, b, b, h - 2 * b, W - b, b, b, H - 2 * b);
    part(b, b, w - 2 * b, h - 2 * b, b, b, W - 2 * b, H - 2 * b);   // centre
    return true;
}

void CXpButton::DrawInfo(CDC* dc, bool pressed, bool disabled)
{
    if (!dc) return;
    CRect r;
    GetClientRect(&r);
    if (pressed) {
        r.left += 2;
        r.top += 2;
    } else {
        r.DeflateRect(1, 1);
    }
    auto icon = reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON));
    if (!icon) {
        CString text;
        GetWindowText(text);
        int mode = dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(disabled ? RGB(128, 128, 128) : RGB(16, 16, 16));
        dc->DrawText(text, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        (void)mode;
        dc->SetBkMode(OPAQUE);
        return;
    }
    BuildDisabledIcon();
    if (m_iconWidth == 0 || m_iconHeight == 0) {
        m_iconWidth = GetSystemMetrics(SM_CXICON);
        m_iconHeight = GetSystemMetrics(SM_CYICON);
        ICONINFO info{};
        if (GetIconInfo(icon, &info)) {
            BITMAP colour{};
            if (info.hbmColor && GetObjectA(info.hbmColor, sizeof colour, &colour)) {
                m_iconWidth = colour.bmWidth;
                m_iconHeight = colour.bmHeight;
            }
            if (info.hbmColor) DeleteObject(info.hbmColor);
            if (info.hbmMask) DeleteObject(info.hbmMask);
        }
    }
    int x = (r.right + r.left - m_iconWidth + 1) / 2;
    int y = (r.bottom + r.top - m_iconHeight + 1) / 2;
    HICON shown = disabled && m_disabledIcon ? m_disabledIcon : icon;
    DrawIconEx(dc->GetSafeHdc(), x, y, shown, m_iconWidth, m_iconHeight, 0, nullptr, DI_NORMAL);
}

void CXpButton::BuildDisabledIcon()
{
    auto icon = reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON));
    if (!icon || m_disabledIcon) return;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return;
    if (info.hbmColor) {
        UBitmapUtils::MakeMonochrome(info.hbmColor);
        m_disabledIcon = CreateIconIndirect(&info);
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
}

int CXpButton::OnCreate(LPCREATESTRUCT cs)
{
    int result = CTooltipButton::OnCreate(cs);
    if (result != -1) LoadRegion();
    return result;
}

void CXpButton::OnSize(UINT type, int cx, int cy)
{
    CTooltipButton::OnSize(type, cx, cy);
    UnloadRegion();
    LoadRegion();
}

void CXpButton::OnClose()
{
    UnloadRegion();
    CTooltipButton::OnClose();
}

void CXpButton::OnDestroy()
{
    UnloadRegion();
    CTooltipButton::OnDestroy();
}
