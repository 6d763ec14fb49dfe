#pragma once
// The sortable, editable report list: columns described by one text, per-cell colours,
// sorting by header clicks with a rule that knows numbers and dates, groups kept apart by
// a separator row, in-place editing, four check-box styles, state queries and row moves.
#include "afx/controls/CEdit.h"
#include "afx/controls/CImageList.h"
#include "afx/controls/CListCtrl.h"

#include <vector>

class COleDateTime;

inline constexpr UINT kReportItemCheckedMessage = 0xA710;  // wParam row, lParam the mouse message
inline constexpr UINT kReportItemSortedMessage = 0xA711;   // wParam column, lParam ascending (1/0)
inline constexpr UINT kReportItemEditedMessage = 0xA712;   // wParam row, lParam column

// Item-state bits of the state queries and changes.
inline constexpr DWORD RC_ITEM_ALL = 0x01;
inline constexpr DWORD RC_ITEM_SELECTED = 0x02;
inline constexpr DWORD RC_ITEM_UNSELECTED = 0x04;
inline constexpr DWORD RC_ITEM_CHECKED = 0x08;
inline constexpr DWORD RC_ITEM_UNCHECKED = 0x10;
inline constexpr DWORD RC_ITEM_FOCUSED = 0x20;
inline constexpr DWORD RC_ITEM_UNFOCUSED = 0x40;

// Check-box styles.
inline constexpr int RC_CHKBOX_NONE = 0;
inline constexpr int RC_CHKBOX_NORMAL = 1;
inline constexpr int RC_CHKBOX_SINGLE = 2;
inline constexpr int RC_CHKBOX_DISABLED = 3;

// InvertItems modes.
inline constexpr int RC_INVERT_SELECTION = 0;
inline constexpr int RC_INVERT_CHECKMARK = 1;

class CReportCtrl : public CListCtrl {
public:
    CReportCtrl();
    CReportCtrl(const CReportCtrl&) = delete;
    CReportCtrl& operator=(const CReportCtrl&) = delete;
    ~CReportCtrl() override;

    // Creation and styles: always report view, full-row selection and sub-item images.
    BOOL Create(CWnd* parent, UINT id, LPCRECT rect = nullptr, DWORD style = WS_BORDER | WS_TABSTOP);
    DWORD SetExtendedStyle(DWORD style);
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    void SetGridLines(bool on = true);
    void ResizeToFitParent();
    bool HasColumnHeader() const;
    CHeaderCtrl* GetHeaderCtrl();

    // Columns.
    BOOL SetColumnHeader(const CString& spec);
    int InsertColumn(int index, LPCTSTR text, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    int InsertColumn(int index, const LVCOLUMN* column);
    BOOL DeleteColumn(int index);
    BOOL DeleteAllColumns();
    int GetColumnCount() const;
    CString GetHeaderText(int column) const;
    BOOL SetHeaderText(int column, LPCTSTR text);
    CImageList* SetHeaderImageList(CImageList* list);
    CImageList* SetHeaderImageList(UINT bitmapId, COLORREF mask = RGB(255, 0, 255));
    BOOL SetHeaderImage(int column, int image, bool onLeft = true);
    int GetHeaderImage(int column) const;

    // Rows.
    int InsertItem(int index, LPCTSTR text);
    int InsertItem(int index, LPCTSTR text, int image);
    int InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param);
    int InsertItem(const LVITEM* item);
    // The texts of the following columns come from the further arguments, up to a null one.
    int InsertItemEx(int index, LPCTSTR text, ...);
    BOOL DeleteItem(int row, bool selectNext = false);
    int DeleteAllItems(DWORD mask = RC_ITEM_ALL);

    BOOL SetItemText(int row, int column, LPCTSTR value);
    BOOL SetItemText(int row, int column, TCHAR value);
    BOOL SetItemText(int row, int column, int value);
    BOOL SetItemText(int row, int column, long value);
    BOOL SetItemText(int row, int column, unsigned int value);
    BOOL SetItemText(int row, int column, unsigned long value);
    BOOL SetItemText(int row, int column, double value, int precision = -1);
    BOOL SetItemText(int row, int column, const COleDateTime& value, DWORD flags = 0);
    using CListCtrl::GetItemText;

    BOOL SetItemImage(int row, int column, int image);
    int GetItemImage(int row, int column) const;
    CImageList* SetImageList(CImageList* list);
    CImageList* SetImageList(UINT bitmapId, COLORREF mask = RGB(255, 0, 255));
    CImageList* GetImageList() const;

