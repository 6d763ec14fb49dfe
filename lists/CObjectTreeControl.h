#pragma once
// A tree-view showing an object and its nested lists: each object's display owns one tree
// item, and an item can be dragged off as the object's address ("Persist Object").
#include "CTopObjectDisplay.h"
#include "afx/controls/CImageList.h"
#include "afx/controls/CTreeCtrl.h"

class CObjectTreeControl : public CTreeCtrl, public CTopObjectDisplay {
public:
    CObjectTreeControl() = default;
    CObjectTreeControl(const CObjectTreeControl&) = delete;
    CObjectTreeControl& operator=(const CObjectTreeControl&) = delete;
    ~CObjectTreeControl() override;

    long CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* display) override;
    long GetChildDisplayHandle(CObjectDisplay* display) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    int GetSelectionCount() override;
    void GetSelection(CPointerList& selection) override;
    CObjectDisplay* GetSelection() override;

    virtual CString GetObjectText(CPersistObject* object, int column, bool forToolTip);
    virtual int GetObjectImage(CPersistObject* object);
    virtual UINT GetImageListResource(int& width, int& height);

    // The display of the item whose icon, label or state icon is at the point; null elsewhere.
    CObjectDisplay* GetHitDisplay(CPoint point);
    CObjectDisplay* GetItemDisplay(HTREEITEM item);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnSelchanged(NMHDR* notice, LRESULT* result);
    void OnEndlabeledit(NMHDR* notice, LRESULT* result);
    LRESULT OnHitObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Unbind();

    CImageList mImageList;
};
