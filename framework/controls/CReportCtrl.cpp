#include "CReportCtrl.h"

#include "afx/kernel/COleDateTime.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"
#include "win32/gdi/Gdi.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kForcedOn = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | LVS_REPORT;  // 0x50300001
constexpr DWORD kForcedOff = LVS_NOSCROLL | LVS_EDITLABELS | LVS_SMALLICON;                // 0x2202
constexpr DWORD kForcedExtended = LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES;             // 0x22

DWORD ForceStyle(DWORD style) { return (style & ~kForcedOff) | kForcedOn; }

bool WholeHex(const char* text, unsigned long& value)
{
    if (!*text) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(text, &end, 16);
    return end != text && *end == '\0';
}

bool WholeDecimal(const char* text, double& value)
{
    if (!*text) return false;
    char* end = nullptr;
    value = std::strtod(text, &end);
    if (end == text) return false;
    return *end == '\0' || (end[0] == '%' && end[1] == '\0');
}

template <class T> int Order(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }

// The parts between separators, empty ones left out.
std::vector<std::string> NonEmptyParts(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos) end = text.size();
        if (end > start) parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

BEGIN_MESSAGE_MAP(CReportCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT_EX(LVN_DELETEITEM, OnDeleteItemNotice)
    ON_MESSAGE(WM_LBUTTONDOWN, OnMouseButton)
    ON_MESSAGE(WM_LBUTTONDBLCLK, OnMouseButton)
    ON_MESSAGE(WM_MBUTTONDOWN, OnMouseButton)
    ON_MESSAGE(WM_MBUTTONDBLCLK, OnMouseButton)
    ON_MESSAGE(WM_RBUTTONDOWN, OnMouseButton)
    ON_MESSAGE(WM_RBUTTONDBLCLK, OnMouseButton)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CReportCtrl::CReportCtrl() : m_edit(new CEdit) {}

CReportCtrl::~CReportCtrl()
{
    if (m_hWnd) DestroyWindow();
    delete[] m_separator;
    delete m_edit;
}

// ---- creation and styles

BOOL CReportCtrl::Create(CWnd* parent, UINT id, LPCRECT rect, DWORD style)
{
    if (!parent || !parent->GetSafeHwnd()) return FALSE;
    CRect area;
    if (rect)
        area = *rect;
    else
        parent->GetClientRect(&area);
    return CListCtrl::Create(ForceStyle(style), area, parent, id);
}

BOOL CReportCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = ForceStyle(cs.style);
    return CListCtrl::PreCreateWindow(cs);
}

int CReportCtrl::OnCreate(LPCREATESTRUCT cs)
{
    int result = CListCtrl::OnCreate(cs);
    if (result == -1) return -1;
    ModifyStyle(0, 0);
    SetExtendedStyle(CListCtrl::GetExtendedStyle());
    return result;
}

void CReportCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    CListCtrl::ModifyStyle(kForcedOff, kForcedOn);
    CListCtrl::SetExtendedStyle(kForcedExtended);
}

DWORD CReportCtrl::SetExtendedStyle(DWORD style) { return CListCtrl::SetExtendedStyle(style | kForcedExtended); }

BOOL CReportCtrl::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    remove &= ~(WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | LVS_REPORT);
    return CListCtrl::ModifyStyle(remove | kForcedOff, (add & ~kForcedOff) | LVS_REPORT, flags);
}

BOOL CReportCtrl::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    // The list's own extended style keeps full-row selection and sub-item images.
    BOOL ok = CListCtrl::ModifyStyleEx(remove, add, flags);
    CListCtrl::SetExtendedStyle((CListCtrl::GetExtendedStyle() & ~(remove & ~kForcedExtended)) | kForcedExtended);
    return ok;
}

void CReportCtrl::SetGridLines(bool on)
{
    DWORD style = CListCtrl::GetExtendedStyle();
    SetExtendedStyle(on ? (style | LVS_EX_GRIDLINES) : (style & ~DWORD(LVS_EX_GRIDLINES)));
}

void CReportCtrl::ResizeToFitParent()
{
    CWnd* parent = GetParent();
    if (!m_hWnd || !parent) return;
    CRect r;
    parent->GetClientRect(&r);
    MoveWindow(&r);
}

bool CReportCtrl::HasColumnHeader() const { return m_hWnd && !(GetStyle() & LVS_NOCOLUMNHEADER); }

CHeaderCtrl* CReportCtrl::GetHeaderCtrl()
{
    if (!m_hWnd) return nullptr;
    CHeaderCtrl* header = CListCtrl::GetHeaderCtrl();
    return header && header->GetSafeHwnd() ? header : nullptr;
}

// ---- columns

