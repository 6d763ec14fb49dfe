#pragma once
// The header control of the class library.
#include "afx/windows/CWnd.h"
#include "win32/controls/CommCtrl.h"

class CImageList;

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetItemCount() const;
    BOOL GetItem(int index, HDITEM* item) const;
    BOOL SetItem(int index, HDITEM* item);
    int InsertItem(int index, HDITEM* item);
    BOOL DeleteItem(int index);
    BOOL GetItemRect(int index, LPRECT rect) const;
    CImageList* SetImageList(CImageList* list);
    CImageList* GetImageList() const;
};
