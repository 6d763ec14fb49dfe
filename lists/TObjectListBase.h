#pragma once
// What every object list control shares, on top of a list-view class (the plain list
// control or the report): rows follow the child displays of the bound object's list, a
// changed object redraws its row, and the user's selections, ticks and label edits reach
// the displays and objects. Concrete controls add their message maps and row texts.
#include "CIndexCache.h"
#include "CTopObjectDisplay.h"
#include "afx/controls/CImageList.h"
#include "afx/CPoint.h"
#include "afx/CRect.h"
#include "afx/CString.h"
#include "win32/controls/CommCtrl.h"

class CPersistObject;
struct TOOLINFO;

// The handlers every object list control routes, for its message map.
#define MV_OBJECT_LIST_MESSAGE_ENTRIES()                                                                              \
    ON_WM_CREATE()                                                                                                   \
    ON_WM_DESTROY()                                                                                                  \
    ON_WM_CLOSE()                                                                                                    \
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemchanged)                                                                \
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemchanging)                                                              \
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndlabeledit)

template <class TList>
class TObjectListBase : public TList, public CTopObjectDisplay {
public:
    static constexpr int kToolTipBufferSize = 520;

    TObjectListBase() = default;
    TObjectListBase(const TObjectListBase&) = delete;
    TObjectListBase& operator=(const TObjectListBase&) = delete;
    ~TObjectListBase() override;

    // Display interface.
    long CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* display) override;
    long GetChildDisplayHandle(CObjectDisplay* display) override { return GetListIndex(display); }
    void DisplayChanged(CObjectDisplay* display) override;
    void Refresh() override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void SelectChild(CObjectDisplay* display, bool selected) override;

    // What a row shows; subclasses decide.
    virtual void CreateListHeaders() {}
    virtual UINT GetImageListResource(int& width, int& height);
    virtual CString GetObjectText(CPersistObject* object, int column, bool forToolTip);
    virtual int GetObjectImage(CPersistObject* object);
    virtual bool GetObjectChecked(CPersistObject* object);
    virtual bool CheckObject(CPersistObject* object, bool checked);
    virtual void RefreshOneDisplay(CObjectDisplay* display);

    int GetListIndex(CObjectDisplay* display);
    CObjectDisplay* GetListDisplay(int index);
    void CheckItem(int row, bool checked);
    bool IsItemChecked(int row);
    bool GetCellRect(CPoint point, CRect& rect, int& row, int& column);
    void RemoveListHeaders();
    int GetColumnCount();

    // Tool tips per cell: the id is (row + 1) * 65536 + (column + 1); -1 off the cells.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info);
    BOOL OnToolTipNotify(UINT id, NMHDR* notice, LRESULT* result);
    const char* GetToolTipBuffer() const { return mToolTipText; }

    bool IsInserting() const { return mInserting; }
    bool IsRefreshing() const { return mRefreshing; }
    bool IsChecking() const { return mChecking; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnClose();
    void OnItemchanged(NMHDR* notice, LRESULT* result);
    void OnItemchanging(NMHDR* notice, LRESULT* result);
    void OnEndlabeledit(NMHDR* notice, LRESULT* result);

    void SetupImageList();
    virtual void InstallImageList(CImageList* images);
    // How a row names its display: the row's item data by default.
    virtual LPARAM AttachRow(CObjectDisplay* display) { return reinterpret_cast<LPARAM>(display); }
    virtual void DetachRow(CObjectDisplay*) {}
    virtual void DeleteRow(CObjectDisplay* display);
    virtual CObjectDisplay* DisplayOfRow(int row);
    virtual int RowOfDisplay(CObjectDisplay* display);
    void Unbind();
    // Copies text into a buffer of `room` bytes, cut to fit on a character boundary.
    static void CopyTextCut(char* target, size_t room, const CString& text);

    CImageList mImageList;
    bool mInserting = false;
    bool mRefreshing = false;
    bool mChecking = false;

private:
    static int StateImage(UINT state) { return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12); }
    static const void* DisplayAt(const void* list, int row);
    // Brings the displays' selection in step with the rows after a row's notice.
    void SyncSelection(int changedRow);
    void SyncRowSelection(int row);
    void RowsMayDiffer();

    alignas(WCHAR) char mToolTipText[kToolTipBufferSize] = {};
    // A tick the item-changing step already let the object take.
    int mApprovedCheckRow = -1;
    // A removed row needs no refresh of the rows left.
    bool mRowRemoved = false;
    // Every row's selection matched its display's after the last walk, and each change since
    // came with its own notice: a notice then needs only its own row looked at.
    bool mRowsInStep = false;
    unsigned mStepBreaks = 0;
    // Where each display's row sits, kept in step with the rows this control makes and deletes.
    CIndexCache mRows;
};