BOOL CReportCtrl::SetColumnHeader(const CString& spec)
{
    DeleteAllItems(RC_ITEM_ALL);
    DeleteAllColumns();
    EndEdit(true);
    int added = 0;
    for (const std::string& column : NonEmptyParts(spec.Str(), ';')) {
        std::vector<std::string> fields = NonEmptyParts(column, ',');
        if (fields.empty()) continue;
        int width = fields.size() > 1 ? std::atoi(fields[1].c_str()) : 100;
        int kind = fields.size() > 2 ? std::atoi(fields[2].c_str()) : 0;
        int format = kind == 1 ? LVCFMT_CENTER : kind == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        if (InsertColumn(GetColumnCount(), fields[0].c_str(), format, width, -1) >= 0) ++added;
    }
    return added > 0;
}

int CReportCtrl::InsertColumn(int index, LPCTSTR text, int format, int width, int subItem)
{
    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | (subItem >= 0 ? LVCF_SUBITEM : 0);
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<LPSTR>(text ? text : "");
    column.iSubItem = subItem;
    return InsertColumn(index, &column);
}

int CReportCtrl::InsertColumn(int index, const LVCOLUMN* column)
{
    EndEdit(true);
    int at = CListCtrl::InsertColumn(index, column);
    if (at < 0) return at;
    for (int row = 0; row < CListCtrl::GetItemCount(); ++row) {
        if (ItemRecord* r = RecordOf(row)) {
            size_t place = std::min<size_t>(size_t(at), r->text.size());
            r->text.insert(r->text.begin() + place, GetSysColor(COLOR_WINDOWTEXT));
            r->back.insert(r->back.begin() + place, GetSysColor(COLOR_WINDOW));
        }
    }
    return at;
}

BOOL CReportCtrl::DeleteColumn(int index)
{
    EndEdit(true);
    if (!CListCtrl::DeleteColumn(index)) return FALSE;
    for (int row = 0; row < CListCtrl::GetItemCount(); ++row) {
        if (ItemRecord* r = RecordOf(row); r && index >= 0 && size_t(index) < r->text.size()) {
            r->text.erase(r->text.begin() + index);
            r->back.erase(r->back.begin() + index);
        }
    }
    return TRUE;
}

BOOL CReportCtrl::DeleteAllColumns()
{
    while (GetColumnCount() > 0)
        if (!DeleteColumn(0)) break;
    return TRUE;
}

int CReportCtrl::GetColumnCount() const
{
    CHeaderCtrl* header = const_cast<CReportCtrl*>(this)->GetHeaderCtrl();
    return header ? header->GetItemCount() : 0;
}

CString CReportCtrl::GetHeaderText(int column) const
{
    CHeaderCtrl* header = const_cast<CReportCtrl*>(this)->GetHeaderCtrl();
    if (!header || !IsValidColumn(column)) return CString();
    char text[256] = {};
    HDITEM item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!header->GetItem(column, &item)) return CString();
    text[sizeof text - 1] = '\0';
    return CString(text);
}

BOOL CReportCtrl::SetHeaderText(int column, LPCTSTR text)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header) return FALSE;
    HDITEM item{};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<LPSTR>(text ? text : "");
    return header->SetItem(column, &item);
}

CImageList* CReportCtrl::SetHeaderImageList(CImageList* list)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    return header ? header->SetImageList(list) : nullptr;
}

CImageList* CReportCtrl::SetHeaderImageList(UINT bitmapId, COLORREF mask)
{
    if (!m_headerImageList.GetSafeHandle() && !m_headerImageList.Create(bitmapId, 16, 4, mask)) return nullptr;
    return SetHeaderImageList(&m_headerImageList);
}

BOOL CReportCtrl::SetHeaderImage(int column, int image, bool onLeft)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header) return FALSE;
    if (!header->GetImageList()) header->SetImageList(GetImageList());
    HDITEM item{};
    item.mask = HDI_FORMAT;
    if (!header->GetItem(column, &item)) return FALSE;
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt = (item.fmt & ~HDF_BITMAP_ON_RIGHT) | HDF_IMAGE | (onLeft ? 0 : HDF_BITMAP_ON_RIGHT);
    item.iImage = image;
    return header->SetItem(column, &item);
}

int CReportCtrl::GetHeaderImage(int column) const
{
    CHeaderCtrl* header = const_cast<CReportCtrl*>(this)->GetHeaderCtrl();
    if (!header) return -1;
    HDITEM item{};
    item.mask = HDI_IMAGE;
    return header->GetItem(column, &item) ? item.iImage : -1;
}

// ---- rows

CReportCtrl::ItemRecord* CReportCtrl::RecordOf(int row) const
{
    if (!IsValidRow(row)) return nullptr;
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!CListCtrl::GetItem(&item)) return nullptr;
    return reinterpret_cast<ItemRecord*>(item.lParam);
}

