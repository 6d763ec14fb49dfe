#pragma once
// The image list of the class library: owns its list unless detached.
#include "afx/CObject.h"
#include "win32/controls/CommCtrl.h"

class CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() override;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    // A wrapper for a list this object does not own (kept for the life of the process).
    static CImageList* FromHandle(HIMAGELIST list);

    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    // From a bitmap resource of the application: images `width` wide and as high as the bitmap.
    BOOL Create(UINT bitmapId, int width, int grow, COLORREF mask);
    BOOL Create(LPCTSTR bitmapName, int width, int grow, COLORREF mask);
    BOOL DeleteImageList();
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();

    int GetImageCount() const;
    BOOL SetImageCount(UINT count);
    int Add(HBITMAP bitmap, HBITMAP mask);
    int Add(HBITMAP bitmap, COLORREF mask);
    int Add(HICON icon);
    BOOL Remove(int index);
    BOOL Draw(HDC dc, int index, POINT at, UINT style);
    COLORREF SetBkColor(COLORREF colour);
};
