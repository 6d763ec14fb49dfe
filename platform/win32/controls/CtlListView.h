#pragma once
// The list view in report mode: columns (kept in its header), items with sub-item texts and
// images, item data, states with state-image check boxes, owner data, sorting and searching;
// clicks, keys and header clicks notify the parent as a user's do, and painting runs the
// custom-draw exchange and records the colours each cell was drawn with.
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlHeader.h"
#include "win32/controls/CtlItemView.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CtlListView : public CtlItemView {
public:
    struct Cell {
        std::string text;
        bool callback = false;
        int image = -1;
    };
    struct Row {
        std::vector<Cell> cells;
        UINT state = 0;
        LPARAM param = 0;
        int indent = 0;
    };
    struct Drawn {
        COLORREF text;
        COLORREF background;
        std::string label;
    };

    explicit CtlListView(DWORD style = 0);
    ~CtlListView() override;

    CtlHeader& Header() { return m_header; }
    HWND HeaderWindow() const { return m_headerWindow; }
    int Count() const;
    int ColumnCount() const { return m_header.Count(); }
    const Row* RowAt(int index) const;
    std::string Text(int item, int sub);
    UINT State(int item) const;
    bool IsChecked(int item) const;
    DWORD ExtendedStyle() const { return m_exStyle; }
    HANDLE ImageList(int which) const;
    int TopIndex() const { return m_top; }
    // The colours and text a cell was last painted with (black on black and empty when never painted).
    Drawn DrawnColors(int item, int sub) const;

    // Geometry: rows below the header, each kRowHeight high.
    RECT ItemRect(int item, int code) const;
    RECT SubItemRect(int item, int sub, int code) const;
    int HitTest(POINT point, UINT& flags, int& sub) const;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // A user's actions.
    void UserClick(POINT point, UINT keys = 0) override;
    void UserDoubleClick(POINT point) override;
    void UserRightClick(POINT point) override;
    void UserKey(UINT key) override;
    void UserClickHeader(int column);
    // Ends a label edit of column 0 with the user's text (null: cancelled).
    void UserEditLabel(int item, const char* text);
    // Opens the in-place edit box over an item's label (LVS_EDITLABELS, F2); its window, or null.
    HWND EditLabel(int item);
    // Paints: the custom-draw exchange with the parent for every visible cell.
    void Paint(HDC dc) override;

    static constexpr int kRowHeight = 17;
    static constexpr int kIconWidth = 16;

private:
    bool Report() const;
    bool OwnerData() const;
    int HeaderHeight() const;
    bool Valid(int item) const { return item >= 0 && item < Count(); }
    Row& RowRef(int item);
    // Changes an item's state bits, asking the parent first; false when it refused.
    bool ChangeState(int item, UINT state, UINT mask);
    LRESULT NotifyItem(UINT code, int item, int sub, UINT newState, UINT oldState, UINT changed, POINT at = {});
    int InsertItem(const LVITEM& item);
    bool DeleteItem(int item);
    void DeleteAll();
    bool GetItem(LVITEM& item);
    bool SetItem(const LVITEM& item);
    int InsertColumn(int index, const LVCOLUMN& column);
    bool DeleteColumn(int index);
    bool GetColumn(int index, LVCOLUMN& column) const;
    bool SetColumn(int index, const LVCOLUMN& column);
    int NextItem(int start, UINT flags) const;
    int FindItem(int start, const LVFINDINFO& info);
    void Sort(LPARAM data, PFNLVCOMPARE compare);
    void SelectOnly(int item);
    void SetExtendedStyle(DWORD mask, DWORD style);
    void MouseDown(POINT point, UINT keys, bool right);

    class HeaderHost;
    CtlHeader m_header;
    std::unique_ptr<HeaderHost> m_headerHost;
    HWND m_headerWindow = nullptr;
    std::vector<Row> m_rows;
    std::vector<UINT> m_dataStates; // owner data: states only
    int m_dataCount = 0;
    DWORD m_exStyle = 0;
    HANDLE m_images[3] = {};
    int m_top = 0;
    int m_mark = -1;
    COLORREF m_background = 0xFFFFFF;
    COLORREF m_textColour = 0;
    COLORREF m_textBackground = 0xFFFFFF;
    std::map<std::pair<int, int>, Drawn> m_drawn;
    void EndLabel(int item, const std::string* text);
};