CReportCtrl::ItemRecord* CReportCtrl::NewRecord(DWORD data) const
{
    auto* record = new ItemRecord;
    record->data = data;
    size_t columns = size_t(std::max(0, GetColumnCount()));
    record->text.assign(columns, GetSysColor(COLOR_WINDOWTEXT));
    record->back.assign(columns, GetSysColor(COLOR_WINDOW));
    return record;
}

void CReportCtrl::ClearSortMark()
{
    m_sortColumn = -1;
    m_sortAscending = true;
}

int CReportCtrl::InsertRow(LVITEM item)
{
    EndEdit(true);
    ClearSortMark();
    DWORD data = (item.mask & LVIF_PARAM) ? DWORD(item.lParam) : 0;
    ItemRecord* record = NewRecord(data);
    item.mask |= LVIF_PARAM;
    item.lParam = reinterpret_cast<LPARAM>(record);
    item.iSubItem = 0;
    int row = CListCtrl::InsertItem(&item);
    if (row < 0) delete record;
    return row;
}

int CReportCtrl::InsertItem(int index, LPCTSTR text) { return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0); }

int CReportCtrl::InsertItem(int index, LPCTSTR text, int image)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0);
}

int CReportCtrl::InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param)
{
    LVITEM item{};
    item.mask = mask;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(text);
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = param;
    return InsertRow(item);
}

int CReportCtrl::InsertItem(const LVITEM* item) { return item ? InsertRow(*item) : -1; }

int CReportCtrl::InsertItemEx(int index, LPCTSTR text, ...)
{
    int row = InsertItem(index, text);
    if (row < 0) return row;
    va_list args;
    va_start(args, text);
    for (int column = 1; column < GetColumnCount(); ++column) {
        LPCTSTR next = va_arg(args, LPCTSTR);
        if (!next) break;
        CListCtrl::SetItemText(row, column, next);
    }
    va_end(args);
    return row;
}

BOOL CReportCtrl::DeleteItem(int row, bool selectNext)
{
    if (!IsValidRow(row)) return FALSE;
    EndEdit(m_editRow != row);
    if (selectNext) SetItemStates(row + 1, RC_ITEM_SELECTED);
    return DeleteRow(row);
}

BOOL CReportCtrl::DeleteRow(int row)
{
    // Detached first: the deletion notice frees only records of rows deleted behind our back.
    ItemRecord* record = RecordOf(row);
    CListCtrl::SetItemData(row, 0);
    if (!CListCtrl::DeleteItem(row)) {
        CListCtrl::SetItemData(row, reinterpret_cast<DWORD_PTR>(record));
        return FALSE;
    }
    delete record;
    return TRUE;
}

int CReportCtrl::DeleteAllItems(DWORD mask)
{
    EndEdit(false);
    if (!m_hWnd) return 0;
    bool locked = LockWindowUpdate() != FALSE;
    int count = 0;
    if (mask & RC_ITEM_ALL) {
        count = CListCtrl::GetItemCount();
        // Freed here: a parent may ask not to hear of each row.
        for (int row = 0; row < count; ++row) {
            ItemRecord* record = RecordOf(row);
            CListCtrl::SetItemData(row, 0);
            delete record;
        }
        CListCtrl::DeleteAllItems();
    } else {
        for (int row = CListCtrl::GetItemCount() - 1; row >= 0; --row)
            if (ExamItemStates(row, mask) && DeleteRow(row)) ++count;
    }
    if (locked) UnlockWindowUpdate();
    return count;
}

BOOL CReportCtrl::OnDeleteItemNotice(NMHDR* notice, LRESULT* result)
{
    delete reinterpret_cast<ItemRecord*>(reinterpret_cast<NMLISTVIEW*>(notice)->lParam);
    *result = 0;
    return FALSE;  // the parent hears of it too
}

BOOL CReportCtrl::SetItemText(int row, int column, LPCTSTR value)
{
    EndEdit(true);
    ClearSortMark();
    if (!IsValidRow(row) || !IsValidColumn(column)) return FALSE;
    return CListCtrl::SetItemText(row, column, value ? value : "");
}

BOOL CReportCtrl::SetItemText(int row, int column, TCHAR value)
{
    char text[2] = {value, '\0'};
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, int value) { return SetItemText(row, column, long(value)); }

BOOL CReportCtrl::SetItemText(int row, int column, long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld", value);
    return SetItemText(row, column, static_cast<LPCTSTR>(text));
}

BOOL CReportCtrl::SetItemText(int row, int column, unsigned int value) { return SetItemText(row, column, (unsigned long)value); }

BOOL CReportCtrl::SetItemText(int row, int column, unsigned long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lu", value);
    return SetItemText(row, column, static_cast<LPCTSTR>(text));
}

