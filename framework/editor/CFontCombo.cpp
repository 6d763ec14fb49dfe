#include "CFontCombo.h"

#include "CFontEntry.h"
#include "afx/windows/MessageMap.h"
#include "win32/fonts/FontEnum.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CFontCombo, CDrawComboBox)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

int AddEnumeratedFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM param)
{
    return reinterpret_cast<CFontCombo*>(param)->AddFont(reinterpret_cast<const ENUMLOGFONTEXA*>(font), fontType);
}

} // namespace

CFontCombo::~CFontCombo()
{
    if (m_hWnd) DestroyWindow();
}

BOOL CFontCombo::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= CBS_SORT;
    return CDrawComboBox::PreCreateWindow(cs);
}

int CFontCombo::OnCreate(LPCREATESTRUCT cs)
{
    int result = CDrawComboBox::OnCreate(cs);
    if (result != -1) LoadFonts();
    return result;
}

void CFontCombo::OnDestroy()
{
    ResetFonts();
    CDrawComboBox::OnDestroy();
}

void CFontCombo::LoadFonts()
{
    if (!m_hWnd) return;
    LOGFONTA filter{};
    filter.lfCharSet = DEFAULT_CHARSET;
    HDC dc = ::GetDC(m_hWnd);
    EnumFontFamiliesExA(dc, &filter, AddEnumeratedFont, reinterpret_cast<LPARAM>(this), 0);
    ::ReleaseDC(m_hWnd, dc);
}

int CFontCombo::AddFont(const ENUMLOGFONTEXA* font, DWORD fontType)
{
    if (!font) return 1;
    ENUMLOGFONTEXA copy = *font;
    copy.elfLogFont.lfHeight = 90;
    copy.elfLogFont.lfWidth = 0;
    copy.elfLogFont.lfWeight = FW_NORMAL;
    auto* entry = new CFontEntry(copy, fontType);
    CString name = entry->GetFontName();
    int index = AddString(name);  // compared by its text while it is being added
    if (index < 0)
        delete entry;
    else
        SetItemDataPtr(index, entry);
    return 1;
}

CFontEntry* CFontCombo::EntryAt(int index) const
{
    if (index < 0 || index >= GetCount()) return nullptr;
    return static_cast<CFontEntry*>(GetItemDataPtr(index));
}

void CFontCombo::ResetFonts()
{
    if (!m_hWnd) return;
    for (int i = 0; i < GetCount(); ++i) {
        CFontEntry* entry = EntryAt(i);
        SetItemDataPtr(i, nullptr);
        delete entry;
    }
    ResetContent();
}

int CFontCombo::GetFontIndex(const char* face, BYTE charSet) const
{
    if (!face) return -1;
    for (int i = 0; i < GetCount(); ++i) {
        const CFontEntry* entry = EntryAt(i);
        if (entry && std::strcmp(entry->GetFontInfo()->lfFaceName, face) == 0 && entry->GetFontInfo()->lfCharSet == charSet)
            return i;
    }
    return -1;
}

int CFontCombo::SelectFont(const char* face, BYTE charSet)
{
    int index = GetFontIndex(face, charSet);
    SetCurSel(index);
    return index;
}

const LOGFONTA* CFontCombo::GetFontInfo(int index) const
{
    const CFontEntry* entry = EntryAt(index);
    return entry ? entry->GetFontInfo() : nullptr;
}

const LOGFONTA* CFontCombo::GetFontInfo(const char* face, BYTE charSet) const
{
    return GetFontInfo(GetFontIndex(face, charSet));
}

const LOGFONTA* CFontCombo::GetSelectedFontInfo() const { return GetFontInfo(GetCurSel()); }

int CFontCombo::CompareItem(LPCOMPAREITEMSTRUCT item)
{
    auto nameOf = [](UINT id, DWORD_PTR data) -> CString {
        if (id == UINT(-1)) return CString(data ? reinterpret_cast<const char*>(data) : "");
        auto* entry = reinterpret_cast<const CFontEntry*>(data);
        return entry ? entry->GetFontName() : CString();
    };
    int order = std::strcmp(nameOf(item->itemID1, item->itemData1), nameOf(item->itemID2, item->itemData2));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void CFontCombo::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDrawComboBox::DrawItem(item);
    if (!item || item->itemID == UINT(-1)) return;
    const CFontEntry* entry = EntryAt(int(item->itemID));
    if (!entry) return;
    // A 9-point font in the entry's own typeface.
    LOGFONTA font = *entry->GetFontInfo();
    font.lfHeight = -((90 * GetDeviceCaps(item->hDC, LOGPIXELSY) + 360) / 720);
    HFONT typeface = CreateFontIndirectA(&font);
    HGDIOBJ old = SelectObject(item->hDC, typeface);
    int mode = SetBkMode(item->hDC, TRANSPARENT);
    CString name = entry->GetFontName();
    RECT r = item->rcItem;
    DrawTextA(item->hDC, name, name.GetLength(), &r, DT_VCENTER);
    SetBkMode(item->hDC, mode);
    SelectObject(item->hDC, old);
    DeleteObject(typeface);
}

void CFontCombo::DeleteItem(LPDELETEITEMSTRUCT item)
{
    if (item) delete reinterpret_cast<CFontEntry*>(item->itemData);
}