    BOOL SetItemData(int row, DWORD data);
    DWORD GetItemData(int row) const;
    BOOL GetItem(LVITEM* item) const;
    BOOL SetItem(const LVITEM* item);
    BOOL SetItem(int row, int column, UINT mask, LPCTSTR text, int image, UINT state, UINT stateMask, LPARAM param);

    void SetItemTextColor(int row = -1, int column = -1, COLORREF colour = COLORREF(-1), bool redraw = true);
    COLORREF GetItemTextColor(int row, int column) const;
    void SetItemBkColor(int row = -1, int column = -1, COLORREF colour = COLORREF(-1), bool redraw = true);
    COLORREF GetItemBkColor(int row, int column) const;

    int MoveTo(int row, int target);
    int MoveUp(int row, int count = 1);
    int MoveDown(int row, int count = 1);
    int MoveToTop(int row);
    int MoveToBottom(int row);
    BOOL SwapItems(int a, int b);

    // States and check boxes.
    DWORD GetItemStates(int row) const;
    bool ExamItemStates(int row, DWORD mask) const;
    int GetItemCount(DWORD mask = RC_ITEM_ALL) const;
    int GetFirstItem(DWORD mask, int after = -1) const;
    int GetLastItem(DWORD mask, int before = -1) const;
    BOOL SetItemStates(int row, DWORD bits);
    int SetAllItemStates(DWORD mask, DWORD bits);
    void InvertItems(int mode);
    BOOL SetCheck(int row, bool checked = true);
    BOOL GetCheck(int row) const { return IsChecked(row); }
    void SetCheckboxeStyle(int style = RC_CHKBOX_NORMAL);
    int GetCheckboxStyle() const { return m_checkboxStyle; }

    // Sorting.
    BOOL SetSortable(bool on);
    bool IsSortable() const;
    void SortItems(int column, bool ascending);
    int GetSortedColumn() const { return m_sortColumn; }
    bool IsSortAscending() const { return m_sortAscending; }
    void SetSortSeparator(LPCTSTR text);
    LPCTSTR GetSortSeparator() const;

    // Editing.
    void SetEditable(bool on = true);
    bool IsEditable() const { return m_editable; }
    bool StartEdit(int row, int column);
    bool EndEdit(bool commit = true);
    CEdit* GetEditControl() { return m_edit; }

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The rule of a sort: negative, 0 or positive as a sorts before, with or after b.
    static int CompareTexts(const char* a, const char* b);

protected:
    void PreSubclassWindow() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnCustomDraw(NMHDR* notice, LRESULT* result);
    void OnColumnClick(NMHDR* notice, LRESULT* result);
    BOOL OnDeleteItemNotice(NMHDR* notice, LRESULT* result);
    LRESULT OnMouseButton(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct ItemRecord {
        DWORD data = 0;
        std::vector<COLORREF> text;
        std::vector<COLORREF> back;
    };
    // Everything a row carries, for moves and sorting.
    struct RowSnapshot {
        DWORD states = 0;
        ItemRecord* record = nullptr;
        std::vector<int> images;
        std::vector<CString> texts;
    };

    BOOL IsChecked(int row) const;
    bool IsValidRow(int row) const { return row >= 0 && row < CListCtrl::GetItemCount(); }
    bool IsValidColumn(int column) const { return column >= 0 && column < GetColumnCount(); }
    ItemRecord* RecordOf(int row) const;
    ItemRecord* NewRecord(DWORD data) const;
    void ClearSortMark();
    int InsertRow(LVITEM item);
    // Takes the row's states, record (detached from the row), images and texts.
    RowSnapshot TakeRow(int row);
    BOOL DeleteRow(int row);
    void PutRow(int row, const RowSnapshot& snapshot);
    void ApplyStates(int row, DWORD bits, bool& ok);
    void ApplySingleCheck(int from);
    void ForEachColour(int row, int column, COLORREF colour, bool text);
    void QuickSort(std::vector<int>& rows, int low, int high, int column, bool ascending);
    void SortRange(int first, int last, int column, bool ascending);
    // Invalidate, erase and update now.
    void RedrawNow();
    void MouseMonitor(UINT message, WPARAM wParam, LPARAM lParam);
    // Deselects every row, then selects and focuses this one.
    void SelectOnly(int row);

    CEdit* m_edit = nullptr;
    char* m_separator = nullptr;
    bool m_editable = false;
    int m_editRow = -1;
    int m_editColumn = -1;
    int m_checkboxStyle = RC_CHKBOX_NORMAL;
    DWORD m_editAlignment = 0;
    CImageList m_imageList;
    CImageList m_headerImageList;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
    bool m_editCreated = false;
};