BOOL CReportCtrl::SetItemText(int row, int column, double value, int precision)
{
    char text[512];
    if (precision >= 0) {
        std::snprintf(text, sizeof text, "%.*f", std::min(precision, 100), value);
    } else {
        std::snprintf(text, sizeof text, "%f", value);
        // Trailing zeros, then a trailing point, go: 2.500000 shows as 2.5 and 3.000000 as 3.
        size_t length = std::strlen(text);
        while (length > 0 && text[length - 1] == '0') text[--length] = '\0';
        if (length > 0 && text[length - 1] == '.') text[--length] = '\0';
    }
    return SetItemText(row, column, static_cast<LPCTSTR>(text));
}

BOOL CReportCtrl::SetItemText(int row, int column, const COleDateTime& value, DWORD flags)
{
    CString text = value.GetStatus() == COleDateTime::valid ? value.Format(flags) : CString();
    return SetItemText(row, column, static_cast<LPCTSTR>(text));
}

BOOL CReportCtrl::SetItemImage(int row, int column, int image)
{
    if (!IsValidRow(row) || !IsValidColumn(column)) return FALSE;
    return CListCtrl::SetItem(row, column, LVIF_IMAGE, nullptr, image, 0, 0, 0);
}

int CReportCtrl::GetItemImage(int row, int column) const
{
    if (!IsValidRow(row) || !IsValidColumn(column)) return -1;
    LVITEM item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iSubItem = column;
    return CListCtrl::GetItem(&item) ? item.iImage : -1;
}

CImageList* CReportCtrl::SetImageList(CImageList* list) { return CListCtrl::SetImageList(list, LVSIL_SMALL); }

CImageList* CReportCtrl::SetImageList(UINT bitmapId, COLORREF mask)
{
    m_imageList.DeleteImageList();
    if (!m_imageList.Create(bitmapId, 16, 4, mask)) return nullptr;
    return SetImageList(&m_imageList);
}

CImageList* CReportCtrl::GetImageList() const { return CListCtrl::GetImageList(LVSIL_SMALL); }

BOOL CReportCtrl::SetItemData(int row, DWORD data)
{
    ItemRecord* record = RecordOf(row);
    if (!record) return FALSE;
    record->data = data;
    return TRUE;
}

DWORD CReportCtrl::GetItemData(int row) const
{
    ItemRecord* record = RecordOf(row);
    return record ? record->data : 0;
}

BOOL CReportCtrl::GetItem(LVITEM* item) const
{
    if (!item || !CListCtrl::GetItem(item)) return FALSE;
    if (item->mask & LVIF_PARAM) {
        auto* record = reinterpret_cast<ItemRecord*>(item->lParam);
        item->lParam = record ? LPARAM(record->data) : 0;
    }
    return TRUE;
}

BOOL CReportCtrl::SetItem(const LVITEM* item)
{
    if (!item) return FALSE;
    LVITEM copy = *item;
    if (copy.mask & LVIF_PARAM) {
        if (!SetItemData(copy.iItem, DWORD(copy.lParam))) return FALSE;
        copy.mask &= ~UINT(LVIF_PARAM);
    }
    return copy.mask ? CListCtrl::SetItem(&copy) : TRUE;
}

BOOL CReportCtrl::SetItem(int row, int column, UINT mask, LPCTSTR text, int image, UINT state, UINT stateMask, LPARAM param)
{
    LVITEM item{};
    item.mask = mask;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<LPSTR>(text);
    item.iImage = image;
    item.state = state;
    item.stateMask = stateMask;
    item.lParam = param;
    return SetItem(&item);
}

// ---- colours

void CReportCtrl::ForEachColour(int row, int column, COLORREF colour, bool text)
{
    if (colour == COLORREF(-1)) colour = GetSysColor(text ? COLOR_WINDOWTEXT : COLOR_WINDOW);
    int rows = CListCtrl::GetItemCount();
    int columns = GetColumnCount();
    int firstRow = IsValidRow(row) ? row : 0;
    int lastRow = IsValidRow(row) ? row : rows - 1;
    int firstColumn = IsValidColumn(column) ? column : 0;
    int lastColumn = IsValidColumn(column) ? column : columns - 1;
    for (int r = firstRow; r <= lastRow; ++r) {
        ItemRecord* record = RecordOf(r);
        if (!record) continue;
        auto& colours = text ? record->text : record->back;
        for (int c = firstColumn; c <= lastColumn && size_t(c) < colours.size(); ++c) colours[size_t(c)] = colour;
    }
}

void CReportCtrl::SetItemTextColor(int row, int column, COLORREF colour, bool redraw)
{
    ForEachColour(row, column, colour, true);
    if (redraw) RedrawNow();
}

void CReportCtrl::SetItemBkColor(int row, int column, COLORREF colour, bool redraw)
{
    ForEachColour(row, column, colour, false);
    if (redraw) RedrawNow();
}

COLORREF CReportCtrl::GetItemTextColor(int row, int column) const
{
    ItemRecord* record = IsValidColumn(column) ? RecordOf(row) : nullptr;
    return record && size_t(column) < record->text.size() ? record->text[size_t(column)] : COLORREF(-1);
}

COLORREF CReportCtrl::GetItemBkColor(int row, int column) const
{
    ItemRecord* record = IsValidColumn(column) ? RecordOf(row) : nullptr;
    return record && size_t(column) < record->back.size() ? record->back[size_t(column)] : COLORREF(-1);
}

void CReportCtrl::RedrawNow()
{
    if (m_hWnd) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CReportCtrl::OnCustomDraw(NMHDR* notice, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(notice);
    *result = CDRF_DODEFAULT;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
    case CDDS_ITEMPREPAINT:
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        int row = int(draw->nmcd.dwItemSpec);
        draw->clrText = GetItemTextColor(row, draw->iSubItem);
        draw->clrTextBk = GetItemBkColor(row, draw->iSubItem);
        // A row without a record draws in the list's own colours.
        if (draw->clrText == COLORREF(-1)) draw->clrText = GetSysColor(COLOR_WINDOWTEXT);
        if (draw->clrTextBk == COLORREF(-1)) draw->clrTextBk = GetSysColor(COLOR_WINDOW);
        break;
    }
    default:
        break;
    }
}

// ---- moves

CReportCtrl::RowSnapshot CReportCtrl::TakeRow(int row)
{
    RowSnapshot s;
    s.states = GetItemStates(row);
    s.record = RecordOf(row);
    CListCtrl::SetItemData(row, 0);  // detached, so deleting the row keeps it
    int columns = std::max(1, GetColumnCount());
    for (int c = 0; c < columns; ++c) {
        s.images.push_back(GetItemImage(row, c));
        s.texts.push_back(CListCtrl::GetItemText(row, c));
    }
    return s;
}

void CReportCtrl::PutRow(int row, const RowSnapshot& s)
{
    CListCtrl::SetItemData(row, reinterpret_cast<DWORD_PTR>(s.record));
    for (size_t c = 0; c < s.texts.size(); ++c) {
        CListCtrl::SetItemText(row, int(c), s.texts[c]);
        // Also "no image" (-1): the row put here may have shown another image.
        CListCtrl::SetItem(row, int(c), LVIF_IMAGE, nullptr, s.images[c], 0, 0, 0);
    }
    bool ok = true;
    ApplyStates(row, s.states, ok);
}

int CReportCtrl::MoveTo(int row, int target)
{
    if (!IsValidRow(row)) return -1;
    EndEdit(true);
    int count = CListCtrl::GetItemCount();
    target = std::clamp(target, 0, count - 1);
    if (target == row) return row;
    ClearSortMark();
    RowSnapshot s = TakeRow(row);
    CListCtrl::DeleteItem(row);
    int at = CListCtrl::InsertItem(target, "");
    if (at < 0) {
        delete s.record;
        return -1;
    }
    PutRow(at, s);
    return at;
}

int CReportCtrl::MoveUp(int row, int count) { return MoveTo(row, row - count); }
int CReportCtrl::MoveDown(int row, int count) { return MoveTo(row, int(std::min<long long>(INT_MAX, (long long)row + count))); }
int CReportCtrl::MoveToTop(int row) { return MoveTo(row, -1); }
int CReportCtrl::MoveToBottom(int row) { return MoveTo(row, INT_MAX); }

BOOL CReportCtrl::SwapItems(int a, int b)
{
    if (!IsValidRow(a) || !IsValidRow(b)) return FALSE;
    if (a == b) return TRUE;
    EndEdit(true);
    ClearSortMark();
    RowSnapshot first = TakeRow(a);
    RowSnapshot second = TakeRow(b);
    PutRow(a, second);
    PutRow(b, first);
    return TRUE;
}

// ---- states

BOOL CReportCtrl::IsChecked(int row) const
{
    // A row without a state image (no check boxes yet) is not checked.
    return (CListCtrl::GetItemState(row, LVIS_STATEIMAGEMASK) >> 12) == 2;
}

DWORD CReportCtrl::GetItemStates(int row) const
{
    if (!IsValidRow(row)) return 0;
    UINT state = CListCtrl::GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED);
    DWORD bits = (state & LVIS_SELECTED) ? RC_ITEM_SELECTED : RC_ITEM_UNSELECTED;
    bits |= IsChecked(row) ? RC_ITEM_CHECKED : RC_ITEM_UNCHECKED;
    bits |= (state & LVIS_FOCUSED) ? RC_ITEM_FOCUSED : RC_ITEM_UNFOCUSED;
    return bits;
}

bool CReportCtrl::ExamItemStates(int row, DWORD mask) const
{
    if (mask == 0 || !IsValidRow(row)) return false;
    if (mask & RC_ITEM_ALL) return true;
    return (GetItemStates(row) & mask) == mask;
}

int CReportCtrl::GetItemCount(DWORD mask) const
{
    int count = CListCtrl::GetItemCount();
    if (mask & RC_ITEM_ALL) return count;
    int matching = 0;
    for (int row = 0; row < count; ++row) matching += ExamItemStates(row, mask);
    return matching;
}

int CReportCtrl::GetFirstItem(DWORD mask, int after) const
{
    int count = CListCtrl::GetItemCount();
    for (int row = std::max(-1, after) + 1; row < count; ++row)
        if (ExamItemStates(row, mask)) return row;
    return -1;
}

int CReportCtrl::GetLastItem(DWORD mask, int before) const
{
    int count = CListCtrl::GetItemCount();
    int start = (before < 0 || before > count) ? count - 1 : before - 1;
    for (int row = start; row >= 0; --row)
        if (ExamItemStates(row, mask)) return row;
    return -1;
}

void CReportCtrl::ApplyStates(int row, DWORD bits, bool& ok)
{
    auto change = [&](bool done) { ok = ok && done; };
    if (bits & RC_ITEM_SELECTED) change(CListCtrl::SetItemState(row, LVIS_SELECTED, LVIS_SELECTED));
    if (bits & RC_ITEM_UNSELECTED) change(CListCtrl::SetItemState(row, 0, LVIS_SELECTED));
    if (bits & RC_ITEM_CHECKED) change(CListCtrl::SetCheck(row, TRUE));
    if (bits & RC_ITEM_UNCHECKED) change(CListCtrl::SetCheck(row, FALSE));
    if (bits & RC_ITEM_FOCUSED) change(CListCtrl::SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED));
    if (bits & RC_ITEM_UNFOCUSED) change(CListCtrl::SetItemState(row, 0, LVIS_FOCUSED));
}

BOOL CReportCtrl::SetItemStates(int row, DWORD bits)
{
    if (!IsValidRow(row)) return FALSE;
    bool ok = true;
    ApplyStates(row, bits, ok);
    if (bits & RC_ITEM_CHECKED) ApplySingleCheck(row);
    return ok;
}

int CReportCtrl::SetAllItemStates(DWORD mask, DWORD bits)
{
    if (mask == 0 || bits == 0) return 0;
    int changed = 0;
    for (int row = 0; row < CListCtrl::GetItemCount(); ++row) {
        if (!ExamItemStates(row, mask)) continue;
        bool ok = true;
        ApplyStates(row, bits, ok);
        ++changed;
    }
    if (bits & RC_ITEM_CHECKED) ApplySingleCheck(-1);
    return changed;
}

void CReportCtrl::InvertItems(int mode)
{
    for (int row = 0; row < CListCtrl::GetItemCount(); ++row) {
        if (mode == RC_INVERT_SELECTION)
            CListCtrl::SetItemState(row, (CListCtrl::GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) ? 0 : LVIS_SELECTED, LVIS_SELECTED);
        else if (mode == RC_INVERT_CHECKMARK)
            CListCtrl::SetCheck(row, !IsChecked(row));
    }
}

BOOL CReportCtrl::SetCheck(int row, bool checked)
{
    if (!IsValidRow(row)) return FALSE;
    BOOL ok = CListCtrl::SetCheck(row, checked);
    if (ok && checked) ApplySingleCheck(row);
    return ok;
}

void CReportCtrl::SetCheckboxeStyle(int style)
{
    m_checkboxStyle = style;
    EndEdit(true);
    DWORD ex = CListCtrl::GetExtendedStyle();
    if (style >= RC_CHKBOX_NORMAL && style <= RC_CHKBOX_DISABLED) {
        SetExtendedStyle(ex | LVS_EX_CHECKBOXES);
        ApplySingleCheck(-1);
    } else {
        SetExtendedStyle(ex & ~DWORD(LVS_EX_CHECKBOXES));
    }
}

void CReportCtrl::ApplySingleCheck(int from)
{
    if (m_checkboxStyle != RC_CHKBOX_SINGLE) return;
    if (from < 0) from = GetFirstItem(RC_ITEM_CHECKED, -1);
    if (from < 0) return;
    for (int row = from + 1; row < CListCtrl::GetItemCount(); ++row)
        if (IsChecked(row)) CListCtrl::SetCheck(row, FALSE);
}

void CReportCtrl::SelectOnly(int row)
{
    for (int r = GetFirstItem(RC_ITEM_SELECTED, -1); r >= 0; r = GetFirstItem(RC_ITEM_SELECTED, r))
        CListCtrl::SetItemState(r, 0, LVIS_SELECTED);
    CListCtrl::SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// ---- sorting

BOOL CReportCtrl::SetSortable(bool on)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header || !HasColumnHeader()) return FALSE;
    if (on)
        header->ModifyStyle(0, HDS_BUTTONS);
    else {
        header->ModifyStyle(HDS_BUTTONS, 0);
        ClearSortMark();
    }
    header->Invalidate();
    return TRUE;
}

bool CReportCtrl::IsSortable() const
{
    CHeaderCtrl* header = const_cast<CReportCtrl*>(this)->GetHeaderCtrl();
    return header && (header->GetStyle() & HDS_BUTTONS);
}

void CReportCtrl::SetSortSeparator(LPCTSTR text)
{
    delete[] m_separator;
    m_separator = nullptr;
    if (text) {
        size_t length = std::strlen(text);
        m_separator = new char[length + 1];
        std::memcpy(m_separator, text, length + 1);
    }
}

LPCTSTR CReportCtrl::GetSortSeparator() const { return m_separator; }

int CReportCtrl::CompareTexts(const char* a, const char* b)
{
    unsigned long hexA = 0, hexB = 0;
    if (WholeHex(a, hexA) && WholeHex(b, hexB)) return Order(hexA, hexB);
    double decA = 0, decB = 0;
    if (WholeDecimal(a, decA) && WholeDecimal(b, decB)) return Order(decA, decB);
    COleDateTime dateA, dateB;
    if (dateA.ParseDateTime(a) && dateB.ParseDateTime(b)) return Order(dateA.m_dt, dateB.m_dt);
    return Order(std::strcmp(a, b), 0);
}

void CReportCtrl::QuickSort(std::vector<int>& rows, int low, int high, int column, bool ascending)
{
    // Each comparison reads the two cells afresh.
    auto compare = [&](int a, int b) {
        int order = CompareTexts(CListCtrl::GetItemText(a, column), CListCtrl::GetItemText(b, column));
        return ascending ? order : -order;
    };
    while (low < high) {
        int pivot = rows[size_t((low + high) / 2)];
        int i = low, j = high;
        while (i <= j) {
            while (i < high && compare(rows[size_t(i)], pivot) < 0) ++i;
            while (j > low && compare(rows[size_t(j)], pivot) > 0) --j;
            if (i <= j) {
                std::swap(rows[size_t(i)], rows[size_t(j)]);
                ++i;
                --j;
            }
        }
        if (low < j) QuickSort(rows, low, j, column, ascending);
        low = i;
    }
}

void CReportCtrl::SortRange(int first, int last, int column, bool ascending)
{
    if (last - first < 1) return;
    std::vector<int> order;
    for (int row = first; row <= last; ++row) order.push_back(row);
    QuickSort(order, 0, int(order.size()) - 1, column, ascending);
    std::vector<RowSnapshot> snapshots;
    snapshots.reserve(order.size());
    for (int row : order) snapshots.push_back(TakeRow(row));
    for (size_t i = 0; i < snapshots.size(); ++i) PutRow(first + int(i), snapshots[i]);
}

void CReportCtrl::SortItems(int column, bool ascending)
{
    EndEdit(true);
    if (!IsValidColumn(column) || !IsSortable()) return;
    m_sortColumn = column;
    m_sortAscending = ascending;
    int count = CListCtrl::GetItemCount();
    int first = 0;
    for (int row = 0; row < count; ++row) {
        if (m_separator && CListCtrl::GetItemText(row, column) == m_separator) {
            SortRange(first, row - 1, column, ascending);
            first = row + 1;
        }
    }
    SortRange(first, count - 1, column, ascending);
    if (CWnd* parent = GetParent()) parent->SendMessage(kReportItemSortedMessage, WPARAM(column), ascending ? 1 : 0);
}

void CReportCtrl::OnColumnClick(NMHDR* notice, LRESULT* result)
{
    int column = reinterpret_cast<NMLISTVIEW*>(notice)->iSubItem;
    SortItems(column, column != m_sortColumn || !m_sortAscending);
    *result = 0;
}

// ---- editing

void CReportCtrl::SetEditable(bool on)
{
    if (!on) EndEdit(true);
    m_editable = on;
}

bool CReportCtrl::StartEdit(int row, int column)
{
    if (!m_editable || !IsValidRow(row) || !IsValidColumn(column)) return false;
    if (row == m_editRow && column == m_editColumn) return true;
    EndEdit(true);
    m_editRow = row;
    m_editColumn = column;
    SelectOnly(row);

    LVCOLUMN info{};
    info.mask = LVCF_FMT;
    CListCtrl::GetColumn(column, &info);
    DWORD alignment = (info.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? ES_CENTER
                      : (info.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT ? ES_RIGHT
                                                                         : ES_LEFT;
    if (m_editCreated && alignment != m_editAlignment) {
        m_edit->DestroyWindow();
        m_editCreated = false;
    }
    if (!m_editCreated) {
        DWORD style = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL | alignment;
        if (!m_edit->Create(style, CRect(0, 0, 1, 1), this, 0)) return false;
        m_editCreated = true;
        m_editAlignment = alignment;
    }
    m_edit->SetFont(GetFont());
    CRect cell;
    CListCtrl::GetSubItemRect(row, column, LVIR_LABEL, cell);
    if (column > 0 && GetImageList() && GetItemImage(row, column) >= 0) cell.left += 16;
    m_edit->MoveWindow(&cell);
    m_edit->SetWindowText(CListCtrl::GetItemText(row, column));
    m_edit->ShowWindow(SW_SHOW);
    m_edit->SetSel(0, -1);
    m_edit->SetFocus();
    return true;
}

bool CReportCtrl::EndEdit(bool commit)
{
    if (!m_editable || !IsValidRow(m_editRow) || !IsValidColumn(m_editColumn)) {
        m_editRow = m_editColumn = -1;
        return false;
    }
    int row = m_editRow;
    int column = m_editColumn;
    m_editRow = m_editColumn = -1;
    bool changed = false;
    if (commit && m_editCreated) {
        CString text;
        m_edit->GetWindowText(text);
        if (std::strcmp(text, CListCtrl::GetItemText(row, column)) != 0) {
            CListCtrl::SetItemText(row, column, text);
            ClearSortMark();
            changed = true;
        }
    }
    if (m_editCreated) m_edit->ShowWindow(SW_HIDE);
    if (changed)
        if (CWnd* parent = GetParent()) parent->SendMessage(kReportItemEditedMessage, WPARAM(row), LPARAM(column));
    return changed;
}

BOOL CReportCtrl::PreTranslateMessage(MSG* msg)
{
    if (msg->message != WM_KEYDOWN) return CListCtrl::PreTranslateMessage(msg);
    UINT key = UINT(msg->wParam);
    if (IsValidRow(m_editRow) && IsValidColumn(m_editColumn)) {
        int row = m_editRow;
        int column = m_editColumn;
        switch (key) {
        case VK_TAB:
            EndEdit(true);
            StartEdit(row, column + 1 < GetColumnCount() ? column + 1 : 0);
            return TRUE;
        case VK_RETURN:
            EndEdit(true);
            return TRUE;
        case VK_ESCAPE:
            EndEdit(false);
            return TRUE;
        case VK_UP:
        case VK_DOWN: {
            int next = key == VK_UP ? row - 1 : row + 1;
            if (!IsValidRow(next)) break;
            EndEdit(true);
            StartEdit(next, column);
            EnsureVisible(next, FALSE);
            return TRUE;
        }
        default:
            break;
        }
    } else if (key == VK_SPACE) {
        return TRUE;  // the keyboard never toggles a check box
    }
    return CListCtrl::PreTranslateMessage(msg);
}

LRESULT CReportCtrl::OnMouseButton(WPARAM wParam, LPARAM lParam)
{
    MouseMonitor(GetCurrentMessage()->message, wParam, lParam);
    return 0;
}

void CReportCtrl::MouseMonitor(UINT message, WPARAM, LPARAM lParam)
{
    LVHITTESTINFO hit{};
    hit.pt = {short(LOWORD(lParam)), short(HIWORD(lParam))};
    CListCtrl::SubItemHitTest(&hit);
    int row = hit.iItem;
    bool valid = IsValidRow(row);
    bool wasChecked = valid && IsChecked(row);
    bool wasEditing = IsValidRow(m_editRow) && IsValidColumn(m_editColumn);
    EndEdit(true);
    bool left = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    bool wasActive = left && valid && (CListCtrl::GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED) & (LVIS_SELECTED | LVIS_FOCUSED)) ==
                                          (LVIS_SELECTED | LVIS_FOCUSED);
    Default();
    if (!m_hWnd) return;

    bool monitored = false;
    if (valid && IsValidRow(row) && m_checkboxStyle != RC_CHKBOX_NONE && bool(IsChecked(row)) != wasChecked) {
        monitored = true;
        if (m_checkboxStyle == RC_CHKBOX_DISABLED) {
            CListCtrl::SetCheck(row, wasChecked);
            return;
        }
        if (m_checkboxStyle == RC_CHKBOX_SINGLE && !wasChecked) {
            for (int r = GetFirstItem(RC_ITEM_CHECKED, -1); r >= 0; r = GetFirstItem(RC_ITEM_CHECKED, r))
                CListCtrl::SetCheck(r, FALSE);
            CListCtrl::SetCheck(row, TRUE);
        }
        SelectOnly(row);
        if (CWnd* parent = GetParent()) parent->SendMessage(kReportItemCheckedMessage, WPARAM(row), LPARAM(message));
    }
    if (left && m_editable && !monitored && !wasEditing && wasActive && IsValidRow(row)) StartEdit(row, hit.iSubItem);
}

void CReportCtrl::OnDestroy()
{
    DeleteAllItems(RC_ITEM_ALL);
    if (m_editCreated) {
        m_edit->DestroyWindow();
        m_editCreated = false;
    }
    m_imageList.DeleteImageList();
    m_headerImageList.DeleteImageList();
    CListCtrl::OnDestroy();
}
